#include "recording/run_journal.h"

#include "recording/recording_name.h"
#include "recording/recording_writer.h"
#include "recording/recording_writer.h"
#include "util/cp1252.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#define SONDALOG_OPEN ::_open
#define SONDALOG_WRITE ::_write
#define SONDALOG_CLOSE ::_close
#define SONDALOG_DUP ::_dup
#define SONDALOG_TRUNCATE ::_chsize_s
#else
#include <unistd.h>
#define SONDALOG_OPEN ::open
#define SONDALOG_WRITE ::write
#define SONDALOG_CLOSE ::close
#define SONDALOG_DUP ::dup
#define SONDALOG_TRUNCATE ::ftruncate
#endif

namespace sondalog {

namespace {
void MakeDurable(int fd)
{
#ifdef Q_OS_WIN
    FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fd)));
#else
    ::fdatasync(fd);
#endif
}

qint64 FileSize(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<qint64>(st.st_size) : -1;
}
}  // namespace

QString JournalLockPath(const QString& journalPath)
{
    return journalPath + QStringLiteral(".lock");
}

bool JournalIsLive(const QString& journalPath)
{
    QLockFile lock(JournalLockPath(journalPath));
    // A run lasts days: only a dead owner makes a lock stale, never its age.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();  // no owner, or a crashed one: the lock file goes
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

QString JournalFileName(const QDateTime& runStart, const QString& prefix)
{
    const QString name = TrimSpaces(SingleLine(prefix));
    return SafeFileName(kJournalPrefix + DatePrefix(runStart) + (name.isEmpty() ? QString() : u' ' + name) +
                        QStringLiteral(".txt"));
}

RunJournal::RunJournal() : syncer_([this] { SyncLoop(); }) {}

RunJournal::~RunJournal()
{
    Close();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    syncer_.join();
}

void RunJournal::Begin(const QString& path, const QStringList& preface)
{
    Close();
    path_ = path;
    pending_.clear();
    failing_ = false;
    told_ = false;
    linesWritten_ = 0;
    anyWritten_ = false;
    vanished_ = false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    TakeLock();
    pending_ << preface;
    Append({});
}

void RunJournal::TakeLock()
{
    if (lock_) {
        return;
    }
    lock_ = std::make_unique<QLockFile>(JournalLockPath(path_));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();  // the folder is not there yet: taken when the journal file can be made
    }
}

bool RunJournal::OpenFile()
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    TakeLock();
    const QByteArray native = QFile::encodeName(path_);
#ifdef Q_OS_WIN
    fd_ = SONDALOG_OPEN(native.constData(), _O_RDWR | _O_CREAT | _O_APPEND | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    // Read and write: a journal whose folder is deleted under the run is read back from this descriptor.
    fd_ = SONDALOG_OPEN(native.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
#endif
    if (fd_ < 0) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    if (syncFd_ >= 0) {
        SONDALOG_CLOSE(syncFd_);
    }
    syncFd_ = SONDALOG_DUP(fd_);
    return true;
}

void RunJournal::CloseFile()
{
    if (fd_ < 0) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        if (syncFd_ >= 0) {
            SONDALOG_CLOSE(syncFd_);
            syncFd_ = -1;
        }
        dirty_ = false;
    }
    SONDALOG_CLOSE(fd_);
    fd_ = -1;
}

QString RunJournal::Append(const QStringList& lines)
{
    if (path_.isEmpty()) {
        return {};
    }
    if (vanished_.load(std::memory_order_relaxed)) {
        const QString told = CheckStillThere();
        if (!told.isEmpty()) {
            const QString more = AppendLines(lines);
            return more.isEmpty() ? told : told + u'\n' + more;
        }
    }
    return AppendLines(lines);
}

QString RunJournal::AppendLines(const QStringList& lines)
{
    const qsizetype newLines = lines.size();
    pending_ << lines;
    if (pending_.isEmpty()) {
        if (fd_ < 0) {
            OpenFile();
        }
        return {};
    }
    int error = 0;
    if (fd_ < 0 && !OpenFile()) {
        error = errno;
    }
    if (fd_ >= 0) {
        const QByteArray bytes = JoinCrLf(pending_);
        const qint64 before = FileSize(fd_);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const auto n = SONDALOG_WRITE(fd_, bytes.constData() + done, static_cast<unsigned>(bytes.size() - done));
            if (n <= 0) {
                error = n < 0 ? errno : ENOSPC;
                break;
            }
            done += n;
        }
        if (error == 0) {
            linesWritten_ += newLines > 0 ? pending_.size() : 0;
            anyWritten_ = true;
            pending_.clear();
            failing_ = false;
            const std::lock_guard lock(mutex_);
            dirty_ = true;
            return {};
        }
        // Half a line must not stay: the whole lines are written again at the next try.
        if (before >= 0) {
            [[maybe_unused]] const int cut = SONDALOG_TRUNCATE(fd_, before);
        }
        CloseFile();  // reopened at the next try: the folder or the stick may come back
    }
    failing_ = true;
    if (told_) {
        return {};
    }
    told_ = true;
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Le journal de l'acquisition ne peut pas être écrit (%1 : %2).\n"
                                                           "L'acquisition continue, les mesures restent en mémoire ; nouvel "
                                                           "essai à chaque mesure."))
        .arg(path_, QString::fromLocal8Bit(std::strerror(error)));
}

