#include "processing/axis_scale.h"
#include "processing/decimals.h"
#include "processing/sample_series.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(AxisScale, RoundSignificantAndNiceStep)
{
    EXPECT_DOUBLE_EQ(RoundSignificant(734, 2, true), 740);
    EXPECT_DOUBLE_EQ(RoundSignificant(734, 2, false), 730);
    EXPECT_DOUBLE_EQ(RoundSignificant(740, 2, true), 740);
    EXPECT_DOUBLE_EQ(RoundSignificant(0, 2, true), 0);
    EXPECT_DOUBLE_EQ(RoundSignificant(0.0123, 1, true), 0.02);
    EXPECT_DOUBLE_EQ(NiceStep(400, 1000), 60);
    EXPECT_DOUBLE_EQ(NiceStep(400, 1234), 90);
    EXPECT_DOUBLE_EQ(NiceStep(5, 5), 1);
}

TEST(AxisScale, WideningFollowsTheGraduations)
{
    struct Case {
        AxisScale start;
        double v;
        bool q1;
        double min, max, graduation;
    };
    const Case cases[] = {
        // Inside 400..1000: quantity 1's graduation becomes 60 whatever was typed.
        {{400, 1000, 200, 0, 1e6}, 700, true, 400, 1000, 60},
        // Above: graduation from the widened range, max stepped up from min, rounded to 2 digits.
        {{400, 1000, 100, 0, 1e6}, 1234, true, 400, 1300, 90},
        {{700, 750, 100, 0, 1e6}, 600.3, true, 590, 750, 20},
        // Quantity 2 keeps a graduation giving 3 to 6 steps.
        {{10, 30, 5, 0, 1e6}, 22.9, false, 10, 30, 5},
        {{10, 30, 0, 0, 1e6}, 22.9, false, 10, 30, 2},
        {{10, 30, 5, 0, 1e6}, 41, false, 10, 42, 4},
        // A negative graduation (limits typed upside down) still ends.
        {{100, 0, -5, 0, 1e6}, 1e12, false, 100, 1e12, 1e11},
    };
    for (const Case& c : cases) {
        AxisScale a = c.start;
        WidenAxis(a, c.v, c.q1, c.q1);
        EXPECT_DOUBLE_EQ(a.min, c.min) << c.v;
        EXPECT_NEAR(a.max, c.max, std::abs(c.max) * 1e-9) << c.v;
        EXPECT_DOUBLE_EQ(a.graduation, c.graduation) << c.v;
    }
}

TEST(Decimals, PositionalLookup)
{
    const QString setting = QStringLiteral("µ=0;m=3;k=1;F=3");
    EXPECT_EQ(DecimalsFor(setting, QStringLiteral("µ")), QStringLiteral("0"));
    EXPECT_EQ(DecimalsFor(setting, QStringLiteral("m")), QStringLiteral("3"));
    EXPECT_EQ(DecimalsFor(setting, QStringLiteral("k")), QStringLiteral("1"));
    EXPECT_EQ(DecimalsFor(setting, QStringLiteral("F")), QStringLiteral("3"));
    EXPECT_EQ(DecimalsFor(setting, QStringLiteral("S")), QString());
    EXPECT_EQ(DecimalsFor(setting, QString()), QString());
    EXPECT_EQ(DecimalsFor(QStringLiteral("4"), QStringLiteral("F")), QStringLiteral("4"));
}

TEST(SampleSeries, GrowsByTenThousandAndAveragesTheLast)
{
    SampleSeries s;
    EXPECT_EQ(s.Capacity(), 10000);
    for (int n = 1; n <= 10001; ++n) {
        s.EnsureRoomForNext();
        s.sampleCount = n;
        s.At(n).value1 = n;
    }
    EXPECT_EQ(s.Capacity(), 20000);
    EXPECT_DOUBLE_EQ(s.MeanOfLast(100), 10001 - 49.5);
    s.sampleCount = 3;
    EXPECT_DOUBLE_EQ(s.MeanOfLast(100), 2);
    s.sampleCount = 0;
    EXPECT_DOUBLE_EQ(s.MeanOfLast(100), 0);
    EXPECT_LE(sizeof(Sample), 64u);
}
