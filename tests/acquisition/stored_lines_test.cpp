#include "acquisition/stored_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>

using namespace sondalog;

namespace {
const QDateTime kStart(QDate(2026, 3, 28), QTime(23, 59, 0));

void Configure(ReadingRun& run, bool threeProbes, bool plain)
{
    run.config.q1.marker = QStringLiteral("Cond");
    run.config.q1.occurrence = 2;
    run.config.q2.marker = plain ? QStringLiteral("Cond") : QStringLiteral("°C");
    run.config.q2.occurrence = 4;
    run.options.regional = Regional::French();
    run.options.threeProbes = threeProbes;
    run.blockOptions.threeProbes = threeProbes;
    run.Start(false);
}

/// A logging file's lines: one-probe or three-probe CSV, or plain blocks (values line, then time line),
/// with garbled numbers, empty lines and control characters here and there.
QStringList Lines(const QString& kind, int count)
{
    QStringList lines;
    for (int i = 0; lines.size() < count; ++i) {
        const QString stamp = QStringLiteral("%1.09.2009 %2:%3:%4")
                                  .arg(1 + i / 86400, 2, 10, QLatin1Char('0'))
                                  .arg(i / 3600 % 24, 2, 10, QLatin1Char('0'))
                                  .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                                  .arg(i % 60, 2, 10, QLatin1Char('0'));
        const QString value = i % 97 == 5 ? QStringLiteral("6x0.3") : i % 89 == 7 ? QString() : QString::number(600 + i % 211) + QStringLiteral(".3");
        if (kind == QLatin1String("plain")) {
            lines << QStringLiteral("$Cond  %1 µS/cm  22.9 °C").arg(value) << stamp;
        } else if (kind == QLatin1String("three")) {
            lines << stamp + QStringLiteral(";14440518;7.0%1;mV;pH;22.9;°C;SenTix 940").arg(i % 10)
                  << stamp + QStringLiteral(";14440519;8%1.2;%;Ox;22.9;°C;FDO 925").arg(i % 10)
                  << stamp + QStringLiteral(";14451527;%1;µS/cm;Cond;22.9;°C;TetraCon 925").arg(value);
        } else {
            lines << stamp + QStringLiteral(";14451527;%1;µS/cm;Cond;2%2.9;°C;TetraCon 925").arg(value).arg(i % 7);
        }
        if (i % 500 == 3) {
            lines << QString();
        }
        if (i % 700 == 11) {
            lines << QStringLiteral("\x01\x02 bruit ; \x03");
        }
    }
    return lines.mid(0, count);
}

/// The replay as a plain loop, line after line on one thread: what reading ahead must not change.
void ReplayOneByOne(ReadingRun& run, const NextLine& next, const std::function<double()>& fraction,
                    const Progress& progress, const std::function<void()>& beforeLine)
{
    run.options.replaying = true;
    run.options.captionsAtEnd = true;
    run.blockOptions.unseen = true;
    run.options.mode = ReadMode::StringCsv;
    QString line;
    while (!run.stopRequested) {
        if (progress && !progress(fraction())) {
            break;
        }
        if (!next(line) || line == QLatin1String("fin")) {
            break;
        }
        beforeLine();
        run.FeedLine(line, nullptr);
    }
    DisplayTexts last;
    LastReadingCaptions(last, run.state, run.config, run.options);
    run.shown.MergeCaptions(last);
    run.options.replaying = false;
    run.options.captionsAtEnd = false;
    run.blockOptions.unseen = false;
    run.options.mode = ReadMode::Character;
}

bool SameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

struct Outcome {
    std::vector<double> fractions;  ///< every progress call's argument
    int beforeLineCalls = 0;
    int pulled = 0;                 ///< lines taken from the source
};

Outcome Replay(ReadingRun& run, const QStringList& lines, int stopAtProgressCall, int t0AtLine, bool oneByOne)
{
    Outcome o;
    qsizetype index = 0;
    const NextLine next = [&](QString& line) {
        if (index >= lines.size()) {
            return false;
        }
        ++o.pulled;
        line = lines.at(index++);
        return true;
    };
    const std::function<double()> fraction = [&] { return static_cast<double>(index) / static_cast<double>(lines.size() + 1); };
    const Progress progress = [&](double f) {
        o.fractions.push_back(f);
        return static_cast<int>(o.fractions.size()) != stopAtProgressCall;
    };
    const std::function<void()> beforeLine = [&] {
        if (++o.beforeLineCalls == t0AtLine) {
            run.MarkT0();
        }
    };
    if (oneByOne) {
        ReplayOneByOne(run, next, fraction, progress, beforeLine);
    } else {
        ReplayLineSource(run, next, fraction, progress, beforeLine);
    }
    return o;
}
}  // namespace

