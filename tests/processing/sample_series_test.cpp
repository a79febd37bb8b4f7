#include "processing/sample_series.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace sondalog;

namespace {
/// The mean as written out: the last slots summed one by one, in order, in long double.
double MeanSlotBySlot(const SampleSeries& s, int k)
{
    const int n = s.sampleCount;
    if (n <= 0 || k <= 0) {
        return 0;
    }
    k = std::min(k, n);
    long double sum = 0;
    for (int i = n - k + 1; i <= n; ++i) {
        sum += s.At(i).value1;
    }
    return static_cast<double>(sum / k);
}

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}
}  // namespace

TEST(SampleSeries, MeanOfLastIsTheSlotBySlotSumWhateverTheValues)
{
    // Runs of readings of every kind a series can hold (an instrument's decimals, whole numbers, milli and
    // micro units, values far apart, signs, zeros, not-a-number and infinities), with slots rewritten inside
    // the window, counts set back and forth, and the two widths the program asks for taken in turn: the
    // mean must be bit for bit the slot-by-slot sum's.
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto value = [&](int style) -> double {
        switch (style) {
        case 0: return std::strtod(QByteArray::number(600 + 200 * unit(random), 'f', 1 + random() % 3).constData(), nullptr);
        case 1: return static_cast<double>(static_cast<int>(random() % 5000) - 1000);
        case 2: return std::strtod(QByteArray::number(0.6 + unit(random) / 10, 'f', 4).constData(), nullptr);
        case 3: return unit(random) * 1e-7;
        case 4: return (random() % 2 ? 1e12 : 1) * (unit(random) - 0.5);
        case 5: return random() % 3 == 0 ? 0.0 : random() % 2 ? -0.0 : 600.3;
        case 6: {
            const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(), 5e9, 600.25};
            return odd[random() % 5];
        }
        default: return std::ldexp(static_cast<double>(random() % (1 << 20)), -static_cast<int>(random() % 70));
        }
    };
    for (int run = 0; run < 40; ++run) {
        SampleSeries s;
        int style = static_cast<int>(random() % 8);
        const int widths[] = {100, 60, 1, 7, 250};
        for (int step = 0; step < 3000; ++step) {
            const int what = static_cast<int>(random() % 1000);
            if (what < 5) {
                style = static_cast<int>(random() % 8);
            } else if (what < 10 && s.sampleCount > 0) {
                // A slot rewritten, inside the window or not.
                const int slot = 1 + static_cast<int>(random() % static_cast<unsigned>(s.sampleCount));
                s.At(slot).value1 = value(style);
            } else if (what < 12) {
                s.sampleCount = static_cast<int>(random() % static_cast<unsigned>(s.sampleCount + 1));
            } else {
                s.EnsureRoomForNext();
                ++s.sampleCount;
                Sample sample;
                sample.value1 = value(style);
                s.At(s.sampleCount) = sample;
            }
            const int k = random() % 4 == 0 ? widths[random() % 5] : (step % 2 ? 100 : 60);
            const double mean = s.MeanOfLast(k);
            ASSERT_TRUE(SameBits(mean, MeanSlotBySlot(s, k)))
                << "run " << run << " step " << step << " k " << k << " n " << s.sampleCount << ": " << mean
                << " instead of " << MeanSlotBySlot(s, k);
        }
    }
}

TEST(SampleSeries, TimeValueIsTheWallClockWhateverTheOffset)
{
    // A date-time with its offset from UTC is read as its instant plus the offset: against the wall clock its
    // date and time show, for instants before and after 1970, with milliseconds, and offsets either way.
    std::mt19937_64 random(37);
    for (int i = 0; i < 20000; ++i) {
        const qint64 msecs = static_cast<qint64>(random() % 8'000'000'000'000ULL) - 2'000'000'000'000LL;
        const int offset = (static_cast<int>(random() % 57) - 28) * 900;  // quarter hours, -7 h to +7 h
        for (const QDateTime& t : {QDateTime::fromMSecsSinceEpoch(msecs, Qt::OffsetFromUTC, offset),
                                   QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC)}) {
            const QDateTime wall(t.date(), t.time(), Qt::UTC);
            ASSERT_EQ(TimeValue(t), wall.toSecsSinceEpoch()) << msecs << ' ' << offset;
        }
    }
}

TEST(SampleSeries, EveryDatePatternTheProgramWritesReadsBackToItsInstant)
{
    // Month and day names as well as digits: a recording made on a PC whose short date has names read at the
    // fast path's pace, to the second, checked against the UTC seconds of the date and time themselves.
    const QString formats[] = {QStringLiteral("d MMM yyyy"), QStringLiteral("dddd d MMMM yyyy"),
                               QStringLiteral("ddd dd.MM.yyyy"), QStringLiteral("yyyy-MM-dd"), QStringLiteral("M/d/yyyy"),
                               QStringLiteral("dd/MM/yyyy")};
    for (const QString& format : formats) {
        Regional regional;
        regional.shortDateFormat = format;
        for (int k = 0; k < 400; ++k) {
            const QDate date = QDate(2024, 1, 1).addDays(k * 3);
            const QTime time(k % 24, (k * 7) % 60, (k * 13) % 60);
            const QDateTime local(date, time);
            const QString stamp = StampFromTime(local, regional);
            const std::optional<qint64> value = StampValue(stamp, regional);
            ASSERT_TRUE(value.has_value()) << format.toStdString() << ' ' << stamp.toStdString();
            EXPECT_EQ(*value, QDateTime(date, time, Qt::UTC).toSecsSinceEpoch()) << stamp.toStdString();
        }
        EXPECT_FALSE(StampValue(QStringLiteral("31 Foo 2024 10:00:00"), regional).has_value()) << format.toStdString();
    }
}