void RunJournal::SyncSoon()
{
    {
        const std::lock_guard lock(mutex_);
        syncNow_ = true;
    }
    wake_.notify_all();
}

void RunJournal::SyncLoop()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, std::chrono::milliseconds(kJournalSyncMs), [this] { return stopping_ || syncNow_; });
        syncNow_ = false;
        if (!dirty_ || syncFd_ < 0) {
            continue;
        }
        dirty_ = false;
        const int fd = SONDALOG_DUP(syncFd_);
        lock.unlock();
        // The disk may take its time (a USB stick): never while the window waits.
        if (fd >= 0) {
            MakeDurable(fd);
#ifndef Q_OS_WIN
            struct stat st {};
            if (::fstat(fd, &st) == 0 && st.st_nlink == 0) {
                vanished_ = true;  // its folder was deleted: the window's side writes it again
            }
#endif
            SONDALOG_CLOSE(fd);
        }
        lock.lock();
    }
}

QString RunJournal::CheckStillThere()
{
    if (path_.isEmpty() || fd_ < 0) {
        return {};
    }
    if (!vanished_.load() && QFileInfo::exists(path_)) {
        return {};
    }
    vanished_ = false;
    // What the deleted file held is still readable through the open descriptor: it is written anew, whole.
    QByteArray held;
    const qint64 size = FileSize(fd_);
    if (size > 0) {
        held.resize(size);
        qint64 got = 0;
        while (got < size) {
#ifdef Q_OS_WIN
            const auto n = ::_lseek(fd_, static_cast<long>(got), SEEK_SET) < 0
                               ? -1
                               : ::_read(fd_, held.data() + got, static_cast<unsigned>(size - got));
#else
            const auto n = ::pread(fd_, held.data() + got, static_cast<std::size_t>(size - got), got);
#endif
            if (n <= 0) {
                break;
            }
            got += n;
        }
        held.truncate(got);
    }
    CloseFile();
    const QString folder = QFileInfo(path_).absolutePath();
    const bool folderGone = !QFileInfo::exists(folder);
    if (lock_ && QDir().mkpath(folder)) {
        // Its file went with the folder: put back for the lock to remove it quietly, then taken anew.
        QFile(JournalLockPath(path_)).open(QIODevice::WriteOnly);
    }
    lock_.reset();
    QString failure;
    if (!QDir().mkpath(folder)) {
        failure = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "le dossier ne peut pas être recréé"));
    } else if (!OpenFile()) {
        failure = QString::fromLocal8Bit(std::strerror(errno));
    } else {
        qsizetype done = 0;
        while (done < held.size()) {
            const auto n = SONDALOG_WRITE(fd_, held.constData() + done, static_cast<unsigned>(held.size() - done));
            if (n <= 0) {
                failure = QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC));
                break;
            }
            done += n;
        }
        const std::lock_guard lock(mutex_);
        dirty_ = true;
    }
    const QString what =
        folderGone ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Le dossier du journal de l'acquisition a été supprimé "
                                                                     "pendant la mesure (%1)"))
                   : Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Le journal de l'acquisition a été supprimé pendant la "
                                                                     "mesure (%1)"));
    if (!failure.isEmpty()) {
        CloseFile();
        return what.arg(path_) +
               Message(QT_TRANSLATE_NOOP("sondalog::Messages", " et ne peut pas être réécrit : %1.\nL'acquisition continue, "
                                                               "les mesures restent en mémoire : enregistrer ailleurs."))
                   .arg(failure);
    }
    return what.arg(path_) +
           Message(QT_TRANSLATE_NOOP("sondalog::Messages", " : il a été recréé et les mesures y sont réécrites."));
}

void RunJournal::Finish()
{
    const QString path = path_;
    Close();
    if (!path.isEmpty()) {
        QFile::remove(path);
    }
}

void RunJournal::Close()
{
    if (fd_ >= 0) {
        MakeDurable(fd_);
    }
    CloseFile();
    // A run that ended without a reading leaves nothing behind (an empty journal would be offered for nothing).
    if (!path_.isEmpty() && linesWritten_ == 0 && pending_.isEmpty()) {
        QFile::remove(path_);
    }
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
    path_.clear();
    pending_.clear();
}

