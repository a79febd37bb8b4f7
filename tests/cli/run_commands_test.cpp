#include "cli_runner.h"
#include "util/text_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using sondalog::JoinCrLf;
using sondalog::ReadTextLines;
using sondalog::WriteFileAtomically;

namespace {
const QString kData = QStringLiteral(SONDALOG_TEST_DATA);

QStringList RunArgs(const QString& dir, const QString& out)
{
    return {QStringLiteral("--now"),   QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("--step"), QStringLiteral("1"),
            QStringLiteral("--locale"), QStringLiteral("fr_FR"), QStringLiteral("--config-dir"), dir,
            QStringLiteral("--out"),    out};
}
}  // namespace

TEST(CliDemo, ThreeHundredReadingsWithGoBeforeTheFirst)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("F.txt"));
    QStringList args = {QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("300"), QStringLiteral("--t0"),
                        QStringLiteral("0")};
    args << RunArgs(dir.filePath(QStringLiteral("D")), out);
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = ReadTextLines(out).value();
    ASSERT_EQ(lines.size(), 301);
    EXPECT_EQ(lines[0], QStringLiteral("Forage1-heure-DEMO\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature"));
    EXPECT_EQ(lines[100].section(u'\t', 4, 4), QStringLiteral(" 752,000"));
    EXPECT_EQ(lines[140].section(u'\t', 4, 4), QStringLiteral(" 800,000"));
    EXPECT_EQ(lines[300].section(u'\t', 4, 4), QStringLiteral(" 638,000"));
    EXPECT_EQ(lines[1].section(u'\t', 0, 1), QStringLiteral("07/12/2026 00:00:01\t1"));

    double sum = 0;
    for (int n = 2; n <= 300; ++n) {
        sum += lines[n].section(u'\t', 4, 4).trimmed().replace(u',', u'.').toDouble() * 1.0;
    }
    EXPECT_NEAR(r.Value(QStringLiteral("area")).toDouble(), 1.02 * sum, 1e-6);
    EXPECT_EQ(r.Value(QStringLiteral("n")), QStringLiteral("300"));
    EXPECT_EQ(r.Value(QStringLiteral("tracingStartIndex")), QStringLiteral("0"));
    EXPECT_EQ(r.Value(QStringLiteral("baseline")), QStringLiteral("0"));
    EXPECT_EQ(r.Value(QStringLiteral("Label_tracage")), QStringLiteral("00:04:59"));
    EXPECT_EQ(r.Value(QStringLiteral("Label_val_grand1")), QStringLiteral("638 µS/cm"));
}

TEST(CliDemo, BaselineIsTheMeanBeforeGo)
{
    QTemporaryDir dir;
    QStringList args = {QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("60"), QStringLiteral("--t0"),
                        QStringLiteral("20")};
    args << RunArgs(dir.filePath(QStringLiteral("D")), dir.filePath(QStringLiteral("F.txt")));
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.Value(QStringLiteral("tracingStartIndex")), QStringLiteral("20"));
    EXPECT_EQ(r.Value(QStringLiteral("baseline")), QStringLiteral("600"));
    const QStringList lines = ReadTextLines(dir.filePath(QStringLiteral("F.txt"))).value();
    EXPECT_EQ(lines[20].section(u'\t', 3, 3), QString());
    EXPECT_EQ(lines[21].section(u'\t', 3, 3), QStringLiteral("00:00:00"));
}

TEST(CliReplay, ThreeProbeCsvLoggingFile)
{
    QTemporaryDir dir;
    WriteStringModeConfig(dir.path(), QStringLiteral("1"), QStringLiteral("°C"), QStringLiteral("3"), true);
    const QString out = dir.filePath(QStringLiteral("F.txt"));
    QStringList args = {QStringLiteral("replay"), kData + QStringLiteral("/auto_three_probes.csv"), QStringLiteral("--as"), QStringLiteral("auto")};
    args << RunArgs(dir.path(), out);
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.Value(QStringLiteral("n")), QStringLiteral("6"));
    const QStringList lines = ReadTextLines(out).value();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("essai-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature\tpH\tOx_%"));
    // Each reading at the instrument's time, not the PC's (--now) at the replay.
    EXPECT_EQ(lines[1], QStringLiteral("26/09/2009 04:19:39\t1\t26.09.2009 04:19:39\t\t 600,300\t22,9\t7,01\t85,2"));
    EXPECT_EQ(lines[4], QStringLiteral("26/09/2009 04:19:42\t4\t26.09.2009 04:19:42\t\t 650,100\t22,9\t7,03\t84,8"));
    EXPECT_EQ(lines[6], QStringLiteral("26/09/2009 04:19:44\t6\t26.09.2009 04:19:44\t\t 605,000\t22,9\t7,04\t84,7"));
    EXPECT_EQ(r.Value(QStringLiteral("y1.maxRead")), QStringLiteral("650.1"));
}

