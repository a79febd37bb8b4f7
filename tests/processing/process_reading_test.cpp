#include "processing/process_reading.h"
#include "support/print_config.h"

#include <gtest/gtest.h>

#include <time.h>

using namespace sondalog;

namespace {
struct Bench {
    ProcessingState state;
    InstrumentConfig config = PrintBlockConfig();
    ProcessOptions options;
    QString time;
    QDateTime now{QDate(2026, 12, 7), QTime(10, 0, 0)};
    QStringList records;

    Bench()
    {
        options.regional = Regional::French();
        options.prefix = QStringLiteral("Forage1");
        options.instrumentCaption = QStringLiteral("WTW3430");
        options.intervalCell = QStringLiteral("1");
        state.ResetRun(config);
    }
    DisplayTexts Feed(const QString& values, int stepSeconds = 1)
    {
        time = QStringLiteral("26.09.2009 04:19:39");
        DisplayTexts t = ProcessReading(state, config, options, values, time, now);
        records << t.recordLines;
        now = now.addSecs(stepSeconds);
        return t;
    }
    QString Reading(double v, const QString& unit = QStringLiteral("µS/cm"))
    {
        return QStringLiteral("Cond %1 %2 22.9 °C  ").arg(v).arg(unit);
    }
};
}  // namespace

TEST(ProcessReading, FirstReadingGivesHeaderLineAndCaptions)
{
    Bench r;
    const DisplayTexts t = r.Feed(r.Reading(600.3));
    ASSERT_TRUE(t.stored);
    ASSERT_EQ(t.recordLines.size(), 2);
    EXPECT_EQ(t.recordLines[0], QStringLiteral("Forage1-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature"));
    EXPECT_EQ(t.recordLines[1], QStringLiteral("07/12/2026 10:00:00\t1\t26.09.2009 04:19:39\t\t 600,300\t22,9"));
    EXPECT_EQ(*t.Label_n, QStringLiteral("n = 1"));
    EXPECT_EQ(*t.Label_multiple_initial, QStringLiteral("[µ]°"));
    EXPECT_EQ(*t.Label_val_grand1, QStringLiteral("600 µS/cm"));
    EXPECT_EQ(*t.Label_val_grand2, QStringLiteral(" 22,9 °C"));
    EXPECT_EQ(*t.Label_zero, QStringLiteral("base =   600    Hmax =     0 "));
    EXPECT_EQ(*t.Label_tracage, QStringLiteral("---"));
    EXPECT_EQ(*t.Label_heure, QStringLiteral("07/12/2026 10:00:00"));
    EXPECT_EQ(*t.Label_y1_max_lu, QStringLiteral("600,3"));
    EXPECT_EQ(*t.Edit_y1_graduation, QStringLiteral("60"));
    EXPECT_EQ(*t.viewLast, 1);
    EXPECT_TRUE(t.redraw);
}

TEST(ProcessReading, RejectsWithoutMarkerOrTimeOrWithTheNote)
{
    struct Case {
        QString line;
        QString time;
        QString note;
        bool stored;
    };
    const Case cases[] = {
        {QStringLiteral("Cond 600 µS/cm 22 °C"), QStringLiteral("04:19:39"), {}, true},
        {QStringLiteral("Temp 600 µS/cm 22 °C"), QStringLiteral("04:19:39"), {}, false},
        {QStringLiteral("Cond 600 µS/cm 22 °C"), QString(), {}, false},  // no first reading before a time
        {QStringLiteral("Cond 600 pH/Cond"), QStringLiteral("04:19:39"), QStringLiteral("pH/Cond"), false},
    };
    for (const Case& c : cases) {
        Bench r;
        r.config.q1.markerNote = c.note;
        QString time = c.time;
        EXPECT_EQ(ProcessReading(r.state, r.config, r.options, c.line, time, r.now).stored, c.stored)
            << c.line.toStdString();
    }
    Bench r;
    r.options.withoutProcessing = true;
    QString time = QStringLiteral("t=04:19:39!");
    EXPECT_FALSE(ProcessReading(r.state, r.config, r.options, r.Reading(1), time, r.now).stored);
    EXPECT_EQ(time, QStringLiteral("04:19:39"));
}