QList<InterruptedJournal> FindInterruptedJournals(const QString& workingDirectory)
{
    QList<InterruptedJournal> found;
    const QDir folder(QDir(workingDirectory).filePath(kAutoSaveFolder));
    const QStringList names =
        folder.entryList({kJournalPrefix + QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        if (JournalIsLive(folder.filePath(name))) {
            continue;  // another window records into it now
        }
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        QByteArray bytes = file.readAll();
        // A line cut by a power failure is not a reading.
        const qsizetype end = bytes.lastIndexOf('\n');
        bytes.truncate(end + 1);
        InterruptedJournal j;
        j.path = folder.filePath(name);
        j.lines = SplitLines(DecodeCp1252(bytes));
        if (j.lines.isEmpty()) {
            continue;
        }
        j.count = static_cast<int>(j.lines.size()) - (IsRecordingDataLine(j.lines.first()) ? 0 : 1);
        j.lastTime = j.count > 0 ? j.lines.last().section(u'\t', 0, 0) : QString();
        found << j;
    }
    return found;
}

QStringList FindLiveJournals(const QString& workingDirectory)
{
    QStringList live;
    const QDir folder(QDir(workingDirectory).filePath(kAutoSaveFolder));
    for (const QString& name : folder.entryList({kJournalPrefix + QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (JournalIsLive(folder.filePath(name))) {
            live << folder.filePath(name);
        }
    }
    return live;
}

QString LiveJournalMessage(const QStringList& livePaths)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Une autre fenêtre de Sondalog enregistre une acquisition dans ce "
                                                           "dossier :\n\n%1\n\nSes mesures ne sont pas touchées. Choisir un "
                                                           "autre dossier de travail pour une seconde acquisition."))
        .arg(livePaths.join(u'\n'));
}

QString RecoveryQuestion(const InterruptedJournal& journal)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Une acquisition interrompue a été retrouvée :\n\n%1\n\n%2 mesures, "
                                                           "la dernière le %3\n\nOui : elle est enregistrée dans le répertoire "
                                                           "de travail puis reprise (Continue).\nNon : elle reste dans "
                                                           "sauvegarde_auto et ne sera plus proposée."))
        .arg(journal.path, QString::number(journal.count), journal.lastTime);
}

namespace {
/// The amplitude of column 5 (quantity 1) over the data lines, as a file name shows it.
qint64 JournalAmplitude(const QStringList& lines)
{
    bool any = false;
    double max = 0;
    double min = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0 && !IsRecordingDataLine(lines.at(0))) {
            continue;  // the header
        }
        QString text = lines.at(i).section(u'\t', 4, 4).trimmed();
        text.replace(u',', u'.');
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok) {
            continue;
        }
        max = any ? std::max(max, v) : v;
        min = any ? std::min(min, v) : v;
        any = true;
    }
    return any ? Amplitude(QString::number(max, 'f', 6), QString::number(min, 'f', 6)) : 0;
}

QString RenamedJournal(const QString& path, const QString& prefix)
{
    const QFileInfo info(path);
    QString name = info.fileName();
    if (name.startsWith(kJournalPrefix)) {
        name = name.mid(kJournalPrefix.size());
    }
    QString target = info.dir().filePath(prefix + name);
    for (int k = 2; QFileInfo::exists(target); ++k) {
        target = info.dir().filePath(prefix + QString::number(k) + u' ' + name);
    }
    return target;
}
}  // namespace

RecoveryResult RecoverJournal(const InterruptedJournal& journal, const QString& workingDirectory)
{
    RecoveryResult r;
    QString base = QFileInfo(journal.path).completeBaseName();
    if (base.startsWith(kJournalPrefix)) {
        base = base.mid(kJournalPrefix.size());
    }
    const QString stem = base + u' ' + QString::number(journal.count) + QStringLiteral("_enreg_") +
                         QString::number(JournalAmplitude(journal.lines)) + QStringLiteral("µS");
    QString path = QDir(workingDirectory).filePath(SafeFileName(stem + QStringLiteral(".txt")));
    for (int k = 2; QFileInfo::exists(path); ++k) {
        path = QDir(workingDirectory).filePath(SafeFileName(stem + QStringLiteral(" (%1).txt").arg(k)));
    }
    const QString failure = WriteFileAtomically(path, JoinCrLf(journal.lines));
    if (!failure.isEmpty()) {
        r.error = Message(kCannotCreateFileMessage).arg(path) + QStringLiteral(" (") + failure +
                  u')';
        return r;
    }
    QFile::rename(journal.path, RenamedJournal(journal.path, kRecoveredPrefix));
    r.path = path;
    return r;
}

bool SetJournalAside(const InterruptedJournal& journal)
{
    return QFile::rename(journal.path, RenamedJournal(journal.path, kDeclinedPrefix));
}

}  // namespace sondalog
