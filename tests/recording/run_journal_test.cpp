#include "recording/recording_writer.h"
#include "recording/run_journal.h"
#include "support/disk_full.h"
#include "util/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QThread>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kHeader = QStringLiteral("Forage1-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature");

QString Line(int n, const QString& value)
{
    return QStringLiteral("07/12/2026 10:00:%1\t%2\t04:19:39\t\t%3\t22,9").arg(n % 60, 2, 10, QChar(u'0')).arg(n).arg(value);
}
}  // namespace

TEST(RunJournal, EveryLineIsOnDiskAsItIsMade)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.filePath(kAutoSaveFolder)).filePath(
        JournalFileName(QDateTime(QDate(2026, 12, 6), QTime(23, 22, 36)), QStringLiteral("Forage1")));
    EXPECT_TRUE(path.endsWith(QStringLiteral("sauvegarde_auto/en_cours 2026-12-06 23H22'36 Forage1.txt")));
    RunJournal j;
    j.Begin(path);
    EXPECT_TRUE(j.Append({kHeader, Line(1, QStringLiteral(" 600,300"))}).isEmpty());
    // Read by another reader at once, as after a kill: no buffering in between.
    EXPECT_EQ(Bytes(path), JoinCrLf({kHeader, Line(1, QStringLiteral(" 600,300"))}));
    EXPECT_TRUE(j.Append({Line(2, QStringLiteral(" 601,000"))}).isEmpty());
    EXPECT_EQ(ReadTextLines(path).value().size(), 3);
    j.Finish();
    EXPECT_FALSE(QFile::exists(path));

    // A continued recording's journal starts with the recording's header.
    j.Begin(path, {kHeader});
    EXPECT_EQ(Bytes(path), JoinCrLf({kHeader}));
    j.Append({Line(1501, QStringLiteral(" 650,000"))});
    j.Close();
    EXPECT_EQ(ReadTextLines(path).value(), (QStringList{kHeader, Line(1501, QStringLiteral(" 650,000"))}));
}

TEST(RunJournal, AJournalThatCannotBeWrittenIsSaidOnceAndRetried)
{
    QTemporaryDir dir;
    // The backup folder's place is taken by a file: the journal cannot be created (as a pulled stick).
    const QString folder = dir.filePath(kAutoSaveFolder);
    ASSERT_TRUE(WriteFileAtomically(folder, "x").isEmpty());
    const QString path = QDir(folder).filePath(QStringLiteral("en_cours essai.txt"));
    RunJournal j;
    j.Begin(path);
    const QString first = j.Append({kHeader, Line(1, QStringLiteral("600"))});
    EXPECT_TRUE(first.startsWith(QStringLiteral("Le journal de l'acquisition ne peut pas être écrit"))) << first.toStdString();
    EXPECT_TRUE(j.failing());
    EXPECT_TRUE(j.Append({Line(2, QStringLiteral("601"))}).isEmpty());  // said once
    EXPECT_EQ(j.pendingCount(), 3);

    // The folder comes back: everything kept is written, in order.
    ASSERT_TRUE(QFile::remove(folder));
    EXPECT_TRUE(j.Append({Line(3, QStringLiteral("602"))}).isEmpty());
    EXPECT_FALSE(j.failing());
    EXPECT_EQ(ReadTextLines(path).value(),
              (QStringList{kHeader, Line(1, QStringLiteral("600")), Line(2, QStringLiteral("601")),
                           Line(3, QStringLiteral("602"))}));
}

TEST(RunJournal, InterruptedJournalsAreFoundRecoveredOrSetAside)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(kAutoSaveFolder);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString first = QDir(folder).filePath(QStringLiteral("en_cours 2026-12-06 10H00'00 Forage1.txt"));
    const QString second = QDir(folder).filePath(QStringLiteral("en_cours 2026-12-07 10H00'00 Forage2.txt"));
    // The second was cut by a power failure in the middle of its last line.
    ASSERT_TRUE(WriteFileAtomically(first, JoinCrLf({kHeader, Line(1, QStringLiteral(" 600,000")),
                                                     Line(2, QStringLiteral(" 812,400"))}))
                    .isEmpty());
    ASSERT_TRUE(WriteFileAtomically(second, JoinCrLf({kHeader, Line(1, QStringLiteral(" 600,000"))}) + "07/12/2026 10:0")
                    .isEmpty());
    ASSERT_TRUE(WriteFileAtomically(QDir(folder).filePath(QStringLiteral("2026-12-06 demo 5_enreg_0µS.txt")), "x").isEmpty());
    const QList<InterruptedJournal> found = FindInterruptedJournals(dir.path());
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].path, first);
    EXPECT_EQ(found[0].count, 2);
    EXPECT_EQ(found[0].lastTime, QStringLiteral("07/12/2026 10:00:02"));
    EXPECT_EQ(found[1].count, 1);
    EXPECT_TRUE(RecoveryQuestion(found[0]).startsWith(QStringLiteral("Une acquisition interrompue a été retrouvée")));
    EXPECT_TRUE(RecoveryQuestion(found[0]).contains(QStringLiteral("2 mesures")));

    const RecoveryResult r = RecoverJournal(found[0], dir.path());
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(QFileInfo(r.path).fileName(), QStringLiteral("2026-12-06 10H00'00 Forage1 2_enreg_212µS.txt"));
    EXPECT_EQ(Bytes(r.path), JoinCrLf(found[0].lines));
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("repris 2026-12-06 10H00'00 Forage1.txt"))));

    ASSERT_TRUE(SetJournalAside(found[1]));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("ecarte 2026-12-07 10H00'00 Forage2.txt"))));
    EXPECT_TRUE(FindInterruptedJournals(dir.path()).isEmpty());  // never offered again, never deleted
}

