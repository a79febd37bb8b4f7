#pragma once
// The date and time an instrument writes with each reading ("26.09.2009 04:19:39", "2009-09-26 04:19:39",
// "26/09/2009 04:19:39"): in its logging file that is when the reading was taken, not when the file is opened.

#include <QDateTime>
#include <QStringList>
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

/// The order of day, month and year in a date written with digits only.
enum class DateOrder { DayFirst, MonthFirst, YearFirst };

/// The order the stamps themselves show: a year of four digits first, a first number above 12 (a day), a second
/// above 12 (a day second); `hint` (the PC's own order) when none of them tells.
DateOrder DetectDateOrder(const QStringList& stamps, DateOrder hint);
/// A stamp "date hh:mm:ss" read in `order` as wall-clock seconds since 1970 (the day's seconds, no time zone),
/// as recordings keep their times; nullopt when it is no such stamp.
std::optional<qint64> WallSeconds(QStringView stamp, DateOrder order);

}  // namespace sondalog