TEST(ProcessReading, PrefixOfTheFirstReadingsRules)
{
    Bench r;
    for (int i = 0; i < 3; ++i) {
        r.Feed(r.Reading(600));
    }
    DisplayTexts m = r.Feed(r.Reading(0.8, QStringLiteral("mS/cm")));
    EXPECT_DOUBLE_EQ(r.state.series.At(4).value1, 800);
    EXPECT_EQ(*m.Label_multiple_courant, QStringLiteral("m"));
    EXPECT_EQ(*m.Label_val_grand1, QStringLiteral("800 µS/cm"));
    r.Feed(r.Reading(0.9, QStringLiteral("kS/cm")));
    EXPECT_DOUBLE_EQ(r.state.series.At(5).value1, 0.9);

    Bench milli;
    for (int i = 0; i < 3; ++i) {
        milli.Feed(milli.Reading(0.6, QStringLiteral("mS/cm")));
    }
    const DisplayTexts t = milli.Feed(milli.Reading(700));
    EXPECT_DOUBLE_EQ(milli.state.series.At(4).value1, 0.7);
    EXPECT_EQ(*t.Label_val_grand1, QStringLiteral("0,700 mS/cm"));
    EXPECT_TRUE(milli.records.back().contains(QStringLiteral("\t   0,700\t")));

    Bench unknown;
    EXPECT_EQ(*unknown.Feed(QStringLiteral("Cond 600,26 S/cm 22 °C")).Label_val_grand1, QStringLiteral("600 SS/cm"));  // the prefix is the unit's first letter
    Bench fileDecimals;
    fileDecimals.options.decimalsSetting = QStringLiteral("4");  // the settings file's default
    EXPECT_EQ(*fileDecimals.Feed(fileDecimals.Reading(600.26)).Label_val_grand1, QStringLiteral("600,2600 µS/cm"));
    EXPECT_TRUE(fileDecimals.records.back().contains(QStringLiteral("\t600,2600\t")));
}

TEST(ProcessReading, BaselineThenAreaInValueSeconds)
{
    Bench r;
    r.options.areaFactor = 1.0;
    r.options.factorText = QStringLiteral(" 1.0 ");
    for (int v : {600, 602, 604}) {
        r.Feed(r.Reading(v));
    }
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.baseline), 602);
    r.state.MarkT0(r.now);
    const DisplayTexts t = r.Feed(r.Reading(612), 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.baseline), 602);
    EXPECT_NEAR(static_cast<double>(r.state.area), 10.0 * 1, 1e-9);  // (612 - 602) x 1 s
    r.Feed(r.Reading(622));
    EXPECT_NEAR(static_cast<double>(r.state.area), 10.0 + 20.0 * 10, 1e-9);
    EXPECT_EQ(*t.Label_zero,
              QStringLiteral("base =   602    dhMAX =     2    hMAX =   604    aire[µS/cm.s]x1.0 = 10,00000 "));
    EXPECT_EQ(*t.Label_tracage, QStringLiteral("00:00:00"));
    EXPECT_TRUE(r.records.back().contains(QStringLiteral("\t00:00:10\t")));
}

TEST(ProcessReading, GoBeforeTheFirstReadingAddsNoFirstInterval)
{
    Bench r;
    r.options.areaFactor = 2;
    r.state.MarkT0(r.now);
    EXPECT_EQ(r.state.tracingStartIndex, 0);
    r.Feed(r.Reading(100));
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.area), 0);
    r.Feed(r.Reading(100), 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.area), 100 * 1 * 2);
}

