#pragma once
// The time a tracer test really took, from the readings' PC times. Those are wall-clock times (what the
// PC's clock showed): across a change to or from summer time they jump an hour, and in autumn one hour
// of wall times comes twice. Read in the time zone of the clock that made them, each becomes an instant;
// of two instants a repeated wall time may be, the first one not before the previous reading is taken.

#include "processing/sample_series.h"

#include <QString>
#include <QTimeZone>

#include <vector>

namespace sondalog {

/// Wall-clock seconds (as a Sample keeps them) into UTC instants, in one time zone.
class InstantReader {
public:
    /// Covers the wall times from `firstWall` to `lastWall`: without a change of offset between, every
    /// reading costs a subtraction.
    InstantReader(const QTimeZone& zone, qint64 firstWall, qint64 lastWall);
    /// The instant of `wall`: of two (a wall time repeated when the clocks go back), the earliest not
    /// before `notBefore`; a wall time the change skipped reads with the offset before it.
    qint64 Instant(qint64 wall, qint64 notBefore) const;

private:
    QTimeZone zone_;
    bool oneOffset_ = true;
    int offset_ = 0;
};

/// Seconds from reading `origin` for readings `first` .. `last`; with `secondsPerReading`, the
/// reading count times it (the demonstration's own clock).
struct ElapsedTimes {
    std::vector<double> seconds;  ///< [n - first]
    QString error;                ///< set when a reading has no time or time goes backwards: names the reading
};
ElapsedTimes ElapsedSeconds(const SampleSeries& series, int first, int origin, int last, double secondsPerReading,
                            const QTimeZone& zone);

}  // namespace sondalog
