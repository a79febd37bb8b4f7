#include "util/clock.h"

namespace sondalog {

namespace {
constexpr qint64 kQuarterHourMs = 15 * 60 * 1000;
}

QDateTime LocalTimeCache::At(qint64 utcMsecs) const
{
    if (utcMsecs < from_ || utcMsecs >= until_) {
        from_ = utcMsecs - ((utcMsecs % kQuarterHourMs) + kQuarterHourMs) % kQuarterHourMs;
        until_ = from_ + kQuarterHourMs;
        offset_ = QDateTime::fromMSecsSinceEpoch(utcMsecs, Qt::LocalTime).offsetFromUtc();
    }
    return QDateTime::fromMSecsSinceEpoch(utcMsecs, Qt::OffsetFromUTC, offset_);
}

QDateTime SystemClock::Now() const
{
    return local_.At(QDateTime::currentMSecsSinceEpoch());
}

QDateTime FixedClock::Now() const
{
    return utc_ ? QDateTime::fromMSecsSinceEpoch(utcMsecs_, Qt::UTC) : local_.At(utcMsecs_);
}

}  // namespace sondalog
