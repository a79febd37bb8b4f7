#pragma once
// The run journal: every record line of a run appended to disk as it is made, so that a crash,
// a kill or a dead battery loses at most the reading being written. The file is a recording in
// its own right (Windows-1252, CR LF, the header line first), kept in the working directory's
// backup sub-folder until the run's recording is safely in place.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QLockFile;

namespace sondalog {

inline const QString kJournalPrefix = QStringLiteral("en_cours ");
inline const QString kRecoveredPrefix = QStringLiteral("repris ");
inline const QString kDeclinedPrefix = QStringLiteral("ecarte ");
/// The longest the operating system may hold journal lines before they are made durable.
inline constexpr int kJournalSyncMs = 2000;

/// "en_cours 2026-12-06 23H22'36 Forage1.txt".
QString JournalFileName(const QDateTime& runStart, const QString& prefix);

/// The lock a live journal holds beside it ("<journal>.lock"): a journal whose lock is held by a running program
/// is never offered as interrupted, renamed or recovered.
QString JournalLockPath(const QString& journalPath);
/// True when a running program (this one or another) holds the journal's lock.
bool JournalIsLive(const QString& journalPath);

class RunJournal {
public:
    RunJournal();
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    /// Starts a journal at `path` (its folder created when missing). `preface` is written first when the run's
    /// own lines will not bring a header: a continued recording's lines, so that the journal alone holds the whole
    /// run (a crash then recovers it as one numbering). Any earlier journal is closed.
    void Begin(const QString& path, const QStringList& preface = {});
    /// Appends lines (written to the operating system at once). Returns a message the first time
    /// the journal cannot be written; lines not written are kept and retried at the next call.
    QString Append(const QStringList& lines);
    /// Asks the background writer to make everything durable now (at each backup).
    void SyncSoon();
    /// Looks whether the journal file (or its folder) was deleted under the run: it is then written again, whole,
    /// where it was (the folder recreated). Returns what to tell the user, once per disappearance; empty
    /// otherwise. Append does it too as soon as the background writer has seen the file gone.
    QString CheckStillThere();
    /// The run was saved: the journal is closed and deleted.
    void Finish();
    /// Closes the journal and leaves it on disk (a failed save, the end of the program); a journal that holds
    /// no reading is removed.
    void Close();

    bool IsActive() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    bool failing() const { return failing_; }
    /// Lines waiting for a journal that could not be written.
    qsizetype pendingCount() const { return pending_.size(); }
    /// Readings among them (the header line, while nothing could be written yet, is none).
    qsizetype pendingReadings() const
    {
        return std::max<qsizetype>(0, pending_.size() - (!anyWritten_ && !pending_.isEmpty() ? 1 : 0));
    }

private:
    QString AppendLines(const QStringList& lines);
    void TakeLock();
    bool OpenFile();
    void CloseFile();
    void SyncLoop();

    QString path_;
    QStringList pending_;
    std::unique_ptr<QLockFile> lock_;
    qint64 linesWritten_ = 0;
    bool anyWritten_ = false;  ///< the header is on disk  ///< lines Append wrote (the header given to Begin not counted)
    int fd_ = -1;
    bool failing_ = false;
    bool told_ = false;

    // The background writer: fdatasync off the window's thread.
    std::mutex mutex_;
    std::condition_variable wake_;
    int syncFd_ = -1;  ///< a duplicate of fd_, owned by the writer's side
    bool dirty_ = false;
    bool syncNow_ = false;
    bool stopping_ = false;
    std::atomic<bool> vanished_{false};  ///< the writer saw the file unlinked (its folder deleted)
    std::thread syncer_;
};

/// A journal left by a run that did not end.
struct InterruptedJournal {
    QString path;
    int count = 0;        ///< data lines
    QString lastTime;     ///< column 1 of the last line
    QStringList lines;    ///< the whole file, header first
};

/// The journals of interrupted runs in `workingDirectory`'s backup sub-folder, oldest first (never a live one).
QList<InterruptedJournal> FindInterruptedJournals(const QString& workingDirectory);
/// The journals a running program is writing in `workingDirectory` (another window on the same folder).
QStringList FindLiveJournals(const QString& workingDirectory);
/// What a window opening on a folder where another program records is told.
QString LiveJournalMessage(const QStringList& livePaths);
/// The question asked at start.
QString RecoveryQuestion(const InterruptedJournal& journal);
/// Writes the journal as an ordinary recording in the working directory (never over a file) and
/// renames the journal with `kRecoveredPrefix`. Returns the recording's path, or why it failed.
struct RecoveryResult {
    QString path;
    QString error;
};
RecoveryResult RecoverJournal(const InterruptedJournal& journal, const QString& workingDirectory);
/// The user declined: the journal is renamed (`kDeclinedPrefix`) so it is not offered again.
bool SetJournalAside(const InterruptedJournal& journal);

}  // namespace sondalog
