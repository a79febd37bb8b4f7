#include "recording/stored_file_load.h"

#include "util/clock.h"
#include "util/cp1252.h"
#include "util/text_file.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <new>

namespace sondalog {

qint64 StoredFileSizeLimit()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) {
        return qint64(400) << 20;
    }
    return static_cast<qint64>(pages) * pageSize / 10;
}

StoredFileText ReadStoredFile(const QString& path, qint64 sizeLimit)
{
    StoredFileText text;
    const QString cannotOpen = QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path);
    if (!IsReadableRegularFile(path)) {
        text.error = cannotOpen;
        if (QFileInfo::exists(path)) {
            text.error += QStringLiteral(" : ce n'est pas un fichier ordinaire");
        }
        return text;
    }
    const qint64 size = QFileInfo(path).size();
    if (size > sizeLimit) {
        text.error = QStringLiteral("Le fichier %1 est trop grand pour la mémoire de ce PC (%2 Mo, %3 Mo au plus) : "
                                    "rien n'est chargé")
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
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            text.error = cannotOpen + QStringLiteral(" : ") + file.errorString();
            return text;
        }
        if (bytes.contains('\0')) {
            text.error = QStringLiteral("Le fichier %1 n'est pas un fichier texte (il contient des octets nuls) : rien "
                                        "n'est chargé")
                             .arg(path);
            return text;
        }
        text.lines = SplitLines(DecodeCp1252(bytes));
    } catch (const std::bad_alloc&) {
        text.lines.clear();
        text.error = QStringLiteral("Mémoire insuffisante pour lire le fichier %1 : rien n'est chargé").arg(path);
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
        if (job.asAuto) {
            result.autoLoad = LoadAutoFile(job.lines, run, report);
        } else {
            run.state.ResetRun(run.config);
            result.own = LoadOwnRecording(job.lines, run.state, job.regional, report);
        }
        result.cancelled = cancel.load();
        result.state = std::move(run.state);
        result.records = std::move(run.records);
        result.shown = run.shown;
        result.instrumentTime = run.instrumentTime;
    } catch (const std::bad_alloc&) {
        result = StoredFileResult();
        result.error = QStringLiteral("Mémoire insuffisante pour décoder ce fichier : rien n'est chargé");
    }
    progress = 1000;
    return result;
}

}  // namespace sondalog
