#include "charts/chart_packets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace sondalog;

namespace {
/// Readings 1..count with value1 = n, value2 = 2n, pH = 10 - n / 100, oxygen alternating 1 and 3.
SampleSeries Series(int count)
{
    SampleSeries s;
    s.Resize(count + SampleSeries::kGrowth);
    for (int n = 1; n <= count; ++n) {
        Sample& x = s.At(n);
        x.value1 = n;
        x.value2 = 2.0 * n;
        x.phValue = 10 - n / 100.0;
        x.oxValue = n % 2 == 0 ? 3 : 1;
    }
    s.sampleCount = count;
    return s;
}

/// Feeds readings one by one as a run does, applying every update as the window would.
std::vector<ChartPoint> FeedAll(ChartPackets& charts, SampleSeries& s, int count)
{
    std::vector<ChartPoint> held;
    const int total = s.sampleCount;
    for (int n = 1; n <= count && n <= total; ++n) {
        s.sampleCount = n;
        const ChartUpdate u = charts.Feed(s);
        if (u.rebuild) {
            held.clear();
        }
        held.insert(held.end(), u.points.begin(), u.points.end());
    }
    return held;
}
}  // namespace

TEST(ChartPackets, EveryReadingWithTous)
{
    SampleSeries s = Series(10);
    ChartPackets charts;
    charts.SetPointsChoice(0, 0);
    const std::vector<ChartPoint> held = FeedAll(charts, s, 10);
    ASSERT_EQ(held.size(), 10u);
    EXPECT_EQ(held[3].n, 4);
    EXPECT_EQ(held[3].values[1], 8);
    EXPECT_EQ(charts.Captions().Label2, QStringLiteral("tous les 10 points"));
    EXPECT_EQ(charts.Captions().Label1, QStringLiteral("10"));
    const ChartUpdate rebuilt = charts.Rebuild(s);
    EXPECT_TRUE(rebuilt.rebuild);
    EXPECT_EQ(rebuilt.points.size(), 10u);
    EXPECT_EQ(charts.Captions().Label7, QStringLiteral("point par point"));
}

TEST(ChartPackets, PacketsGrowWithTheRun)
{
    struct Case {
        int choice;
        PacketCalc calc;
        int n;
        std::size_t points;
        int firstX;
        int lastX;
        QString label7;
    };
    const QList<Case> cases = {
        {1, PacketCalc::Last, 99, 99, 1, 99, QStringLiteral("0 points par calcul")},
        {1, PacketCalc::Last, 100, 50, 2, 100, QStringLiteral("1 points par calcul")},
        {1, PacketCalc::Mean, 250, 83, 3, 249, QStringLiteral("2 points par calcul")},
        {1, PacketCalc::Maximum, 1000, 90, 11, 990, QStringLiteral("10 points par calcul")},
        {2, PacketCalc::Minimum, 5000, 1666, 3, 4998, QStringLiteral("2 points par calcul")},
    };
    for (const Case& c : cases) {
        SampleSeries s = Series(c.n);
        ChartPackets charts;
        charts.SetPointsChoice(c.choice, 0);
        charts.SetCalc(c.calc);
        const std::vector<ChartPoint> fed = FeedAll(charts, s, c.n);
        ASSERT_EQ(fed.size(), c.points) << c.n;
        EXPECT_EQ(fed.front().n, c.firstX) << c.n;
        EXPECT_EQ(fed.back().n, c.lastX) << c.n;
        EXPECT_EQ(charts.Captions().Label7, c.label7) << c.n;
        EXPECT_EQ(charts.Captions().Label2, QString::number(kPointsPerChart[c.choice]) + QStringLiteral(" points"));
        // Feeding one by one ends where a rebuild from the whole series would.
        const ChartUpdate rebuilt = charts.Rebuild(s);
        ASSERT_EQ(rebuilt.points.size(), fed.size()) << c.n;
        for (std::size_t i = 0; i < fed.size(); ++i) {
            EXPECT_EQ(rebuilt.points[i].n, fed[i].n);
            EXPECT_EQ(rebuilt.points[i].values, fed[i].values);
        }
    }
    // The means of three: readings 1-3 give 2, 4, 9.98 and 5/3.
    SampleSeries s = Series(250);
    const ChartPoint first = ChartPackets::Packet(s, 1, 3, PacketCalc::Mean);
    EXPECT_DOUBLE_EQ(first.values[0], 2);
    EXPECT_DOUBLE_EQ(first.values[1], 4);
    EXPECT_NEAR(first.values[2], 9.98, 1e-12);
    EXPECT_DOUBLE_EQ(first.values[3], 5.0 / 3.0);
}