TEST(RunJournal, ARunWithoutAReadingLeavesNoJournal)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.filePath(kAutoSaveFolder)).filePath(QStringLiteral("en_cours vide.txt"));
    for (const QStringList& preface : {QStringList(), QStringList{kHeader, Line(1, QStringLiteral("600"))}}) {
        // a new run, a continued one
        RunJournal j;
        j.Begin(path, preface);
        j.Close();
        EXPECT_FALSE(QFile::exists(path)) << preface.size();
        EXPECT_TRUE(FindInterruptedJournals(dir.path()).isEmpty());
    }
    // One reading is a journal to keep.
    RunJournal j;
    j.Begin(path);
    j.Append({kHeader, Line(1, QStringLiteral("600"))});
    j.Close();
    EXPECT_EQ(ReadTextLines(path).value().size(), 2);
}

TEST(RunJournal, ALiveJournalIsNeverOfferedAJournalOfADeadProgramIs)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(kAutoSaveFolder);
    const QString live = QDir(folder).filePath(QStringLiteral("en_cours 2026-12-08 10H00'00 vivant.txt"));
    const QString dead = QDir(folder).filePath(QStringLiteral("en_cours 2026-12-07 10H00'00 mort.txt"));
    RunJournal running;
    running.Begin(live);
    running.Append({kHeader, Line(1, QStringLiteral("600"))});

    // A program killed while it recorded: its lock stays on disk with the pid of a process that is gone.
    ASSERT_TRUE(WriteFileAtomically(dead, JoinCrLf({kHeader, Line(1, QStringLiteral("700"))})).isEmpty());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(JournalLockPath(dead));
        _exit(held.tryLock(0) ? 0 : 1);  // no unlock: as kill -9
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(JournalLockPath(dead)));

    const QList<InterruptedJournal> offered = FindInterruptedJournals(dir.path());
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered[0].path, dead);
    EXPECT_EQ(FindLiveJournals(dir.path()), QStringList{live});
    EXPECT_TRUE(LiveJournalMessage({live}).contains(live));

    running.Finish();
    EXPECT_TRUE(FindLiveJournals(dir.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(JournalLockPath(live)));
}

TEST(RunJournal, AJournalWhoseFolderIsDeletedIsWrittenAgainWhole)
{
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("travail"));
    const QString path = QDir(QDir(work).filePath(kAutoSaveFolder)).filePath(QStringLiteral("en_cours essai.txt"));
    RunJournal j;
    j.Begin(path);
    const QStringList first = {kHeader, Line(1, QStringLiteral("600")), Line(2, QStringLiteral("601"))};
    j.Append(first);
    EXPECT_TRUE(j.CheckStillThere().isEmpty());  // nothing happened: nothing said
    ASSERT_TRUE(QDir(work).removeRecursively());  // the technician tidies the desktop

    // Seen by the background writer at its next sync, then by the next reading.
    j.SyncSoon();
    QString told;
    for (int i = 0; i < 100 && told.isEmpty(); ++i) {
        QThread::msleep(20);
        told = j.Append({});
    }
    if (told.isEmpty()) {
        told = j.CheckStillThere();  // at the backup
    }
    EXPECT_TRUE(told.contains(QStringLiteral("supprimé pendant la mesure"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("recréé"))) << told.toStdString();
    EXPECT_EQ(ReadTextLines(path).value(), first);
    j.Append({Line(3, QStringLiteral("602"))});
    EXPECT_EQ(ReadTextLines(path).value().size(), 4);
}

TEST(RunJournal, AWriteTheDiskRefusesPartWayLeavesNoTornLine)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.filePath(kAutoSaveFolder)).filePath(QStringLiteral("en_cours essai.txt"));
    RunJournal j;
    j.Begin(path);
    const QStringList first = {kHeader, Line(1, QStringLiteral("600"))};
    ASSERT_TRUE(j.Append(first).isEmpty());
    const qint64 before = QFileInfo(path).size();
    {
        // The disk takes ten more bytes, then refuses: the second line is cut in its middle by the write itself.
        FileSizeLimit full(static_cast<rlim_t>(before + 10));
        EXPECT_FALSE(j.Append({Line(2, QStringLiteral("601"))}).isEmpty());
    }
    EXPECT_EQ(QFileInfo(path).size(), before);  // the part written is taken back
    // Room again: the kept line and the next are written whole, and nothing torn is ever read as a reading.
    EXPECT_TRUE(j.Append({Line(3, QStringLiteral("602"))}).isEmpty());
    EXPECT_EQ(ReadTextLines(path).value(),
              (QStringList{kHeader, Line(1, QStringLiteral("600")), Line(2, QStringLiteral("601")),
                           Line(3, QStringLiteral("602"))}));
}
