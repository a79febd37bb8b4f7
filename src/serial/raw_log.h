#pragma once
// The raw-lines log: what came over the serial link, bounded so a long run cannot fill memory.

#include <QString>
#include <QStringList>

namespace sondalog {

inline constexpr int kRawLogLimit = 100;

/// Appends a line; a log already holding more than 100 lines is cleared first.
void AppendLogLine(QStringList& log, const QString& line);

}  // namespace sondalog