TEST(CliReplay, PlainLineLoggingFile)
{
    QTemporaryDir dir;
    WriteStringModeConfig(dir.path(), QStringLiteral("2"), QStringLiteral("Cond"), QStringLiteral("4"), false);
    const QString out = dir.filePath(QStringLiteral("F.txt"));
    QStringList args = {QStringLiteral("replay"), kData + QStringLiteral("/auto_plain.txt"), QStringLiteral("--as"), QStringLiteral("auto"), QStringLiteral("--t0"),
                        QStringLiteral("2")};
    args << RunArgs(dir.path(), out);
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = ReadTextLines(out).value();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("essai-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature"));
    EXPECT_EQ(lines[1], QStringLiteral("26/09/2009 04:19:39\t1\t26.09.2009 04:19:39\t\t 600,300\t22,9"));
    EXPECT_EQ(lines[3], QStringLiteral("26/09/2009 04:19:41\t3\t26.09.2009 04:19:41\t00:00:00\t 650,500\t22,9"));
    EXPECT_EQ(r.Value(QStringLiteral("baseline")), QStringLiteral("600.65"));
    // Area: (650.5 - 600.65) x 1 s + (620.2 - 600.65) x 1 s, times the factor 1.
    EXPECT_NEAR(r.Value(QStringLiteral("area")).toDouble(), 49.85 + 19.55, 1e-9);
}

