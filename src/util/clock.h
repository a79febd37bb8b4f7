#pragma once
// "Now" for the program: the system clock, or a fixed clock stepped by tests and the command line.
// Both hand out local date-times with a fixed offset from UTC, looked up in the time-zone rules
// once per quarter of an hour: a local date-time made the usual way re-reads the zone file on
// every conversion, once per reading or more.

#include <QDateTime>

namespace sondalog {

/// The local date-time of an instant, its UTC offset cached for the quarter hour it falls in
/// (every change of a time zone's offset happens on a quarter hour).
class LocalTimeCache {
public:
    QDateTime At(qint64 utcMsecs) const;

private:
    mutable qint64 from_ = 1;  ///< the cached quarter hour [from_, until_); empty to begin with
    mutable qint64 until_ = 0;
    mutable int offset_ = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    /// Told after each stored reading; a test clock steps on here.
    virtual void ReadingStored() {}
};

class SystemClock final : public Clock {
public:
    QDateTime Now() const override;

private:
    LocalTimeCache local_;
};

/// Stays at one instant until `Advance` moves it on by its step.
class FixedClock final : public Clock {
public:
    FixedClock(const QDateTime& start, qint64 stepSeconds)
        : utcMsecs_(start.toMSecsSinceEpoch()), step_(stepSeconds), utc_(start.timeSpec() == Qt::UTC)
    {
    }
    QDateTime Now() const override;
    void Advance() { utcMsecs_ += step_ * 1000; }
    void ReadingStored() override { Advance(); }
    void Set(const QDateTime& now)
    {
        utcMsecs_ = now.toMSecsSinceEpoch();
        utc_ = now.timeSpec() == Qt::UTC;
    }
    qint64 Step() const { return step_; }

private:
    qint64 utcMsecs_;
    qint64 step_;
    bool utc_;
    LocalTimeCache local_;
};

}  // namespace sondalog
