#pragma once
// "Now" for the program: the system clock, or a fixed clock stepped by tests and the command line.

#include <QDateTime>

namespace sondalog {

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
};

/// Stays at one instant until `Advance` moves it on by its step.
class FixedClock final : public Clock {
public:
    FixedClock(QDateTime start, qint64 stepSeconds) : now_(std::move(start)), step_(stepSeconds) {}
    QDateTime Now() const override { return now_; }
    void Advance() { now_ = now_.addSecs(step_); }
    void ReadingStored() override { Advance(); }
    void Set(const QDateTime& now) { now_ = now; }
    qint64 Step() const { return step_; }

private:
    QDateTime now_;
    qint64 step_;
};

}  // namespace sondalog
