#include "recording/recording_writer.h"
#include "support/disk_full.h"
#include "util/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
const QDateTime kNow(QDate(2026, 12, 6), QTime(23, 22, 36));

SaveRequest Request(const QString& dir, bool autoSaving = false)
{
    SaveRequest r;
    r.workingDirectory = dir;
    r.autoSaving = autoSaving;
    r.name.prefix = QStringLiteral("Forage1");
    r.name.now = kNow;
    r.name.sampleCount = 2;
    r.name.maxCaption = QStringLiteral("812,4");
    r.name.minCaption = QStringLiteral("400,0");
    return r;
}

QStringList Records(int n)
{
    QStringList r{QStringLiteral("Forage1-heure-WTW3430\tn")};
    for (int i = 1; i <= n; ++i) {
        r << QStringLiteral("06/12/2026 23:22:%1\t%2").arg(i, 2, 10, QChar(u'0')).arg(i);
    }
    return r;
}
}  // namespace

TEST(RecordingName, NameParts)
{
    struct Case {
        QString prefix;
        bool demo;
        bool withDate;
        QString max, min;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("Forage1  "), false, true, QStringLiteral("812,4"), QStringLiteral("400,0"),
         QStringLiteral("2026-12-06 23H22'36 Forage1 1500_enreg_412µS.txt")},
        {QStringLiteral("Forage1"), true, true, QStringLiteral("600,0"), QStringLiteral("600,0"),
         QStringLiteral("2026-12-06 23H22'36 demo 1500_enreg_0µS.txt")},
        {QString(), false, true, QStringLiteral("max lu"), QStringLiteral("min lu"),
         QStringLiteral("2026-12-06 23H22'36 1500_enreg_0µS.txt")},
        {QStringLiteral("puits"), false, false, QStringLiteral("12.5"), QStringLiteral("10"),
         QStringLiteral("puits 1500_enreg_2µS.txt")},  // 2.5 rounds to the even 2
        {QStringLiteral("puits"), false, false, QStringLiteral("13,5"), QStringLiteral("<10"),
         QStringLiteral("puits 1500_enreg_4µS.txt")},
        {QStringLiteral("a/b:c*?\"<>|\\"), false, false, QStringLiteral("1"), QStringLiteral("1"),
         QStringLiteral("a_b_c_______ 1500_enreg_0µS.txt")},
    };
    for (const Case& c : cases) {
        RecordingNameParts p;
        p.prefix = c.prefix;
        p.demo = c.demo;
        p.withDate = c.withDate;
        p.now = kNow;
        p.sampleCount = 1500;
        p.maxCaption = c.max;
        p.minCaption = c.min;
        EXPECT_EQ(RecordingFileName(p), c.expected) << c.prefix.toStdString();
    }
    RecordingNameParts none;
    none.withDate = false;
    EXPECT_TRUE(RecordingBaseName(none).isEmpty());
}

TEST(RecordingWriter, WritesOnlyWhatIsNew)
{
    QTemporaryDir dir;
    RecordingWriter w;
    QStringList records = Records(2);
    const SaveResult first = w.Write(records, Request(dir.path()));
    ASSERT_TRUE(first.written) << first.error.toStdString();
    EXPECT_EQ(first.Label22, QStringLiteral("2026-12-06 23H22'36 Forage1 2_enreg_412µS.txt"));
    EXPECT_EQ(first.Label11, QStringLiteral(" sauvegardé à 23H22"));
    EXPECT_TRUE(first.openInEditor);
    EXPECT_EQ(w.lastSavedLineCount(), 2);
    QFile f(first.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), JoinCrLf(records));

    EXPECT_FALSE(w.Write(records, Request(dir.path())).written);  // no new line
    records << QStringLiteral("06/12/2026 23:22:03\t3");
    EXPECT_TRUE(w.Write(records, Request(dir.path())).written);

    RecordingWriter empty;
    EXPECT_FALSE(empty.Write({}, Request(dir.path())).written);
    SaveRequest noName = Request(dir.path());
    noName.name.prefix.clear();
    noName.name.withDate = false;
    EXPECT_FALSE(empty.Write(records, noName).written);
    EXPECT_TRUE(empty.Write(records, noName).error.isEmpty());
}

