#include "acquisition/stored_file_load.h"
#include "acquisition/stored_files.h"
#include "util/text_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
QStringList Lines(int count, const std::vector<int>& markers)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QStringLiteral("ligne %1").arg(i);
    }
    for (int m : markers) {
        lines[m] += QStringLiteral(" __");
    }
    return lines;
}
}  // namespace

TEST(StoredFiles, BlockLengthCases)
{
    struct Case {
        int count;
        std::vector<int> markers;
        int expected;
    };
    const Case cases[] = {
        {1, {}, 0},
        {200, {}, 0},
        {200, {0}, 0},           // line 0 is never searched
        {200, {5, 12, 19}, 7},
        {120, {3}, 98},          // one marker: up to the end of the searched range (101 - 3)
        {200, {10, 60}, 0},      // blocks of exactly 50 lines
        {200, {51, 60}, 0},      // no marker among the first 50 searched lines
        {20, {4}, 16},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlockLength(Lines(c.count, c.markers), QStringLiteral("__")), c.expected) << c.count;
    }
    EXPECT_EQ(BlockLength(Lines(20, {4}), QString()), 0);
}

TEST(StoredFiles, ExpectedReadingsNeverDividesByZero)
{
    EXPECT_EQ(ExpectedReadings(101, 10), QStringLiteral("   => 9"));
    EXPECT_EQ(ExpectedReadings(101, 0), QStringLiteral("   => ?"));
}

TEST(StoredFiles, OwnRecordingIsReadBack)
{
    const QStringList lines = {
        QStringLiteral("puits-3-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature\tpH\tOx_%"),
        QStringLiteral("06/12/2026 23:22:36\t1\t04:19:39\t\t 600,3\t22,9\t7,01\t85,2"),
        QStringLiteral("06/12/2026 23:22:37\t2\t04:19:40\t\t 612.5\tabc"),
        QStringLiteral("12-06-2026 11:22:38 PM\t3\t04:19:41\t00:00:00\t 700,0\t23,0"),
    };
    ProcessingState state;
    const OwnRecordingLoad load = LoadOwnRecording(lines, state, Regional::French());
    EXPECT_EQ(load.count, 3);
    EXPECT_EQ(load.Edit_Prefixe, QStringLiteral("puits"));
    EXPECT_EQ(load.Label_multimetre, QStringLiteral("heure"));  // the prefix's own '-' shifts the pieces
    EXPECT_EQ(load.Label_n, QStringLiteral("n = 3"));
    EXPECT_EQ(load.view.first, 1);
    EXPECT_EQ(load.view.last, 3);
    EXPECT_EQ(state.series.sampleCount, 3);
    EXPECT_EQ(state.series.Capacity(), 10004);
    EXPECT_DOUBLE_EQ(state.series.At(1).value1, 600.3);
    EXPECT_DOUBLE_EQ(state.series.At(1).oxValue, 85.2);
    EXPECT_DOUBLE_EQ(state.series.At(2).value1, 612.5);
    EXPECT_DOUBLE_EQ(state.series.At(2).value2, 0);
    EXPECT_DOUBLE_EQ(state.series.At(2).phValue, 0);
    EXPECT_EQ(state.series.StampText(2, Regional::French()), QStringLiteral("06/12/2026 23:22:37"));
    // A stamp in another date format still loads, as text, without a time value.
    EXPECT_EQ(state.series.StampText(3, Regional::French()), QStringLiteral("12-06-2026 11:22:38 PM"));
    EXPECT_EQ(state.series.At(3).time, kNoTime);
    EXPECT_NE(state.series.At(2).time, kNoTime);

    ProcessingState plain;
    const OwnRecordingLoad named = LoadOwnRecording(
        {QStringLiteral("Forage1-heure-WTW3430\tn"), QStringLiteral("06/12/2026 23:22:36\t1")}, plain, Regional::French());
    EXPECT_EQ(named.Label_multimetre, QStringLiteral("WTW3430"));
    EXPECT_EQ(named.Edit_Prefixe, QStringLiteral("Forage1"));
}

TEST(StoredFiles, ContinuingNumbersOnWithoutHeader)
{
    QStringList lines{QStringLiteral("Forage1-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature")};
    for (int i = 1; i <= 1500; ++i) {
        lines << QStringLiteral("06/12/2026 10:00:00\t%1\t04:19:39\t\t 600,000\t22,9").arg(i);
    }
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)), 1);
    ReadingRun run(clock);
    run.config.q1.marker = QStringLiteral("Cond");
    run.config.q1.occurrence = 2;
    run.config.q2.occurrence = 4;
    run.options.regional = Regional::French();
    LoadOwnRecording(lines, run.state, Regional::French());
    run.records.clear();
    run.Start(true);
    run.instrumentTime = QStringLiteral("04:20:00");
    const DisplayTexts t = run.Process(QStringLiteral("Cond 601.0 µS/cm 22.9 °C"));
    EXPECT_EQ(run.state.series.sampleCount, 1501);
    EXPECT_EQ(*t.Label_n, QStringLiteral("n = 1 501"));
    ASSERT_EQ(run.records.size(), 1);
    EXPECT_TRUE(run.records[0].startsWith(QStringLiteral("07/12/2026 09:00:00\t1501\t")));
}

