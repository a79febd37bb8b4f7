#include "acquisition/demo_generator.h"
#include "processing/processing_state.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(Demo, PulseValues)
{
    struct Case {
        int n;
        double value;
    };
    const Case cases[] = {{1, 600.3}, {60, 638.075}, {100, 751.793}, {120, 788.743},
                          {140, 800.3}, {160, 791.252}, {300, 638.075}};
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(DemoValue(c.n, true)), c.value, c.n == 1 ? 1e-6 : 5e-4) << c.n;
    }
    EXPECT_EQ(static_cast<double>(DemoValue(140, false)), 600.3);
}

TEST(Demo, LineCarriesTheValueWithThePrefixDecimals)
{
    const QString setting = QStringLiteral("µ=0;m=3;k=1;F=3");
    int counter = 139;
    const QString peak = NextDemoLine(counter, 0, setting, QStringLiteral("µ"));
    EXPECT_EQ(counter, 140);
    EXPECT_TRUE(peak.contains(QStringLiteral("| Cond      800 µS/cm 22.9 °C|"))) << peak.toStdString();
    EXPECT_TRUE(peak.startsWith(QStringLiteral("26.09.2009 04:19:39| Multi 3430| No.sér.  14451527| | | TetraCon 925|")));
    counter = 139;
    EXPECT_TRUE(NextDemoLine(counter, 0, setting, QStringLiteral("m")).contains(QStringLiteral("Cond  800.300 µS/cm")));
    counter = 0;
    EXPECT_TRUE(NextDemoLine(counter, kNotTracing, setting, QString()).contains(QStringLiteral("Cond      600 µS/cm")));
}

TEST(Demo, SetUpOverridesNamesAndMarkers)
{
    InstrumentConfig c;
    c.q1.marker = QStringLiteral("X");
    c.q1.markerNote = QStringLiteral("n");
    c.q1.timeMarkCount = 1;
    c.q2.occurrence = 9;
    ApplyDemoSetup(c);
    EXPECT_EQ(c.q1.marker, QStringLiteral("Cond"));
    EXPECT_TRUE(c.q1.markerNote.isEmpty());
    EXPECT_EQ(c.q1.timeMarkCount, 2);
    EXPECT_EQ(c.q1.occurrence, 2);
    EXPECT_EQ(c.q2.occurrence, 4);
    EXPECT_EQ(c.q2.name, QStringLiteral("température"));
}