TEST(RecordingWriter, ABackupIsNotTheRecordingStopStillWritesIt)
{
    QTemporaryDir dir;
    RecordingWriter w;
    const QStringList records = Records(3);
    const SaveResult backup = w.Write(records, Request(dir.path(), true));
    ASSERT_TRUE(backup.written);
    EXPECT_TRUE(backup.path.contains(QStringLiteral("/sauvegarde_auto/")));
    EXPECT_FALSE(backup.openInEditor);
    EXPECT_TRUE(w.HasUnsavedLines(records));  // the journal must stay until the recording is written
    EXPECT_FALSE(w.Write(records, Request(dir.path(), true)).written);  // the same backup again: nothing new
    const SaveResult stop = w.Write(records, Request(dir.path()));
    ASSERT_TRUE(stop.written);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(w.HasUnsavedLines(records));
    EXPECT_FALSE(w.Write(records, Request(dir.path(), true)).written);  // a backup after it: nothing new
}

TEST(RecordingWriter, EachBackupReplacesThePreviousOnceWritten)
{
    QTemporaryDir dir;
    RecordingWriter w;
    QStringList records = Records(2);
    const SaveResult first = w.Write(records, Request(dir.path(), true));
    ASSERT_TRUE(QFile::exists(first.path));

    // A backup that fails keeps the previous one.
    records << QStringLiteral("06/12/2026 23:22:03\t3");
    SaveRequest failing = Request(dir.path(), true);
    failing.name.sampleCount = 3;
    ASSERT_TRUE(QDir().mkpath(QDir(dir.path()).filePath(
        QStringLiteral("sauvegarde_auto/2026-12-06 23H22'36 Forage1 3_enreg_412µS.txt"))));
    EXPECT_FALSE(w.Write(records, failing).written);
    EXPECT_TRUE(QFile::exists(first.path));

    SaveRequest next = Request(dir.path(), true);
    next.name.sampleCount = 4;
    records << QStringLiteral("06/12/2026 23:22:04\t4");
    const SaveResult second = w.Write(records, next);
    ASSERT_TRUE(second.written);
    EXPECT_TRUE(QFile::exists(second.path));
    EXPECT_FALSE(QFile::exists(first.path));

    w.ForgetAutoSave();  // a new run keeps the backups of the earlier one
    records << QStringLiteral("06/12/2026 23:22:05\t5");
    next.name.sampleCount = 5;
    EXPECT_TRUE(w.Write(records, next).written);
    EXPECT_TRUE(QFile::exists(second.path));
}

TEST(RecordingWriter, FailedSaveKeepsCountAndEarlierFile)
{
    QTemporaryDir dir;
    RecordingWriter w;
    QStringList records = Records(5);
    SaveRequest request = Request(dir.path());
    const SaveResult first = w.Write(records, request);
    ASSERT_TRUE(first.written);
    const QByteArray firstBytes = JoinCrLf(records);
    const int saved = w.lastSavedLineCount();

    // The working directory is a file: the backup folder cannot be created.
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteFileAtomically(notAFolder, "x").isEmpty());
    records << QStringLiteral("06/12/2026 23:22:06\t6");
    const SaveResult folderFails = w.Write(records, Request(notAFolder, true));
    EXPECT_FALSE(folderFails.written);
    // With the system's reason.
    EXPECT_EQ(folderFails.error,
              QStringLiteral("Impossible de créer <") + notAFolder + QStringLiteral("/sauvegarde_auto> (Not a directory)"));
    EXPECT_EQ(w.lastSavedLineCount(), saved);

    // The disk refuses the write itself, on the very path of the earlier file, with the same writer.
    {
        FileSizeLimit full(0);
        const SaveResult fileFails = w.Write(records, request);
        EXPECT_FALSE(fileFails.written);
        EXPECT_TRUE(fileFails.error.startsWith(QStringLiteral("Impossible de créer le fichier ") + first.path + " ("))
            << fileFails.error.toStdString();
        EXPECT_TRUE(fileFails.error.contains(QStringLiteral("File too large"))) << fileFails.error.toStdString();
    }
    EXPECT_EQ(w.lastSavedLineCount(), saved);
    QFile earlier(first.path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), firstBytes);

    // The lines are still unsaved, so the next save writes them.
    EXPECT_TRUE(w.HasUnsavedLines(records));
    EXPECT_TRUE(w.Write(records, request).written);
}