TEST(StoredFiles, AutoFileIsANewRun)
{
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)), 1);
    ReadingRun run(clock);
    run.config.q1.marker = QStringLiteral("Cond");
    run.config.q1.occurrence = 2;
    run.config.q1.timeMarkCount = 2;
    run.config.q2.occurrence = 4;
    run.config.active.endOfBlock = QStringLiteral("04:");
    run.options.regional = Regional::French();
    run.state.tracingStartIndex = 1;  // an earlier run's t0
    run.state.t0Marked = true;
    run.records << QStringLiteral("old line");
    QStringList lines{QStringLiteral("h1"), QStringLiteral("h2"), QStringLiteral("h3"), QStringLiteral("h4")};
    for (int i = 0; i < 25; ++i) {
        lines << QStringLiteral("Cond  60%1.0 µS/cm  22.9 °C").arg(i % 10) << QStringLiteral("26.09.2009 04:19:%1").arg(10 + i);
    }
    double lastFraction = -1;
    const AutoFileLoad load = LoadAutoFile(lines, run, [&](double f) {
        EXPECT_GE(f, lastFraction);
        lastFraction = f;
        return true;
    });
    EXPECT_EQ(run.state.series.sampleCount, 25);
    EXPECT_EQ(run.state.tracingStartIndex, kNotTracing);
    EXPECT_EQ(run.records.size(), 26);
    EXPECT_TRUE(run.records[0].contains(QStringLiteral("-heure-")));
    EXPECT_EQ(load.Label_n, QStringLiteral("n = 25"));
    EXPECT_EQ(load.Label_n_parametres, QStringLiteral("25"));
    EXPECT_EQ(load.Label_nmax_nf, QStringLiteral("   => 26"));  // 55 lines with "fin", blocks of 2
    EXPECT_LT(lastFraction, 1.0);
}

TEST(StoredFiles, ReadingRefusesWhatIsNotTextOrTooLarge)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(WriteFileAtomically(text, QByteArray("en-t\xEAte\r\n1\r\n2")).isEmpty());
    struct Case {
        QString path;
        qint64 limit;
        QString errorStart;  ///< empty: read
    };
    const QString binary = dir.filePath(QStringLiteral("b.txt"));
    ASSERT_TRUE(WriteFileAtomically(binary, QByteArray("ab\0cd", 5)).isEmpty());
    const QList<Case> cases = {
        {text, 1 << 20, QString()},
        {text, 10, QStringLiteral("Le fichier %1 est trop grand pour la mémoire de ce PC").arg(text)},
        {binary, 1 << 20, QStringLiteral("Le fichier %1 n'est pas un fichier texte").arg(binary)},
        {dir.path(), 1 << 20, QStringLiteral("Impossible d'ouvrir le fichier %1 : ce n'est pas un fichier ordinaire").arg(dir.path())},
        {dir.filePath(QStringLiteral("none.txt")), 1 << 20, QStringLiteral("Impossible d'ouvrir le fichier ")},
    };
    for (const Case& c : cases) {
        const StoredFileText r = ReadStoredFile(c.path, c.limit);
        if (c.errorStart.isEmpty()) {
            EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
            EXPECT_EQ(r.lines, (QStringList{QStringLiteral("en-tête"), QStringLiteral("1"), QStringLiteral("2")}));
        } else {
            EXPECT_TRUE(r.error.startsWith(c.errorStart)) << r.error.toStdString();
            EXPECT_TRUE(r.lines.isEmpty());
        }
    }
    EXPECT_GT(StoredFileSizeLimit(), qint64(10) << 20);
}

TEST(StoredFiles, ACancelledJobSaysSoAndAFinishedOneHoldsTheRun)
{
    QTemporaryDir dir;
    QStringList lines = {QStringLiteral("en-tête")};
    for (int n = 1; n <= 5000; ++n) {
        lines << QStringLiteral("07/12/2026 10:00:00\t%1\t\t\t600,5\t22,9").arg(n);
    }
    StoredFileJob job;
    job.path = dir.filePath(QStringLiteral("r.txt"));
    ASSERT_TRUE(WriteFileAtomically(job.path, JoinCrLf(lines)).isEmpty());
    const StoredFileText head = ReadStoredFile(job.path, 1 << 30, 10);
    EXPECT_EQ(head.lines.size(), 10);
    EXPECT_EQ(head.lineCount, 5001);
    job.lineCount = head.lineCount;
    job.regional = Regional::French();
    std::atomic<bool> cancel{false};
    std::atomic<int> progress{0};
    const StoredFileResult whole = RunStoredFileJob(job, cancel, progress);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.state.series.sampleCount, 5000);
    EXPECT_EQ(whole.own.Label_n, QStringLiteral("n = 5 000"));
    EXPECT_EQ(progress.load(), 1000);
    cancel = true;
    EXPECT_TRUE(RunStoredFileJob(job, cancel, progress).cancelled);
}