TEST(StoredLines, ReadingAheadChangesNothingOfTheReplay)
{
    struct Case {
        QString kind;
        int lines;
        int stopAtProgressCall;  ///< the progress call that answers "stop" (0: none)
        int t0AtLine;            ///< Go pressed before this line (0: never)
        int finAt;               ///< a "fin" line at this index (-1: none)
    };
    const std::vector<Case> cases{
        {QStringLiteral("one"), 0, 0, 0, -1},
        {QStringLiteral("one"), 1, 0, 0, -1},
        {QStringLiteral("one"), 511, 0, 3, -1},
        {QStringLiteral("one"), 512, 0, 0, -1},
        {QStringLiteral("one"), 513, 0, 0, -1},
        {QStringLiteral("one"), 1023, 0, 0, -1},
        {QStringLiteral("one"), 1024, 0, 5, -1},
        {QStringLiteral("one"), 1025, 0, 0, -1},
        {QStringLiteral("one"), 2047, 0, 0, -1},
        {QStringLiteral("one"), 2048, 0, 2, -1},
        {QStringLiteral("one"), 2049, 0, 0, -1},
        {QStringLiteral("one"), 5000, 2050, 0, -1},  // stopped just past the second batch of 1024
        {QStringLiteral("one"), 9000, 0, 4000, -1},  // more batches than are read ahead
        {QStringLiteral("one"), 3000, 1, 0, -1},     // stopped before the first line
        {QStringLiteral("one"), 3000, 1025, 0, -1},  // stopped just past a batch's end
        {QStringLiteral("one"), 3000, 0, 0, 2047},   // "fin" ends it, what follows is never read
        {QStringLiteral("three"), 4000, 0, 901, -1},
        {QStringLiteral("three"), 4000, 2900, 0, -1},
        {QStringLiteral("plain"), 3001, 0, 1500, -1},
        {QStringLiteral("plain"), 3001, 0, 0, 512},
    };
    // Read ahead on a second thread, and on the calling thread (as when no thread can be started).
    for (const bool onThread : {true, false})
    for (const Case& c : cases) {
        readAheadOnThread = onThread;
        SCOPED_TRACE(onThread ? "on a second thread" : "on the calling thread");
        SCOPED_TRACE(QString(c.kind + QStringLiteral(" %1 lines, stop %2, t0 %3, fin %4").arg(c.lines).arg(c.stopAtProgressCall).arg(c.t0AtLine).arg(c.finAt)).toStdString());
        QStringList lines = Lines(c.kind, c.lines);
        if (c.finAt >= 0) {
            lines[c.finAt] = QStringLiteral("fin");
        }
        const bool three = c.kind == QLatin1String("three");
        const bool plain = c.kind == QLatin1String("plain");
        FixedClock clockA(kStart, 1);
        FixedClock clockB(kStart, 1);
        ReadingRun ahead(clockA);
        ReadingRun oneByOne(clockB);
        Configure(ahead, three, plain);
        Configure(oneByOne, three, plain);
        const Outcome a = Replay(ahead, lines, c.stopAtProgressCall, c.t0AtLine, false);
        const Outcome b = Replay(oneByOne, lines, c.stopAtProgressCall, c.t0AtLine, true);

        EXPECT_EQ(a.fractions, b.fractions);
        EXPECT_EQ(a.beforeLineCalls, b.beforeLineCalls);
        if (c.finAt >= 0) {
            EXPECT_EQ(a.pulled, c.finAt + 1);
        }
        EXPECT_EQ(ahead.readingCounter, oneByOne.readingCounter);
        EXPECT_EQ(ahead.instrumentTime, oneByOne.instrumentTime);
        ASSERT_EQ(ahead.state.series.sampleCount, oneByOne.state.series.sampleCount);
        if (c.lines > 100 && c.stopAtProgressCall == 0) {
            EXPECT_GT(ahead.state.series.sampleCount, 100);
        }
        for (int n = 1; n <= ahead.state.series.sampleCount; ++n) {
            const Sample& x = ahead.state.series.At(n);
            const Sample& y = oneByOne.state.series.At(n);
            ASSERT_TRUE(SameNumber(x.value1, y.value1) && SameNumber(x.value2, y.value2) &&
                        SameNumber(x.phValue, y.phValue) && SameNumber(x.oxValue, y.oxValue) && x.time == y.time)
                << "reading " << n;
        }
        EXPECT_EQ(ahead.state.tracingStartIndex, oneByOne.state.tracingStartIndex);
        EXPECT_TRUE(ahead.state.baseline == oneByOne.state.baseline);
        EXPECT_TRUE(ahead.state.area == oneByOne.state.area);
        EXPECT_EQ(ahead.records.CrLfBytes(), oneByOne.records.CrLfBytes());
        EXPECT_EQ(ahead.shown.Captions(), oneByOne.shown.Captions());
        // What is left of an unfinished block carries on the same way (the raw-lines log shows each block).
        // A stopped replay's block holds the lines read ahead: its run is dropped, never carried on.
        for (int i = 0; i < (c.stopAtProgressCall == 0 ? 6 : 0); ++i) {
            EXPECT_EQ(ahead.LineCycle(lines.value(i)).log, oneByOne.LineCycle(lines.value(i)).log);
        }
    }
    readAheadOnThread = true;
}