TEST(RecordingWriter, FailedBackupKeepsThePreviousBackup)
{
    QTemporaryDir dir;
    RecordingWriter w;
    QStringList records = Records(5);
    const SaveResult first = w.Write(records, Request(dir.path(), true));
    ASSERT_TRUE(first.written);
    records << QStringLiteral("06/12/2026 23:22:06\t6");
    SaveRequest next = Request(dir.path(), true);
    next.name.now = kNow.addSecs(300);
    {
        FileSizeLimit full(16);  // part of the file goes to disk, the rest is refused
        const SaveResult failed = w.Write(records, next);
        EXPECT_FALSE(failed.written);
        EXPECT_FALSE(failed.error.isEmpty());
    }
    EXPECT_TRUE(QFile::exists(first.path));
    EXPECT_EQ(QFileInfo(first.path).size(), JoinCrLf(Records(5)).size());
    EXPECT_EQ(w.lastAutoSaveFile(), first.path);
    EXPECT_EQ(QDir(QFileInfo(first.path).path()).entryList(QDir::Files).size(), 1);  // no empty file beside it
}

TEST(RecordingWriter, ContinuationWithOneNewLineIsSaved)
{
    // The same writer that saved an earlier, longer run: a stored recording opened to be continued
    // starts its record list empty, and its first new line is saved.
    QTemporaryDir dir;
    RecordingWriter w;
    ASSERT_TRUE(w.Write(Records(5), Request(dir.path())).written);
    w.ResetRun();
    const QStringList onlyNew{QStringLiteral("06/12/2026 23:22:36\t1501")};
    SaveRequest later = Request(dir.path());
    later.name.sampleCount = 1501;
    const SaveResult r = w.Write(onlyNew, later);
    EXPECT_TRUE(r.written);
    EXPECT_FALSE(w.HasUnsavedLines(onlyNew));
}

TEST(RecordingName, ImpossibleNamesAndAmplitudesAreMadeSafe)
{
    struct Case {
        QString name;
        QString safe;
    };
    const Case cases[] = {
        {QStringLiteral("CON"), QStringLiteral("CON_")},
        {QStringLiteral("nul.txt"), QStringLiteral("nul_.txt")},
        {QStringLiteral("Com1.log"), QStringLiteral("Com1_.log")},
        {QStringLiteral("LPT9"), QStringLiteral("LPT9_")},
        {QStringLiteral("CONSOLE.txt"), QStringLiteral("CONSOLE.txt")},
        {QStringLiteral("forage."), QStringLiteral("forage_")},
        {QStringLiteral("forage. "), QStringLiteral("forage__")},
        {QStringLiteral("aux "), QStringLiteral("aux_")},
        {QStringLiteral("2026-12-06 23H22'36 CON 3_enreg_0µS.txt"), QStringLiteral("2026-12-06 23H22'36 CON 3_enreg_0µS.txt")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SafeFileName(c.name), c.safe) << c.name.toStdString();
    }
    EXPECT_EQ(Amplitude(QStringLiteral("1e300"), QStringLiteral("-1e300")), 0);
    EXPECT_EQ(Amplitude(QStringLiteral("1e308"), QStringLiteral("-1e308")), 0);  // infinite difference
    EXPECT_EQ(Amplitude(QStringLiteral("9.3e18"), QStringLiteral("0")), 0);
    EXPECT_EQ(Amplitude(QStringLiteral("812,4"), QStringLiteral("400")), 412);
}

TEST(RecordingWriter, ReportAndClipboard)
{
    EXPECT_EQ(SaveReport(300, QStringLiteral("/w/f.txt")),
              QStringLiteral("300 enregistrements effectués dans \n/w/f.txt\n  et dans le presse_papier"));
    EXPECT_EQ(ClipboardText({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a\r\nb\r\n"));
}
