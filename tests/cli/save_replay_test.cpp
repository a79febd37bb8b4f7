#include "cli_runner.h"

#include <QDir>
#include <QFile>
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