TEST(StoredLines, RecordLinesReadAheadFollowThePrefixTheDecimalSignAndTheDecimals)
{
    // The values part of each record line is written ahead as if no unit prefix converted the value: a file
    // whose unit goes from µS/cm to mS/cm, S/cm and none and back must record what a line-by-line replay
    // records, whatever the recording's decimal sign (comma, point, as read) and the recorded decimals, and
    // whichever thread writes the values part.
    QStringList lines;
    const QString units[] = {QStringLiteral("µS/cm"), QStringLiteral("mS/cm"), QStringLiteral("S/cm"), QString(),
                             QStringLiteral("µS/cm")};
    for (int i = 0; i < 2500; ++i) {
        lines << QStringLiteral("01.09.2009 10:%1:%2;14451527;%3,%4;%5;Cond;2%6.9;°C;TetraCon 925")
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'))
                     .arg(600 + i % 211)
                     .arg(i % 10)
                     .arg(units[i / 500])
                     .arg(i % 7);
    }
    for (const RecordValuesAhead where : {RecordValuesAhead::Always, RecordValuesAhead::Never})
    for (const int sign : {0, 1, 2})
    for (const QString& decimals : {QString(), QStringLiteral("µ=0;m=3;k=1;F=1"), QStringLiteral("F=6")}) {
        SCOPED_TRACE(QStringLiteral("ahead %1, sign %2, decimals %3")
                         .arg(where == RecordValuesAhead::Always).arg(sign).arg(decimals).toStdString());
        recordValuesAhead = where;
        FixedClock clockA(kStart, 1);
        FixedClock clockB(kStart, 1);
        ReadingRun ahead(clockA);
        ReadingRun oneByOne(clockB);
        for (ReadingRun* run : {&ahead, &oneByOne}) {
            Configure(*run, false, false);
            // The instrument's own table: the value is the first word of the block's text, the unit the second.
            run->config.q1.separator = u' ';
            run->config.q1.occurrence = 1;
            run->config.q2.separator = u' ';
            run->config.q2.occurrence = 3;
            run->options.recordingDecimalSign = sign;
            run->options.decimalsSetting = decimals;
        }
        Replay(ahead, lines, 0, 1200, false);
        Replay(oneByOne, lines, 0, 1200, true);
        ASSERT_EQ(ahead.records.size(), 2501);
        EXPECT_GT(ahead.state.series.At(700).value1, 1e5);  // mS/cm read as µS/cm: the prefix converted it
        EXPECT_EQ(ahead.records.CrLfBytes(), oneByOne.records.CrLfBytes());
    }
    recordValuesAhead = RecordValuesAhead::Balanced;
}

TEST(StoredLines, AFailureWhileReadingAheadReachesTheCaller)
{
    // Memory running out while the lines are read ahead, on the reading thread: the caller gets the
    // exception (a loading job turns it into its message), nothing ends the program or waits forever.
    for (const bool onThread : {true, false})
    for (const int failAt : {0, 1, 700, 5000}) {
        readAheadOnThread = onThread;
        SCOPED_TRACE(failAt);
        FixedClock clock(kStart, 1);
        ReadingRun run(clock);
        Configure(run, false, false);
        const QStringList lines = Lines(QStringLiteral("one"), 6000);
        qsizetype index = 0;
        const NextLine next = [&](QString& line) {
            if (index == failAt) {
                throw std::bad_alloc();
            }
            line = lines.at(index++);
            return true;
        };
        EXPECT_THROW(ReplayLineSource(run, next, {}), std::bad_alloc);
        EXPECT_LE(run.state.series.sampleCount, failAt);
    }
    readAheadOnThread = true;
}
