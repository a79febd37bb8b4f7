#include "processing/sample_series.h"

#include <cstdlib>

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

namespace {
void AppendNumber(QString& out, int value, int width)
{
    QChar digits[12];
    int count = 0;
    unsigned v = static_cast<unsigned>(std::abs(value));
    do {
        digits[count++] = QChar(u'0' + v % 10);
        v /= 10;
    } while (v != 0 && count < 12);
    while (count < width && count < 12) {
        digits[count++] = u'0';
    }
    for (int i = count - 1; i >= 0; --i) {
        out.append(digits[i]);
    }
}

// The short date formats of regional settings use only d, M and y; others go through Qt.
QString FormatDate(const QDate& date, const QString& format)
{
    QString out;
    out.reserve(format.size() + 2);
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c) {
            ++run;
        }
        if (c == u'd' && run <= 2) {
            AppendNumber(out, date.day(), static_cast<int>(run));
        } else if (c == u'M' && run <= 2) {
            AppendNumber(out, date.month(), static_cast<int>(run));
        } else if (c == u'y' && run == 4) {
            AppendNumber(out, date.year(), 4);
        } else if (c == u'y' && run == 2) {
            AppendNumber(out, date.year() % 100, 2);
        } else if (c.isLetter() || c == u'\'') {
            return date.toString(format);
        } else {
            out.append(QString(run, c));
        }
        i += run;
    }
    return out;
}
}  // namespace

QString StampFromTime(const QDateTime& time, const Regional& regional)
{
    QString stamp = FormatDate(time.date(), regional.shortDateFormat);
    stamp.reserve(stamp.size() + 9);
    stamp.append(u' ');
    const QTime t = time.time();
    AppendNumber(stamp, t.hour(), 2);
    stamp.append(u':');
    AppendNumber(stamp, t.minute(), 2);
    stamp.append(u':');
    AppendNumber(stamp, t.second(), 2);
    return stamp.left(80);
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
    // The value is the wall clock's own reading: its fields come back without any time-zone lookup.
    return StampFromTime(QDateTime::fromSecsSinceEpoch(s.time, Qt::UTC), regional);
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
