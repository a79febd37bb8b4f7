#include "processing/sample_series.h"

#include "util/text_writer.h"

#include <bit>
#include <cmath>
#include <cstdlib>

#include <QLocale>

#include <array>

namespace sondalog {

qint64 TimeValue(const QDateTime& localTime)
{
    // Local wall-clock seconds: the instant the stamp text shows, free of time-zone shifts. The clocks hand
    // out date-times with their offset from UTC: the wall clock is the instant plus the offset, read without
    // taking the date apart (once per reading).
    const Qt::TimeSpec zone = localTime.timeSpec();
    if (localTime.isValid() && (zone == Qt::OffsetFromUTC || zone == Qt::UTC)) {
        return (localTime.toMSecsSinceEpoch() + static_cast<qint64>(localTime.offsetFromUtc()) * 1000) / 1000;
    }
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

QString DateText(const QDate& date, const QString& format)
{
    return FormatDate(date, format);
}

namespace {
/// " hh:mm:ss" of a second of the day: the part of a stamp after its date.
std::array<QChar, 9> ClockText(int secs)
{
    const auto digit = [](int v) { return QChar(u'0' + v); };
    return {u' ',
            digit(secs / 36000),    digit(secs / 3600 % 10), u':',
            digit(secs / 600 % 6),  digit(secs / 60 % 10),   u':',
            digit(secs % 60 / 10),  digit(secs % 10)};
}
}  // namespace

QString StampFromTime(const QDateTime& time, const Regional& regional)
{
    QString stamp = FormatDate(time.date(), regional.shortDateFormat);
    const std::array<QChar, 9> clock = ClockText(time.time().msecsSinceStartOfDay() / 1000);
    stamp.append(clock.data(), clock.size());
    return stamp.left(SampleSeries::kMaxStampLength);
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
    Invalidate(Capacity());
}

void SampleSeries::Extend(Pyramid& p, int quantity, int upTo) const
{
    if (p.valid > upTo) {
        return;
    }
    const int start = p.valid;
    if (p.levels.empty()) {
        p.levels.emplace_back();
    }
    std::vector<double>& base = p.levels[0];
    base.resize(static_cast<std::size_t>(upTo) + 1);
    for (int i = start; i <= upTo; ++i) {
        const Sample& s = slots_[static_cast<std::size_t>(i)];
        const double v = quantity == 2 ? s.value2 : quantity == kRawQuantity ? s.value1Raw : s.value1;
        base[static_cast<std::size_t>(i)] = std::isnan(v) ? -std::numeric_limits<double>::infinity() : v;
    }
    // Each level above: the blocks that hold a changed slot are made again, the others kept.
    std::size_t below = base.size();
    for (std::size_t k = 1; below > 1; ++k) {
        const std::size_t size = (below + 1) / 2;
        if (p.levels.size() <= k) {
            p.levels.emplace_back();
        }
        const std::vector<double>& lower = p.levels[k - 1];
        std::vector<double>& level = p.levels[k];
        level.resize(size);
        for (std::size_t j = static_cast<std::size_t>(start) >> k; j < size; ++j) {
            const std::size_t a = 2 * j;
            level[j] = a + 1 < below ? std::max(lower[a], lower[a + 1]) : lower[a];
        }
        below = size;
    }
    p.valid = upTo + 1;
}

double SampleSeries::MaxOf(int quantity, int from, int to) const
{
    from = std::max(from, 0);
    to = std::min(to, Capacity() - 1);
    double best = -std::numeric_limits<double>::infinity();
    if (from > to) {
        return best;
    }
    Pyramid& p = pyramids_[quantity == 2 ? 1 : quantity == kRawQuantity ? 2 : 0];
    Extend(p, quantity, to);
    std::size_t l = static_cast<std::size_t>(from);
    std::size_t r = static_cast<std::size_t>(to);
    for (std::size_t k = 0; l <= r; ++k) {
        const std::vector<double>& level = p.levels[k];
        if (l & 1) {
            best = std::max(best, level[l++]);
        }
        if (l <= r && !(r & 1)) {
            best = std::max(best, level[r]);
            if (r == 0) {
                break;
            }
            --r;
        }
        if (l > r) {
            break;
        }
        l >>= 1;
        r >>= 1;
    }
    return best;
}

namespace {
SampleSeries::Stats EmptyStats()
{
    SampleSeries::Stats s;
    s.min.fill(1.7e308);
    s.max.fill(-1.7e308);
    return s;
}
}  // namespace

void SampleSeries::AddSlot(Stats& s, int n) const
{
    const Sample& slot = slots_[static_cast<std::size_t>(n)];
    const std::array<double, 4> v = {slot.value1, slot.value2, slot.phValue, slot.oxValue};
    for (std::size_t k = 0; k < 4; ++k) {
        s.min[k] = std::min(s.min[k], v[k]);
        s.max[k] = std::max(s.max[k], v[k]);
        s.sum[k] += v[k];
    }
}

void SampleSeries::ExtendBlocks(int lastBlock) const
{
    if (blocksValid_ > lastBlock) {
        return;
    }
    blocks_.resize(static_cast<std::size_t>(lastBlock) + 1);
    for (int b = blocksValid_; b <= lastBlock; ++b) {
        Stats s = EmptyStats();
        for (int n = b * kBlock; n < (b + 1) * kBlock; ++n) {
            AddSlot(s, n);
        }
        blocks_[static_cast<std::size_t>(b)] = s;
    }
    blocksValid_ = lastBlock + 1;
}

SampleSeries::Stats SampleSeries::StatsOf(int from, int to) const
{
    Stats s = EmptyStats();
    from = std::max(from, 0);
    to = std::min(to, Capacity() - 1);
    // Whole blocks inside the range come from their summaries; the ends are read slot by slot.
    const int firstBlock = (from + kBlock - 1) / kBlock;
    const int lastBlock = (to + 1) / kBlock - 1;
    if (firstBlock > lastBlock) {
        for (int n = from; n <= to; ++n) {
            AddSlot(s, n);
        }
        return s;
    }
    for (int n = from; n < firstBlock * kBlock; ++n) {
        AddSlot(s, n);
    }
    ExtendBlocks(lastBlock);
    for (int b = firstBlock; b <= lastBlock; ++b) {
        const Stats& block = blocks_[static_cast<std::size_t>(b)];
        for (std::size_t k = 0; k < 4; ++k) {
            s.min[k] = std::min(s.min[k], block.min[k]);
            s.max[k] = std::max(s.max[k], block.max[k]);
            s.sum[k] += block.sum[k];
        }
    }
    for (int n = (lastBlock + 1) * kBlock; n <= to; ++n) {
        AddSlot(s, n);
    }
    return s;
}

QString SampleSeries::StampText(int n, const Regional& regional) const
{
    QString stamp;
    AppendStamp(stamp, n, regional);
    return stamp;
}

void SampleSeries::AppendStamp(QString& out, int n, const Regional& regional) const
{
    TextWriter w(out, kMaxStampLength);
    AppendStamp(w, n, regional);
}

void SampleSeries::AppendStamp(TextWriter& out, int n, const Regional& regional) const
{
    const StampPieces stamp = Stamp(n, regional);
    out << stamp.first << stamp.Clock();
}

SampleSeries::StampPieces SampleSeries::Stamp(int n, const Regional& regional) const
{
    StampPieces pieces;
    if (n < 0 || n >= Capacity()) {
        return pieces;
    }
    const Sample& s = At(n);
    if (s.stampIndex >= 0 && s.stampIndex < keptStamps_.size()) {
        pieces.first = QStringView(keptStamps_.at(s.stampIndex)).left(kMaxStampLength);
        return pieces;
    }
    if (s.time == kNoTime) {
        return pieces;
    }
    // The value is the wall clock's own reading: its fields come back without any time-zone lookup.
    // The date's text is kept while the readings stay on one day and one format.
    const qint64 day = s.time >= 0 ? s.time / 86400 : (s.time - 86399) / 86400;
    if (day != stampDay_ || regional.shortDateFormat != stampFormat_) {
        const QDateTime midnight = QDateTime::fromSecsSinceEpoch(day * 86400, Qt::UTC);
        stampDate_ = DateText(midnight.date(), regional.shortDateFormat);
        stampDay_ = day;
        stampFormat_ = regional.shortDateFormat;
    }
    pieces.first = QStringView(stampDate_).left(kMaxStampLength);
    pieces.clock = ClockText(static_cast<int>(s.time - day * 86400));
    pieces.clockLength = std::min<qsizetype>(9, kMaxStampLength - pieces.first.size());
    return pieces;
}

qint32 SampleSeries::KeepStamp(const QString& text)
{
    keptStamps_ << text.left(kMaxStampLength);
    return static_cast<qint32>(keptStamps_.size() - 1);
}

namespace {
struct Fixed {
    bool exact = false;
    __int128 units = 0;  ///< the value times 2^64
    int fineBits = 0;    ///< binary places after the point its last set bit stands at
};

/// A value as a whole number of 2^-64, when it is one and below 2^32: sums of millions of them stay
/// inside 128 bits.
Fixed ToFixed(double v)
{
    // Read from the double's own fields: v = mantissa * 2^(exponent - 1075) for a normal number.
    Fixed f;
    const auto bits = std::bit_cast<quint64>(v);
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const quint64 fraction = bits & ((quint64(1) << 52) - 1);
    if (exponent == 0 && fraction == 0) {
        f.exact = true;  // a zero, of either sign
        return f;
    }
    if (exponent == 0 || exponent == 0x7FF || exponent > 1054) {
        return f;  // too small (subnormal), not a number or infinite, or 2^32 and over
    }
    const quint64 mantissa = fraction | (quint64(1) << 52);
    const int place = exponent - 1075 + std::countr_zero(mantissa);  // v is an odd multiple of 2^place
    if (place < -64) {
        return f;
    }
    f.exact = true;
    f.fineBits = std::max(0, -place);
    const int shift = exponent - 1075 + 64;
    const __int128 size = shift >= 0 ? static_cast<__int128>(mantissa) << shift : static_cast<__int128>(mantissa >> -shift);
    f.units = bits >> 63 ? -size : size;
    return f;
}
}  // namespace

double SampleSeries::SummedSlotBySlot(int k) const
{
    long double sum = 0;
    for (int i = sampleCount - k + 1; i <= sampleCount; ++i) {
        sum += At(i).value1;
    }
    return static_cast<double>(sum / k);
}

void SampleSeries::AddToWindow(WindowSum& w, int slot, int sign) const
{
    const Fixed f = ToFixed(At(slot).value1);
    if (!f.exact) {
        w.notExact += sign;
        return;
    }
    w.sum += sign * f.units;
    w.magnitude += sign * (f.units < 0 ? -f.units : f.units);
    w.fineBits = std::max(w.fineBits, f.fineBits);
}

void SampleSeries::SumWhole(WindowSum& w, int k) const
{
    w.sum = 0;
    w.magnitude = 0;
    w.notExact = 0;
    w.fineBits = 0;
    for (int i = sampleCount - k + 1; i <= sampleCount; ++i) {
        AddToWindow(w, i, 1);
    }
    w.last = sampleCount;
    w.summedAt = sampleCount;
}

double SampleSeries::MeanOfLast(int k) const
{
    const int n = sampleCount;
    if (n <= 0 || k <= 0) {
        return 0;
    }
    WindowSum* w = &windows_[0];
    if (windows_[0].width != k) {
        w = windows_[1].width == k || windows_[1].used < windows_[0].used ? &windows_[1] : &windows_[0];
        if (w->width != k) {
            *w = WindowSum();
            w->width = k;
        }
    }
    w->used = ++windowUses_;
    const int width = std::min(k, n);
    if (w->last == n - 1 && w->last > 0) {
        AddToWindow(*w, n, 1);
        if (n - k >= 1) {
            AddToWindow(*w, n - k, -1);
        }
        w->last = n;
    } else if (w->last != n) {
        SumWhole(*w, width);
    }
    // Every partial sum of the window is a multiple of 2^-fineBits no larger than the sum of the sizes:
    // below 2^(64 - fineBits) (in units, 2^(128 - fineBits)) it is exact in long double's 64 bits, so the
    // sum in order is the exact one.
    const bool exact = w->notExact == 0 && (w->fineBits == 0 || (w->magnitude >> (128 - w->fineBits)) == 0);
    if (!exact) {
        // Places kept from values gone may be what stands in the way: summed whole again once they are gone.
        if (n - w->summedAt >= width) {
            SumWhole(*w, width);
        }
        return SummedSlotBySlot(width);
    }
    const long double sum = static_cast<long double>(w->sum) * 0x1p-64L;  // a power of two: exact
    return static_cast<double>(sum / width);
}

}  // namespace sondalog