TEST(ChartPackets, OneValueAndEqualValuePackets)
{
    SampleSeries s = Series(4);
    for (PacketCalc calc : {PacketCalc::Last, PacketCalc::Mean, PacketCalc::Minimum, PacketCalc::Maximum}) {
        const ChartPoint one = ChartPackets::Packet(s, 3, 3, calc);
        EXPECT_EQ(one.values, (std::array<double, 4>{3, 6, 9.97, 1}));
    }
    s.At(1).value1 = s.At(2).value1 = 7.5;
    EXPECT_EQ(ChartPackets::Packet(s, 1, 2, PacketCalc::Minimum).values[0], 7.5);
    EXPECT_EQ(ChartPackets::Packet(s, 1, 2, PacketCalc::Maximum).values[0], 7.5);
    EXPECT_EQ(ChartPackets::Packet(s, 1, 2, PacketCalc::Last).values[3], 3);
    PacketCalc calc = PacketCalc::Last;
    EXPECT_TRUE(PacketCalcFromName(QStringLiteral("moyenne "), calc));
    EXPECT_EQ(calc, PacketCalc::Mean);
    EXPECT_FALSE(PacketCalcFromName(QStringLiteral("médiane"), calc));
}

TEST(ChartPackets, WheelZoomOnTheVerticalAxis)
{
    const AxisRange in = ZoomChartY({0, 100}, +1);
    EXPECT_DOUBLE_EQ(in.min, 10);
    EXPECT_DOUBLE_EQ(in.max, 90);
    const AxisRange out = ZoomChartY(in, -1);
    EXPECT_DOUBLE_EQ(out.min, 2);
    EXPECT_DOUBLE_EQ(out.max, 98);
}

namespace {
// A packet read reading by reading: what the block summaries must give.
std::array<double, 4> WalkedPacket(const SampleSeries& s, int from, int to, PacketCalc calc)
{
    std::array<double, 4> out{};
    out.fill(calc == PacketCalc::Minimum ? 1.7e308 : calc == PacketCalc::Maximum ? -1.7e308 : 0.0);
    for (int i = std::max(from, 1); i <= to; ++i) {
        const Sample& x = s.At(i);
        const std::array<double, 4> v = {x.value1, x.value2, x.phValue, x.oxValue};
        for (std::size_t k = 0; k < 4; ++k) {
            out[k] = calc == PacketCalc::Minimum   ? std::min(out[k], v[k])
                     : calc == PacketCalc::Maximum ? std::max(out[k], v[k])
                                                   : out[k] + v[k];
        }
    }
    if (calc == PacketCalc::Mean) {
        const int count = to - std::max(from, 1) + 1;
        for (double& v : out) {
            v = count > 0 ? v / count : 0;
        }
    }
    return out;
}
}  // namespace

TEST(ChartPackets, BlockSummariesGiveThePacketsOfEveryReading)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(-200, 900);
    for (int trial = 0; trial < 40; ++trial) {
        SampleSeries s;
        const int count = std::uniform_int_distribution<int>(0, 20000)(random);
        s.Resize(count + SampleSeries::kGrowth);
        for (int n = 1; n <= count; ++n) {
            Sample& x = s.At(n);
            x.value1 = value(random);
            x.value2 = n % 301 == 0 ? std::numeric_limits<double>::quiet_NaN() : value(random) / 10;
            x.phValue = n % 997 == 0 ? -std::numeric_limits<double>::infinity() : 7 + value(random) / 1000;
            x.oxValue = value(random) / 5;
        }
        s.sampleCount = count;
        for (int q = 0; q < 12; ++q) {
            const int from = std::uniform_int_distribution<int>(-3, std::max(count, 1))(random);
            const int to = std::uniform_int_distribution<int>(from - 2, count)(random);
            for (PacketCalc calc : {PacketCalc::Mean, PacketCalc::Minimum, PacketCalc::Maximum}) {
                const std::array<double, 4> walked = WalkedPacket(s, from, to, calc);
                const ChartPoint fast = ChartPackets::Packet(s, from, to, calc);
                for (std::size_t k = 0; k < 4; ++k) {
                    if (calc == PacketCalc::Mean) {
                        if (std::isnan(walked[k])) {
                            EXPECT_TRUE(std::isnan(fast.values[k]));
                        } else if (std::isinf(walked[k])) {
                            EXPECT_EQ(fast.values[k], walked[k]);
                        } else {
                            EXPECT_NEAR(fast.values[k], walked[k], 1e-9 * std::max(1.0, std::abs(walked[k])))
                                << trial << " " << from << ".." << to << " value " << k;
                        }
                    } else {
                        ASSERT_EQ(fast.values[k], walked[k]) << trial << " " << from << ".." << to << " value " << k;
                    }
                }
            }
        }
        // A slot rewritten after a query is seen by the next one.
        if (count > 200) {
            s.At(100).oxValue = 1e6;
            EXPECT_EQ(ChartPackets::Packet(s, 1, count, PacketCalc::Maximum).values[3], 1e6);
        }
    }
}
