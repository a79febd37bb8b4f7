#pragma once
// The date and time an instrument writes with each reading ("26.09.2009 04:19:39", "2009-09-26 04:19:39",
// "26/09/2009 04:19:39"): in its logging file that is when the reading was taken, not when the file is opened.

#include <QDateTime>
#include <QStringView>

#include <optional>

namespace sondalog {

/// Reads the instrument's date and time from a text holding both (day, month and year in any of the usual
/// orders, then hh:mm or hh:mm:ss), as a local date-time; nullopt when the text holds no whole date and time.
/// A year first is year-month-day; a day above 12 with '/' tells day and month apart, the day first otherwise.
class InstrumentStampReader {
public:
    std::optional<QDateTime> Read(QStringView text) const;

private:
    // The local offset of the last hour read: one time-zone lookup per hour of readings, not per reading.
    mutable qint64 hourKey_ = -1;
    mutable int offset_ = 0;
};

}  // namespace sondalog
