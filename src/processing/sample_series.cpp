#include "processing/sample_series.h"

namespace sondalog {

qint64 TimeValue(const QDateTime& localTime)
{
    // Local wall-clock seconds: the instant the stamp text shows, free of time-zone shifts.
    const QDateTime utc(localTime.date(), localTime.time(), Qt::UTC);
    return utc.toSecsSinceEpoch();
}

QDateTime TimeFromValue(qint64 time)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(time, Qt::UTC);
    return QDateTime(utc.date(), utc.time());
}

QString StampFromTime(const QDateTime& time, const Regional& regional)
{
    return (time.date().toString(regional.shortDateFormat) + u' ' + time.time().toString(QStringLiteral("hh:mm:ss")))
        .left(80);
}

void SampleSeries::EnsureRoomForNext()
{
    if (sampleCount + 1 >= Capacity()) {
        slots_.resize(slots_.size() + kGrowth);
    }
}

void SampleSeries::Resize(int capacity)
{
    slots_.resize(static_cast<std::size_t>(std::max(capacity, 1)));
}

QString SampleSeries::StampText(int n, const Regional& regional) const
{
    if (n < 0 || n >= Capacity()) {
        return {};
    }
    const Sample& s = At(n);
    if (s.stampIndex >= 0 && s.stampIndex < keptStamps_.size()) {
        return keptStamps_.at(s.stampIndex);
    }
    if (s.time == kNoTime) {
        return {};
    }
    return StampFromTime(TimeFromValue(s.time), regional);
}

qint32 SampleSeries::KeepStamp(const QString& text)
{
    keptStamps_ << text.left(80);
    return static_cast<qint32>(keptStamps_.size() - 1);
}

double SampleSeries::MeanOfLast(int k) const
{
    const int n = sampleCount;
    if (n <= 0) {
        return 0;
    }
    k = std::min(k, n);
    if (k <= 0) {
        return 0;
    }
    long double sum = 0;
    for (int i = n - k + 1; i <= n; ++i) {
        sum += At(i).value1;
    }
    return static_cast<double>(sum / k);
}

}  // namespace sondalog
