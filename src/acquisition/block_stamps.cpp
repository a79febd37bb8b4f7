#include "acquisition/block_stamps.h"

namespace sondalog {

int FindClockMark(QStringView text)
{
    for (qsizetype i = 0; i + 3 < text.size(); ++i) {
        if (text.at(i) == u':' && text.at(i + 3) == u':') {
            return static_cast<int>(i + 4);
        }
    }
    return 0;
}

bool HasClockMark(QStringView text)
{
    return FindClockMark(text) > 0;
}

StampComparison CompareBlockStamps(const QString& text)
{
    // Views into the block: this runs for every block of a run.
    QStringView rest = text;
    QStringView stamps[3];
    bool found[3] = {false, false, false};
    for (int s = 0; s < 3; ++s) {
        const int p = FindClockMark(rest);
        if (p <= 0) {
            break;
        }
        // The stamp is cut 16 characters before the second ':'; with fewer before it, from the start.
        const qsizetype start = std::max<qsizetype>(0, p - 17);
        stamps[s] = rest.mid(start, 19);
        found[s] = true;
        rest = rest.mid(p + 2);
    }
    StampComparison c;
    if (found[0] && found[1] && found[2]) {
        if (stamps[0] == stamps[1] && stamps[1] == stamps[2]) {
            c.result = 3;
        } else if (stamps[0] == stamps[1]) {
            c.result = 2;
        } else if (stamps[1] == stamps[2]) {
            c.result = 1;
        } else {
            c.result = 0;
        }
    } else {
        c.result = 0;
    }
    if (stamps[0] == stamps[1] && !found[2]) {
        c.result = 3;
    }
    c.listing.reserve(stamps[0].size() + stamps[1].size() + stamps[2].size() + 4);
    c.listing.append(stamps[0]).append(QLatin1StringView(" \n")).append(stamps[1]);
    c.listing.append(QLatin1StringView(" \n")).append(stamps[2]);
    return c;
}

}  // namespace sondalog