TEST(CliReplay, UnreadableFileIsReported)
{
    QTemporaryDir dir;
    const CliResult r = RunCli({QStringLiteral("replay"), dir.filePath(QStringLiteral("none.txt")),
                                QStringLiteral("--config-dir"), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Impossible d'ouvrir le fichier")));
}

TEST(CliCharts, ThreeProbeLoggingFileAsTheChartsHoldIt)
{
    QTemporaryDir dir;
    WriteStringModeConfig(dir.path(), QStringLiteral("1"), QStringLiteral("°C"), QStringLiteral("3"), true);
    const QStringList common = {QStringLiteral("--now"), QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("--step"),
                                QStringLiteral("1"), QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                QStringLiteral("--config-dir"), dir.path()};
    const QString file = kData + QStringLiteral("/auto_three_probes.csv");
    const CliResult every = RunCli(QStringList{QStringLiteral("charts"), file, QStringLiteral("--as"), QStringLiteral("auto"),
                                               QStringLiteral("--points"), QStringLiteral("tous")} + common);
    ASSERT_EQ(every.exitCode, 0) << every.err.toStdString();
    const QStringList lines = every.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6 + 3);
    EXPECT_EQ(lines[0], QStringLiteral("1\t26/09/2009 04:19:39\t600.3\t22.9\t7.01\t85.2"));
    EXPECT_EQ(lines[3], QStringLiteral("4\t26/09/2009 04:19:42\t650.1\t22.9\t7.03\t84.8"));
    EXPECT_EQ(every.Value(QStringLiteral("Label1")), QStringLiteral("6"));
    EXPECT_EQ(every.Value(QStringLiteral("Label2")), QStringLiteral("tous les 6 points"));
    EXPECT_EQ(every.Value(QStringLiteral("Label7")), QStringLiteral("point par point"));

    // The same readings saved as a recording, read back as own, in packets of one below 100 points.
    const QString saved = dir.filePath(QStringLiteral("F.txt"));
    ASSERT_EQ(RunCli(QStringList{QStringLiteral("replay"), file, QStringLiteral("--as"), QStringLiteral("auto"),
                                 QStringLiteral("--out"), saved} + common).exitCode, 0);
    const CliResult own = RunCli(QStringList{QStringLiteral("charts"), saved, QStringLiteral("--calc"),
                                             QStringLiteral("maximum")} + common);
    ASSERT_EQ(own.exitCode, 0) << own.err.toStdString();
    EXPECT_TRUE(own.out.startsWith(lines[0] + u'\n'));
    EXPECT_EQ(own.Value(QStringLiteral("Label2")), QStringLiteral("100 points"));
    EXPECT_EQ(own.Value(QStringLiteral("Label7")), QStringLiteral("0 points par calcul"));

    const CliResult bad = RunCli(QStringList{QStringLiteral("charts"), file, QStringLiteral("--points"),
                                             QStringLiteral("300")} + common);
    EXPECT_EQ(bad.exitCode, 2);
}

TEST(CliAnalyse, TheDemonstrationsPulseAnalysesWithEveryKey)
{
    QTemporaryDir dir;
    const QString save = dir.filePath(QStringLiteral("S"));
    QStringList args = {QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("900"), QStringLiteral("--t0"),
                        QStringLiteral("60"), QStringLiteral("--save"), save};
    args << RunArgs(dir.filePath(QStringLiteral("D")), dir.filePath(QStringLiteral("F.txt")));
    ASSERT_EQ(RunCli(args).exitCode, 0);
    const QStringList saved = QDir(save).entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_EQ(saved.size(), 1);
    const QString file = save + u'/' + saved.first();
    const CliResult r = RunCli({QStringLiteral("analyse"), file, QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("D")),
                                QStringLiteral("--locale"), QStringLiteral("fr_FR"), QStringLiteral("--distance"),
                                QStringLiteral("500"), QStringLiteral("--mass"), QStringLiteral("2"),
                                QStringLiteral("--discharge"), QStringLiteral("40")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList keys = {"n", "t0", "baseline", "first.seconds", "peak.seconds", "peak.concentration", "mean.seconds",
                              "variance.seconds2", "velocity.first", "velocity.peak", "velocity.mean", "dispersion",
                              "dispersivity", "peclet", "recovered.kg", "recovery.percent", "fit.velocity",
                              "fit.velocity.se", "fit.dispersion", "fit.dispersion.se", "fit.recovery", "fit.rmse", "fit.r2"};
    for (const QString& key : keys) {
        const QString value = r.Value(key);
        EXPECT_FALSE(value.isEmpty()) << key.toStdString();
        bool ok = false;
        const double v = value.toDouble(&ok);
        EXPECT_TRUE(ok && std::isfinite(v)) << key.toStdString() << "=" << value.toStdString();
    }
    // The last reading before Go (--t0 60), as the live run marks it: the one before the first trace time.
    EXPECT_EQ(r.Value(QStringLiteral("t0")), QStringLiteral("60"));
    EXPECT_NEAR(r.Value(QStringLiteral("baseline")).toDouble(), 600.3, 0.5);  // as the file holds it
    EXPECT_GT(r.Value(QStringLiteral("fit.r2")).toDouble(), 0.9);

    // Without the distance: no velocities, no fit, and stderr says why; without t0, nothing.
    const CliResult bare = RunCli({QStringLiteral("analyse"), file, QStringLiteral("--config-dir"),
                                   dir.filePath(QStringLiteral("D")), QStringLiteral("--locale"), QStringLiteral("fr_FR")});
    ASSERT_EQ(bare.exitCode, 0);
    EXPECT_TRUE(bare.out.contains(QStringLiteral("\nvelocity.mean=\n")));
    EXPECT_TRUE(bare.out.contains(QStringLiteral("\nfit.velocity=\n")));
    EXPECT_FALSE(bare.Value(QStringLiteral("mean.seconds")).isEmpty());
    EXPECT_TRUE(bare.err.contains(QStringLiteral("distance nécessaire")));
    const CliResult noT0 = RunCli({QStringLiteral("analyse"), kData + QStringLiteral("/auto_plain.txt"), QStringLiteral("--as"),
                                   QStringLiteral("auto"), QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("D"))});
    ASSERT_EQ(noT0.exitCode, 0);
    EXPECT_TRUE(noT0.err.contains(QStringLiteral("pas de t0")));
    EXPECT_FALSE(noT0.out.contains(QStringLiteral("nan")));
    EXPECT_FALSE(noT0.out.contains(QStringLiteral("inf")));
}

TEST(CliDemo, TheDemonstrationHasOneTimeBaseWhateverItsPace)
{
    // Without --step every reading used to fall in the same clock second: an area of 0. A reading is one second,
    // on the system clock as on a stepped one.
    QTemporaryDir dir;
    const QStringList common = {QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("300"),
                                QStringLiteral("--t0"), QStringLiteral("0"), QStringLiteral("--config-dir"),
                                dir.filePath(QStringLiteral("D"))};
    const CliResult system = RunCli(common);
    const CliResult stepped =
        RunCli(common + QStringList{QStringLiteral("--now"), QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("--step"),
                                    QStringLiteral("1")});
    ASSERT_EQ(system.exitCode, 0) << system.err.toStdString();
    ASSERT_EQ(stepped.exitCode, 0) << stepped.err.toStdString();
    EXPECT_GT(stepped.Value(QStringLiteral("area")).toDouble(), 1000);
    EXPECT_EQ(system.Value(QStringLiteral("area")), stepped.Value(QStringLiteral("area")));
}