TEST(StoredFiles, LinesCountedAsTheyAreCut)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.txt"));
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\n"), QByteArray("a"), QByteArray("a\r\nb"), QByteArray("a\r\n"),
                                    QByteArray("a\rb\n"), QByteArray("\r\r\n\n"), QByteArray("x\r")}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes).isEmpty());
        const StoredFileText r = ReadStoredFile(path, 1 << 20);
        const QStringList expected = SplitLines(QString::fromLatin1(bytes));
        EXPECT_EQ(r.lineCount, expected.size()) << bytes.toStdString();
        EXPECT_EQ(r.lines, expected) << bytes.toStdString();
    }
}

TEST(StoredFiles, ARecordingWithOrWithoutItsHeaderReadsTheSameReadings)
{
    const QString header = QStringLiteral("Forage1-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature");
    const QStringList readings = {QStringLiteral("07/12/2026 10:00:01\t1501\t04:19:39\t00:25:01\t 650,000\t22,9"),
                                  QStringLiteral("07/12/2026 10:00:02\t1502\t04:19:40\t00:25:02\t 655,500\t22,9")};
    struct Case {
        QStringList lines;
        QString prefix;  ///< the unit's prefix the continued readings keep
    };
    const Case cases[] = {{QStringList{header} + readings, QStringLiteral("µ")}, {readings, QString()}};
    for (const Case& c : cases) {
        ProcessingState state;
        const OwnRecordingLoad load = LoadOwnRecording(c.lines, state, Regional::French());
        ASSERT_EQ(load.count, 2) << c.lines.size();
        EXPECT_DOUBLE_EQ(state.series.At(1).value1, 650.0);
        EXPECT_DOUBLE_EQ(state.series.At(2).value1, 655.5);
        EXPECT_EQ(state.initialPrefix, c.prefix);
        // t0 as the recording had it: 25 min 1 s before the first traced reading.
        EXPECT_TRUE(state.t0Marked);
        EXPECT_EQ(state.tracingStartTime, QDateTime(QDate(2026, 12, 7), QTime(9, 35, 0)));
    }
    EXPECT_FALSE(IsRecordingDataLine(header));
    EXPECT_TRUE(IsRecordingDataLine(readings[0]));
}

TEST(StoredFiles, StampsInAnotherDateOrderThanThePCsAreReadInTheFilesOwn)
{
    // A recording made on a PC set to English (MM/dd/yyyy), read on a French one (dd/MM/yyyy): every reading took
    // one second before, whatever the minutes between them.
    struct Case {
        QString format;
        QDate first;
        int step = 600;  ///< seconds between readings
    };
    const Case cases[] = {
        {QStringLiteral("MM/dd/yyyy"), QDate(2026, 12, 20)},  // the day (20) tells the order
        {QStringLiteral("yyyy-MM-dd"), QDate(2026, 3, 5)},
        {QStringLiteral("dd.MM.yyyy"), QDate(2026, 3, 5)},    // nothing tells: the PC's day first
        // 06/11 and 06/12 read as the PC's order (6 November, 6 December) until 06/13 tells the file's: all are
        // read again in it.
        {QStringLiteral("MM/dd/yyyy"), QDate(2026, 6, 11), 7200},
    };
    for (const Case& c : cases) {
        QStringList lines = {QStringLiteral("Forage1-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature")};
        const QDateTime start(c.first, QTime(10, 0, 0));
        for (int n = 1; n <= 30; ++n) {
            lines << start.addSecs(c.step * n).toString(c.format + QStringLiteral(" hh:mm:ss")) + QStringLiteral("\t") +
                         QString::number(n) + QStringLiteral("\t\t\t600,0\t22,9");
        }
        ProcessingState state;
        const OwnRecordingLoad load = LoadOwnRecording(lines, state, Regional::French());
        ASSERT_EQ(load.count, 30) << c.format.toStdString();
        for (int n = 1; n <= 30; ++n) {
            const QDateTime at = start.addSecs(c.step * n);
            EXPECT_EQ(state.series.At(n).time, QDateTime(at.date(), at.time(), Qt::UTC).toSecsSinceEpoch())
                << c.format.toStdString() << " reading " << n;
        }
    }
}
