#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(CliSave, DemoSavesAsStopAndSaveDoes)
{
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("W"));
    ASSERT_TRUE(QDir().mkpath(work));
    const QString out = dir.filePath(QStringLiteral("F.txt"));
    const CliResult r = RunCli({QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("50"),
                                QStringLiteral("--now"), QStringLiteral("2026-12-06 23:22:36"), QStringLiteral("--step"),
                                QStringLiteral("1"), QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("D")), QStringLiteral("--save"),
                                work, QStringLiteral("--out"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString expected = QDir(work).filePath(QStringLiteral("2026-12-06 23H23'26 demo 50_enreg_0µS.txt"));
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{QStringLiteral("2026-12-06 23H23'26 demo 50_enreg_0µS.txt")});
    EXPECT_EQ(Bytes(expected), Bytes(out));
    EXPECT_FALSE(Bytes(out).isEmpty());
    EXPECT_TRUE(r.out.trimmed().endsWith(QStringLiteral("saved=") + expected));

    // Read back as an own recording (chosen by the absence of blocks).
    const CliResult back = RunCli({QStringLiteral("replay"), expected, QStringLiteral("--config-dir"),
                                   dir.filePath(QStringLiteral("D")), QStringLiteral("--locale"), QStringLiteral("fr_FR")});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_TRUE(back.err.contains(QStringLiteral("SondaLOG")));
    EXPECT_EQ(back.Value(QStringLiteral("n")), QStringLiteral("50"));
    EXPECT_EQ(back.Value(QStringLiteral("Label_multimetre")), QStringLiteral("DEMO"));
    EXPECT_EQ(back.Value(QStringLiteral("Edit_Prefixe")), QStringLiteral("Forage1"));
    EXPECT_EQ(back.Value(QStringLiteral("viewLast")), QStringLiteral("50"));
    EXPECT_EQ(back.Value(QStringLiteral("last.stampText")), QStringLiteral("06/12/2026 00:00:50"));
    EXPECT_EQ(back.Value(QStringLiteral("last.value1")), QStringLiteral("600"));
    EXPECT_EQ(back.Value(QStringLiteral("last.value2")), QStringLiteral("22.9"));
}

TEST(CliSave, AutoFileIsChosenByItsBlocksAndSaved)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("D"));
    ASSERT_TRUE(QDir().mkpath(config));
    WriteStringModeConfig(config, QStringLiteral("2"), QStringLiteral("Cond"), QStringLiteral("4"), false);
    // The table's end-of-block marker is "__"; give the plain fixture's clock lines one.
    QFile source(QStringLiteral(SONDALOG_TEST_DATA "/auto_plain.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray data = source.readAll();
    data.replace("04:19:", "__ 04:19:");
    const QString file = dir.filePath(QStringLiteral("auto.txt"));
    QFile copy(file);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(data);
    copy.close();

    const CliResult r = RunCli({QStringLiteral("replay"), file, QStringLiteral("--config-dir"), config,
                                QStringLiteral("--save"), dir.path(), QStringLiteral("--now"),
                                QStringLiteral("2026-12-06 10:00:00")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("AUTOmatique")));
    EXPECT_EQ(r.Value(QStringLiteral("n")), QStringLiteral("4"));
    EXPECT_TRUE(r.Value(QStringLiteral("saved")).endsWith(QStringLiteral(" 4_enreg_50µS.txt")));

    const CliResult forced = RunCli({QStringLiteral("replay"), file, QStringLiteral("--as"), QStringLiteral("own"),
                                     QStringLiteral("--config-dir"), config});
    EXPECT_EQ(forced.exitCode, 0);
    EXPECT_EQ(forced.Value(QStringLiteral("n")), QStringLiteral("11"));
}

TEST(CliReplay, AnInstrumentsLoggingFileKeepsItsOwnTimeSpan)
{
    // Twenty-three days at one reading an hour; a pulse whose peak comes 100 hours after reading 10.
    QTemporaryDir dir;
    QStringList lines = {QStringLiteral("340i"), QStringLiteral("No.sér. 99100"), QStringLiteral("AUTO"), QString()};
    const QDateTime start(QDate(2026, 1, 5), QTime(8, 0, 0));
    const int count = 23 * 24;
    for (int k = 0; k <= count; ++k) {
        const double value = 600 + (k == 110 ? 300 : k == 109 || k == 111 ? 150 : 0);
        lines << QStringLiteral("$Cond  %1 µS/cm  22.9 °C").arg(value, 0, 'f', 1)
              << start.addSecs(3600 * k).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    const QString path = dir.filePath(QStringLiteral("auto_23j.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(path, sondalog::JoinCrLf(lines)).isEmpty());
    WriteStringModeConfig(dir.path(), QStringLiteral("2"), QStringLiteral("Cond"), QStringLiteral("4"), false);
    const CliResult r = RunCli({QStringLiteral("analyse"), path, QStringLiteral("--as"), QStringLiteral("auto"),
                                QStringLiteral("--t0"), QStringLiteral("10"), QStringLiteral("--config-dir"), dir.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // The pulse rises one reading, an hour, before its peak (the readings' own hours apart, not the replay's).
    EXPECT_EQ(r.Value(QStringLiteral("peak.seconds")).toDouble() - r.Value(QStringLiteral("first.seconds")).toDouble(),
              3600.0)
        << r.out.toStdString();
    const CliResult c = RunCli({QStringLiteral("charts"), path, QStringLiteral("--as"), QStringLiteral("auto"),
                                QStringLiteral("--points"), QStringLiteral("tous"), QStringLiteral("--config-dir"), dir.path(),
                                QStringLiteral("--locale"), QStringLiteral("fr_FR")});
    ASSERT_EQ(c.exitCode, 0) << c.err.toStdString();
    const QStringList rows = c.out.split(u'\n').filter(QRegularExpression(QStringLiteral("^\\d+\\t")));
    ASSERT_EQ(rows.size(), count + 1);  // each value line with the time line after it
    EXPECT_EQ(rows.first().section(u'\t', 1, 1), QStringLiteral("05/01/2026 08:00:00"));
    EXPECT_EQ(rows.last().section(u'\t', 1, 1), start.addSecs(3600 * count).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
}
