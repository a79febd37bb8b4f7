// What the command line says, and does not write, when something goes wrong.
#include "cli_runner.h"
#include "support/disk_full.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
const QString kData = QStringLiteral(SONDALOG_TEST_DATA);

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(CliFailures, FullDiskIsAFailureNeverASuccess)
{
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("W"));
    ASSERT_TRUE(QDir().mkpath(work));
    // The child inherits the refusal: every file it writes fails as on a full disk.
    FileSizeLimit full(0);
    const CliResult config = RunCli({QStringLiteral("config"), QStringLiteral("--config-dir"), dir.path()});
    EXPECT_EQ(config.exitCode, 1);
    EXPECT_TRUE(config.err.contains(QStringLiteral("Impossible de créer le fichier"))) << config.err.toStdString();

    const CliResult demo = RunCli({QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("5"),
                                   QStringLiteral("--config-dir"), dir.path(), QStringLiteral("--save"), work});
    EXPECT_EQ(demo.exitCode, 1);
    EXPECT_TRUE(QDir(work).entryList(QDir::Files).isEmpty());  // no empty file reported as saved
    EXPECT_FALSE(demo.out.contains(QStringLiteral("saved=")));
}

TEST(CliFailures, NoReadingNeverReplacesAFileWithAnEmptyOne)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("F.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(out, "earlier run\r\n").isEmpty());
    const CliResult r = RunCli({QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("0"),
                                QStringLiteral("--config-dir"), dir.path(), QStringLiteral("--out"), out});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Bytes(out), QByteArray("earlier run\r\n"));
}

TEST(CliFailures, ReplaySaysWhatItCouldNotRead)
{
    QTemporaryDir dir;
    // A FIFO would wait for ever: refused at once.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const CliResult f = RunCli({QStringLiteral("replay"), fifo, QStringLiteral("--config-dir"), dir.path()});
    EXPECT_EQ(f.exitCode, 1);
    EXPECT_TRUE(f.err.contains(QStringLiteral("pas un fichier ordinaire"))) << f.err.toStdString();

    // A recording whose lines end with a lone CR reads as well as one with CR LF.
    const QString mac = dir.filePath(QStringLiteral("mac.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(
                    mac, QByteArray("Forage1-heure-DEMO\tn\theure\r") +
                             QByteArray("07/12/2026 10:00:00\t1\t10:00:00\t\t600\t22,9\r07/12/2026 10:00:01\t2\t10:00:01\t\t601\t22,9\r"))
                    .isEmpty());
    const CliResult m = RunCli({QStringLiteral("replay"), mac, QStringLiteral("--as"), QStringLiteral("own"),
                                QStringLiteral("--config-dir"), dir.path(), QStringLiteral("--locale"), QStringLiteral("fr_FR")});
    EXPECT_EQ(m.exitCode, 0);
    EXPECT_EQ(m.Value(QStringLiteral("n")), QStringLiteral("2"));

    // A logging file in which nothing decodes says so; every printed key has its value.
    const QString empty = dir.filePath(QStringLiteral("vide.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(empty, "AUTO\r\nrien\r\nrien\r\nrien\r\nrien\r\n").isEmpty());
    const CliResult e = RunCli({QStringLiteral("replay"), empty, QStringLiteral("--as"), QStringLiteral("auto"),
                                QStringLiteral("--config-dir"), dir.path()});
    EXPECT_TRUE(e.err.contains(QStringLiteral("aucune mesure"))) << e.err.toStdString();
    EXPECT_EQ(e.Value(QStringLiteral("Label_n")), QStringLiteral("n = "));  // 0 is shown blank, as on screen

    // A count that is not a multiple of 10 is shown too (a replay refreshes n every 10 readings).
    QTemporaryDir three;
    WriteStringModeConfig(three.path(), QStringLiteral("1"), QStringLiteral("°C"), QStringLiteral("3"), true);
    const CliResult a = RunCli({QStringLiteral("replay"), kData + QStringLiteral("/auto_three_probes.csv"),
                                QStringLiteral("--as"), QStringLiteral("auto"), QStringLiteral("--config-dir"), three.path()});
    ASSERT_NE(a.Value(QStringLiteral("n")).toInt() % 10, 0);
    EXPECT_EQ(a.Value(QStringLiteral("Label_n")), QStringLiteral("n = ") + a.Value(QStringLiteral("n")));
}

TEST(CliFailures, FilesThatAreNotTextAreRefusedByEveryReadingCommand)
{
    QTemporaryDir dir;
    // A recording saved as UTF-16 by an editor, random bytes, and a text whose NUL comes only far into it.
    QByteArray utf16;
    const QString text = QStringLiteral("Forage1-heure-DEMO\tn\theure\r\n07/12/2026 10:00:00\t1\t10:00:00\t\t600\t22,9\r\n");
    for (int i = 0; i < 500; ++i) {
        for (const QChar c : text) {
            utf16.append(static_cast<char>(c.unicode() & 0xff)).append(static_cast<char>(c.unicode() >> 8));
        }
    }
    QByteArray noise(300000, '\0');
    quint32 x = 12345;
    for (char& b : noise) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<char>(x >> 24);
    }
    QByteArray late = text.toLatin1().repeated(4000);
    late.append('\0').append(text.toLatin1());
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"utf16.txt", utf16}, {"noise.bin", noise}, {"late.txt", late}};
    for (const auto& f : files) {
        const QString path = dir.filePath(QString::fromLatin1(f.name));
        ASSERT_TRUE(sondalog::WriteFileAtomically(path, f.bytes).isEmpty());
        for (const char* command : {"replay", "analyse", "charts"}) {
            const CliResult r = RunCli({QString::fromLatin1(command), path, QStringLiteral("--config-dir"), dir.path()});
            EXPECT_EQ(r.exitCode, 1) << f.name << ' ' << command;
            EXPECT_TRUE(r.err.contains(QStringLiteral("n'est pas un fichier texte"))) << f.name << ' ' << command;
            EXPECT_FALSE(r.out.contains(QStringLiteral("n="))) << f.name << ' ' << command;
        }
    }
}