TEST(ProcessReading, MalformedInstrumentNumberCountsZeroAndIsLogged)
{
    Bench r;
    const DisplayTexts t = r.Feed(QStringLiteral("Cond 1.2.3 µS/cm 22.9 °C"));
    ASSERT_TRUE(t.stored);
    EXPECT_DOUBLE_EQ(r.state.series.At(1).value1, 0);
    ASSERT_EQ(t.logLines.size(), 1);
    EXPECT_TRUE(t.logLines[0].contains(QStringLiteral("1.2.3")));

    // The value field read as it stands: stray characters are passed over, and a garbled number's log
    // shows only the characters kept, whichever decimal sign the PC uses.
    struct Case {
        QString field;
        QChar sign;
        double value;
        QString log;
    };
    const Case cases[] = {
        {QStringLiteral("6x00.5"), u',', 600.5, QString()},
        {QStringLiteral("6x00,5"), u'.', 600.5, QString()},
        {QStringLiteral("1.2x.3"), u',', 0, QStringLiteral("valeur illisible <1.2.3> comptée 0")},
        {QStringLiteral("--5"), u'.', 0, QStringLiteral("valeur illisible <--5> comptée 0")},
    };
    for (const Case& c : cases) {
        Bench b;
        b.options.regional.decimalSign = c.sign;
        const DisplayTexts d = b.Feed(QStringLiteral("Cond ") + c.field + QStringLiteral(" µS/cm 22.9 °C"));
        ASSERT_TRUE(d.stored) << c.field.toStdString();
        EXPECT_DOUBLE_EQ(b.state.series.At(1).value1, c.value) << c.field.toStdString();
        EXPECT_EQ(d.logLines.isEmpty() ? QString() : d.logLines.first(), c.log) << c.field.toStdString();
    }
}

TEST(ProcessReading, ThreeProbeValuesFollowTheirMarkersInBothModes)
{
    struct Case {
        ReadMode mode;
        int q1Occurrence;
        int q2Occurrence;
        QString line;
    };
    const Case cases[] = {
        {ReadMode::Character, 2, 4, QStringLiteral("Cond 600.3 µS/cm 22.9 °C pH 7.01 Ox 85.2 %")},
        {ReadMode::StringCsv, 1, 3, QStringLiteral("Cond600.3 µS/cm 22.9 °C pH 7.01 Ox 85.2 %")},
    };
    for (const Case& c : cases) {
        Bench r;
        r.options.mode = c.mode;
        r.options.threeProbes = true;
        r.config.q1.occurrence = c.q1Occurrence;
        r.config.q2.occurrence = c.q2Occurrence;
        const DisplayTexts t = r.Feed(c.line);
        const Sample& s = r.state.series.At(1);
        EXPECT_DOUBLE_EQ(s.value1, 600.3);
        EXPECT_DOUBLE_EQ(s.value2, 22.9);
        EXPECT_DOUBLE_EQ(s.phValue, 7.01);
        EXPECT_DOUBLE_EQ(s.oxValue, 85.2);
        EXPECT_TRUE(t.recordLines[0].endsWith(QStringLiteral("\ttempérature\tpH\tOx_%")));
        EXPECT_TRUE(t.recordLines[1].endsWith(QStringLiteral("\t22,9\t7,01\t85,2"))) << t.recordLines[1].toStdString();
    }
}

TEST(ProcessReading, RecordingDecimalSignAppliesFromColumnFour)
{
    Bench r;
    r.options.recordingDecimalSign = 1;
    r.state.MarkT0(r.now);
    r.time = QStringLiteral("1.2");
    const DisplayTexts t = r.Feed(r.Reading(600.5));
    EXPECT_EQ(t.recordLines[1], QStringLiteral("07/12/2026 10:00:00\t1\t26.09.2009 04:19:39\t00:00:00\t 600.500\t22.9"));
}

TEST(ProcessReading, StringModeTimeLineOverwritesTheCurrentSlot)
{
    Bench r;
    r.options.mode = ReadMode::StringCsv;
    r.Feed(r.Reading(600));
    r.Feed(QStringLiteral("Cond 700 µS/cm 04:19:40"));
    EXPECT_EQ(r.state.series.sampleCount, 1);
    EXPECT_DOUBLE_EQ(r.state.series.At(1).value1, 700);

    Bench c;
    c.Feed(c.Reading(600));
    c.Feed(QStringLiteral("Cond 700 µS/cm 04:19:40"));
    EXPECT_EQ(c.state.series.sampleCount, 2);
}

