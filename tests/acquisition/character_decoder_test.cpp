#include "acquisition/character_decoder.h"
#include "acquisition/countdown.h"
#include "acquisition/demo_generator.h"
#include "processing/processing_state.h"
#include "util/translate.h"

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
QuantityConfig Q1(const QString& marker, const QString& note = {}, int timeCount = 2)
{
    QuantityConfig q;
    q.marker = marker;
    q.markerNote = note;
    q.timeMarkCount = timeCount;
    return q;
}
}  // namespace

TEST(CharacterMode, BurstBecomesOneBarSeparatedLine)
{
    const QString raw = QStringLiteral("L1\r\nL2 \xe6S\r\nL3\x01");
    const CleanedBurst b = CleanBurst(raw, 14);
    EXPECT_EQ(b.line, QStringLiteral("L1| L2 µS| L3"));
    EXPECT_EQ(b.log, (QStringList{QStringLiteral("14 caractères "), raw, b.line}));
}

TEST(CharacterMode, TimeFieldIsTheFirstWithTheMarkCount)
{
    struct Case {
        QString line;
        int count;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("x| 04:19:39| y|"), 2, QStringLiteral("04:19:39")},
        {QStringLiteral("x| 04:19| y|"), 2, QString()},
        {QStringLiteral("x| 04:19| 04:19:39|"), 1, QStringLiteral("04:19")},
        {QStringLiteral("L1| L2| 04:19:39"), 2, QString()},  // the last field is never examined
        {QStringLiteral("26.09.2009 04:19:39| Multi 3430|"), 2, QStringLiteral("26.09.2009 04:19:39")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindTimeField(c.line, Q1(QStringLiteral("Cond"), {}, c.count)), c.expected) << c.line.toStdString();
    }
}

TEST(CharacterMode, ValuesComeFromTheMarkedFields)
{
    struct Case {
        QString line;
        QString note;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("a| Cond 600.3 µS/cm 22.9 °C| b|"), {}, QStringLiteral("Cond 600.3 µS/cm 22.9 °C  ")},
        {QStringLiteral("Cond 1| Cond 2, rest|"), {}, QStringLiteral("Cond 2  ")},
        {QStringLiteral("Cond 1 ref| Cond 2|"), QStringLiteral("ref"), QStringLiteral("Cond 2  ")},
        {QStringLiteral("Cond 2| Cond 1 ref|"), QStringLiteral("ref"), QStringLiteral("Cond 2  ")},
        {QStringLiteral("Cond 1| pH 7.01 mV| Ox 85.2 %|"), {}, QStringLiteral("Cond 1 pH 7.01 Ox 85.2 %")},
        {QStringLiteral("nothing here|"), {}, QStringLiteral("  ")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractValues(c.line, Q1(QStringLiteral("Cond"), c.note), QStringLiteral("pH"), QStringLiteral("Ox")),
                  c.expected)
            << c.line.toStdString();
    }
}

TEST(CharacterMode, CycleHandsOverOnlyWithATimeAndStopsOnCsv)
{
    CharacterDecoder d;
    const QuantityConfig q1 = Q1(QStringLiteral("Cond"));
    int demo = 0;
    const QString demoLine = NextDemoLine(demo, kNotTracing, QStringLiteral("µ=0;m=3;k=1;F=3"), QStringLiteral("µ"));

    CharacterDecoder::Cycle c = d.Decode(demoLine, q1, QStringLiteral("pH"), QStringLiteral("Ox"), false);
    ASSERT_TRUE(c.handOver);
    EXPECT_EQ(c.timeText, QStringLiteral("26.09.2009 04:19:39"));
    EXPECT_EQ(c.valuesText, QStringLiteral("Cond      600 µS/cm 22.9 °C  "));
    EXPECT_EQ(c.log.first(), QStringLiteral("_heure =<26.09.2009 04:19:39>"));

    EXPECT_FALSE(d.Decode(QStringLiteral("no time| Cond 1|"), q1, {}, {}, false).handOver);
    EXPECT_FALSE(d.Decode(demoLine, q1, {}, {}, true).handOver);

    // A line the CSV layout reads ends the run; a stray ';' in noise is only logged.
    const CharacterDecoder::Cycle csv =
        d.Decode(QStringLiteral("26.09.2009 04:19:39;14451527;600.3;µS/cm;Cond;22.9"), q1, {}, {}, false);
    EXPECT_TRUE(csv.csvDetected);
    EXPECT_FALSE(csv.handOver);
    EXPECT_EQ(csv.log, QStringList{Message(kCsvDetectedLog)});
    for (const QString& noise : {QStringLiteral("a;b"), QStringLiteral("x;1;y"), QStringLiteral("Cond;abc;µS")}) {
        const CharacterDecoder::Cycle stray = d.Decode(noise, q1, {}, {}, false);
        EXPECT_FALSE(stray.csvDetected) << noise.toStdString();
        EXPECT_EQ(stray.log.value(0), Message(kStraySemicolonLog)) << noise.toStdString();
    }
}

TEST(CharacterMode, CountdownFromSixThenTheT0Text)
{
    const QDateTime start(QDate(2026, 12, 7), QTime(10, 0, 0));
    const QString t0 = QStringLiteral("traçage => t0");
    EXPECT_EQ(CountdownCaption(start.addMSecs(200), start, t0, QString()), QStringLiteral("00:00:06"));
    EXPECT_EQ(CountdownCaption(start.addSecs(5), start, t0, QString()), QStringLiteral("00:00:01"));
    EXPECT_EQ(CountdownCaption(start.addSecs(6), start, t0, QStringLiteral("00:00:01")), t0);
    EXPECT_EQ(CountdownCaption(start.addSecs(60), start, t0, t0), t0);
}