TEST(CliFailures, LinesNoFileCouldTakeAreWrittenWhereTheyCanBeAndSaid)
{
    QTemporaryDir dir;
    // The --save folder is no folder (a stick pulled and a file in its place): neither the journal nor the
    // recording can be written there.
    const QString notAFolder = dir.filePath(QStringLiteral("W"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(notAFolder, "x").isEmpty());
    const CliResult r = RunCli({QStringLiteral("demo"), QStringLiteral("--readings"), QStringLiteral("25"),
                                QStringLiteral("--config-dir"), dir.path(), QStringLiteral("--save"), notAFolder});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.out.contains(QStringLiteral("saved=")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("25 mesures n'ont pu être écrites dans aucun fichier"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Not a directory"))) << r.err.toStdString();  // the system's reason
    const QStringList rescued = QDir(dir.path()).entryList({QStringLiteral("secours *")}, QDir::Files);
    ASSERT_EQ(rescued.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(dir.filePath(rescued[0]))) << r.err.toStdString();
    EXPECT_EQ(sondalog::ReadTextLines(dir.filePath(rescued[0])).value().size(), 26);  // header + every reading
}

TEST(CliFailures, ReadingCommandsWriteNothingAndEscapeWhatTheFileHolds)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(config));
    // A recording whose header carries raw control bytes (ESC sequences, a bell).
    const QString file = dir.filePath(QStringLiteral("r.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(
                    file, QByteArray("Forage\x1b[2J\x07-heure-DEMO\tn\theure\r\n07/12/2026 10:00:00\t1\t10:00:00\t\t600\t22,9\r\n"))
                    .isEmpty());
    for (const char* command : {"replay", "analyse", "charts"}) {
        const CliResult r = RunCli({QString::fromLatin1(command), file, QStringLiteral("--as"), QStringLiteral("own"),
                                    QStringLiteral("--config-dir"), config});
        EXPECT_EQ(r.exitCode, 0) << command << r.err.toStdString();
        EXPECT_FALSE(r.out.contains(QChar(0x1b))) << command;
        EXPECT_FALSE(r.err.contains(QChar(0x1b))) << command;
        EXPECT_TRUE(QDir(config).entryList(QDir::Files).isEmpty()) << command;  // a command that reads writes nothing
    }
    const CliResult r = RunCli({QStringLiteral("replay"), file, QStringLiteral("--as"), QStringLiteral("own"),
                                QStringLiteral("--config-dir"), config});
    EXPECT_EQ(r.Value(QStringLiteral("Edit_Prefixe")), QStringLiteral("Forage\\x1b[2J\\x07"));
}