TEST(ProcessReading, ReplayShowsEveryTenthCountAndDoesNotRedraw)
{
    Bench r;
    r.options.mode = ReadMode::StringCsv;
    r.options.replaying = true;
    for (int i = 1; i <= 10; ++i) {
        const DisplayTexts t = r.Feed(r.Reading(600));
        EXPECT_EQ(t.Label_n.has_value(), i == 10);
        EXPECT_FALSE(t.redraw);
    }
}

TEST(ProcessReading, IntervalCheckAtTheTwelfthReading)
{
    struct Case {
        int step;
        bool demo;
        bool shown;
        QString caption;
    };
    const Case cases[] = {
        {1, false, false, {}},
        {3, false, true, QStringLiteral("? rapport des intervalles   3")},
        {3, true, false, {}},
    };
    for (const Case& c : cases) {
        Bench r;
        r.options.demo = c.demo;
        DisplayTexts last;
        for (int i = 0; i < 12; ++i) {
            last = r.Feed(r.Reading(600), c.step);
        }
        EXPECT_EQ(last.showLabel7, c.shown);
        EXPECT_EQ(last.Label7.value_or(QString()), c.caption);
    }
}

TEST(ProcessReading, SeriesGrowsPastItsCapacity)
{
    Bench r;
    r.options.mode = ReadMode::StringCsv;
    for (int i = 0; i < 10001; ++i) {
        r.Feed(r.Reading(600));
    }
    EXPECT_EQ(r.state.series.sampleCount, 10001);
    EXPECT_EQ(r.state.series.Capacity(), 20000);
}

TEST(ProcessReading, UnmarkedT0StaysUnmarkedPastReading32000)
{
    // Nine hours of baseline at one reading a second: 32000 is a marker, not a reading number.
    Bench r;
    for (int i = 0; i < 32000; ++i) {
        r.Feed(r.Reading(500));
    }
    DisplayTexts t;
    for (int i = 0; i < 100; ++i) {
        t = r.Feed(r.Reading(600));
    }
    EXPECT_EQ(r.state.series.sampleCount, 32100);
    EXPECT_EQ(r.state.tracingStartIndex, kNotTracing);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.baseline), 600);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.state.area), 0);
    EXPECT_EQ(r.records.last().section(u'\t', 3, 3), QString());  // no trace time
    EXPECT_TRUE(t.Label_zero->contains(QStringLiteral("Hmax")));
    EXPECT_FALSE(r.state.IsTracing(32100));

    r.state.MarkT0(r.now);  // marked now: from here on it is a tracing run
    r.Feed(r.Reading(700));
    EXPECT_TRUE(r.state.IsTracing(32101));
    EXPECT_EQ(r.records.last().section(u'\t', 3, 3), QStringLiteral("00:00:00"));
}

TEST(ProcessReading, AreaUsesRealElapsedTimeAcrossClockChanges)
{
    // A French laptop: the wall clock goes back an hour in October and forward one in March.
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    const QDateTime changes[] = {
        QDateTime(QDate(2026, 10, 25), QTime(0, 59, 40), Qt::UTC).toLocalTime(),  // 02:59:40 CEST
        QDateTime(QDate(2026, 3, 29), QTime(0, 59, 40), Qt::UTC).toLocalTime(),   // 01:59:40 CET
    };
    for (const QDateTime& start : changes) {
        Bench r;
        r.now = start;
        r.state.MarkT0(r.now);  // t0 before the first reading: baseline 0
        for (int i = 0; i < 5; ++i) {
            r.Feed(r.Reading(100), 10);
        }
        // 4 intervals of 10 s at 100 µS/cm, times the area factor.
        EXPECT_NEAR(static_cast<double>(r.state.area), 4 * 10 * 100 * 1.02, 1e-6) << start.toString().toStdString();
    }
    if (oldTz.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", oldTz);
    }
    tzset();
}

