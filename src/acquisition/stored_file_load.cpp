#include "acquisition/stored_file_load.h"

#include "util/clock.h"
#include "util/line_reader.h"
#include "util/text_file.h"
#include "util/translate.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cstring>
#include <new>

namespace sondalog {

QString NotTextMessage(const QString& path)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Le fichier %1 n'est pas un fichier texte (il contient des octets nuls) : rien n'est chargé"))
        .arg(path);
}

qint64 StoredFileSizeLimit()
{
    // A tenth of the machine's memory; 400 MB when it cannot be told.
#ifdef Q_OS_WIN
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status) || status.ullTotalPhys == 0) {
        return qint64(400) << 20;
    }
    return static_cast<qint64>(status.ullTotalPhys / 10);
#else
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) {
        return qint64(400) << 20;
    }
    return static_cast<qint64>(pages) * pageSize / 10;
#endif
}

StoredFileText ReadStoredFile(const QString& path, qint64 sizeLimit, int headLines)
{
    StoredFileText text;
    const QString cannotOpen = Message(kCannotOpenFileMessage).arg(path);
    if (!IsReadableRegularFile(path)) {
        text.error = cannotOpen;
        if (QFileInfo::exists(path)) {
            text.error += Message(kNotRegularFileMessage);
        }
        return text;
    }
    const qint64 size = QFileInfo(path).size();
    if (size > sizeLimit) {
        text.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Le fichier %1 est trop grand pour la mémoire de ce PC (%2 Mo, %3 Mo au plus) : "
                                    "rien n'est chargé"))
                         .arg(path)
                         .arg(size >> 20)
                         .arg(sizeLimit >> 20);
        return text;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        text.error = cannotOpen;
        return text;
    }
    // One pass over the bytes: no NUL anywhere, and the lines counted as SplitLines cuts them.
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    bool previousCr = false;
    char last = '\n';
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0) {
            text.error = cannotOpen + QStringLiteral(" : ") + file.errorString();
            return text;
        }
        if (got == 0) {
            break;
        }
        const char* p = chunk.constData();
        if (std::memchr(p, '\0', static_cast<std::size_t>(got))) {
            text.error = NotTextMessage(path);
            return text;
        }
        for (qint64 i = 0; i < got; ++i) {
            if (p[i] == '\n') {
                text.lineCount += previousCr ? 0 : 1;  // the LF of a CR LF ends nothing more
            } else if (p[i] == '\r') {
                ++text.lineCount;
            }
            previousCr = p[i] == '\r';
        }
        last = p[got - 1];
    }
    if (last != '\n' && last != '\r') {
        ++text.lineCount;  // a last line without its line end
    }
    LineReader reader(path);
    QString line;
    while ((headLines < 0 || text.lines.size() < headLines) && reader.Next(line)) {
        text.lines << line;
    }
    return text;
}

StoredFileResult RunStoredFileJob(const StoredFileJob& job, const std::atomic<bool>& cancel,
                                  std::atomic<int>& progress)
{
    StoredFileResult result;
    try {
        SystemClock clock;
        ReadingRun run(clock);
        run.config = job.config;
        run.options = job.options;
        run.blockOptions = job.blockOptions;
        const Progress report = [&](double fraction) {
            progress = static_cast<int>(fraction * 1000);
            return !cancel.load(std::memory_order_relaxed);
        };
        LineReader reader(job.path);
        const NextLine next = [&](QString& line) { return reader.Next(line); };
        const std::function<double()> fraction = [&] { return reader.Fraction(); };
        const int lineCount = static_cast<int>(std::min<qint64>(job.lineCount, 1'000'000'000));
        if (job.asAuto) {
            result.autoLoad = LoadAutoFile(next, lineCount, job.blockLength, run, report, fraction);
        } else {
            run.state.ResetRun(run.config);
            result.own = LoadOwnRecording(next, lineCount, run.state, job.regional, report, fraction);
        }
        if (reader.Failed()) {
            result.error = Message(kReadInterruptedMessage).arg(job.path);
        } else if (reader.NotText()) {
            result.error = NotTextMessage(job.path);
        }
        result.cancelled = cancel.load();
        result.state = std::move(run.state);
        result.records = std::move(run.records);
        result.shown = run.shown;
        result.instrumentTime = run.instrumentTime;
    } catch (const std::bad_alloc&) {
        result = StoredFileResult();
        result.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Mémoire insuffisante pour décoder ce fichier : rien n'est chargé"));
    }
    progress = 1000;
    return result;
}

}  // namespace sondalog
