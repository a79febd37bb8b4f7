#pragma once
// Clock marks and the time stamps of a three-probe CSV block.

#include <QString>

namespace sondalog {

/// Some ':' is followed, three positions further, by another ':' (as in 04:19:39).
bool HasClockMark(QStringView text);
/// Position (from 1) of the second ':' of the first such pair; 0 when none.
int FindClockMark(QStringView text);

struct StampComparison {
    int result = 3;  ///< 3 all equal, 2 third differs, 1 first differs, 0 otherwise
    QString listing;
};
/// Compares up to three date-time stamps found in turn in `text`.
StampComparison CompareBlockStamps(const QString& text);

}  // namespace sondalog