TEST(ProcessReading, TheInstrumentTimeKeepsOnlyItsTimeCharactersWhereverTheOthersStand)
{
    // The time is checked eight characters at a time for any that is not a time character: texts of every
    // length up to 300 (past the 255 read) with a stray character at every place, and none, must come out as
    // the time characters of their first 255.
    const QString timeChars = QStringLiteral(" -./0123456789:");
    const QString base = QStringLiteral("26.09.2009 04:19:39 - 1/2 ");
    for (const QChar stray : {QChar(u'h'), QChar(u','), QChar(u';'), QChar(u'\t'), QChar(0x2D + 14), QChar(0x2C),
                              QChar(0x8030), QChar(0xB5)}) {
        for (int length = 0; length <= 300; length += length < 40 ? 1 : 37) {
            QString plain;
            while (plain.size() < length) {
                plain += base;
            }
            plain.truncate(length);
            for (int at = -1; at < length; ++at) {
                QString text = plain;
                if (at >= 0) {
                    text[at] = stray;
                }
                QString expected;
                for (const QChar c : QStringView(text).left(255)) {
                    if (timeChars.contains(c)) {
                        expected += c;
                    }
                }
                Bench b;
                b.time = text;
                ProcessReading(b.state, b.config, b.options, QStringLiteral("rien"), b.time, b.now);
                ASSERT_EQ(b.time, expected) << length << ' ' << at << ' ' << int(stray.unicode());
            }
        }
    }
}

TEST(ProcessReading, ALineThatIsTheTimeItselfLeavesTheTimeAsItWas)
{
    // The time a line carries is copied into the loop's own time text: handed the very same string as both,
    // the time must stay what it was, as with a copy of it.
    for (const QString& text : {QStringLiteral("26.09.2009 04:19:39"), QStringLiteral("04:19"), QString()}) {
        Bench a;
        Bench b;
        a.time = text;
        b.time = text;
        const QString copy = text;
        ProcessReading(a.state, a.config, a.options, a.time, a.time, a.now);
        ProcessReading(b.state, b.config, b.options, copy, b.time, b.now);
        EXPECT_EQ(a.time, b.time);
        EXPECT_EQ(a.time, text);
    }
}

TEST(ProcessReading, ReadsExponentsAndRefusesValuesThatAreNotFinite)
{
    struct Case {
        QString value;
        bool stored;
        double value1;
    };
    const Case cases[] = {
        {QStringLiteral("1,5e3"), true, 1500},     {QStringLiteral("6.003E2"), true, 600.3},
        {QStringLiteral("1e309"), false, 0},       {QStringLiteral("NaN"), false, 0},
        {QStringLiteral("-inf"), false, 0},        {QStringLiteral("1.#INF"), false, 0},
        {QStringLiteral("0"), true, 0},
    };
    for (const Case& c : cases) {
        Bench r;
        const DisplayTexts t = r.Feed(QStringLiteral("Cond ") + c.value + QStringLiteral(" µS/cm 22.9 °C  "));
        EXPECT_EQ(t.stored, c.stored) << c.value.toStdString();
        if (c.stored) {
            EXPECT_DOUBLE_EQ(r.state.series.At(1).value1, c.value1) << c.value.toStdString();
        } else {
            EXPECT_EQ(r.state.series.sampleCount, 0) << c.value.toStdString();
            ASSERT_FALSE(t.logLines.isEmpty()) << c.value.toStdString();
            EXPECT_TRUE(t.logLines.front().contains(QStringLiteral("pas une mesure"))) << c.value.toStdString();
        }
    }
    // Quantity 2 as well: a NaN temperature is no reading either.
    Bench r;
    EXPECT_FALSE(r.Feed(QStringLiteral("Cond 600 µS/cm NaN °C  ")).stored);
}
