#pragma once
// Opening a stored file away from the window: the file read and checked (text, size), then
// decoded into a run of its own. The window's run is touched only when the result is handed
// back whole, so a cancelled or failed load leaves it as it was.

#include "acquisition/reading_run.h"
#include "acquisition/stored_files.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace sondalog {

struct StoredFileText {
    QStringList lines;    ///< the file's first lines (all of them unless fewer were asked)
    qint64 lineCount = 0;  ///< every line of the file
    QString error;         ///< empty when the file can be opened
};

/// Why a file holding NUL bytes (UTF-16, binary) is not opened.
QString NotTextMessage(const QString& path);

/// Said when a stored file cannot be opened; kNotRegularFileMessage follows it for a folder or a device.
inline const char* const kCannotOpenFileMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "Impossible d'ouvrir le fichier %1");
inline const char* const kNotRegularFileMessage = QT_TRANSLATE_NOOP("sondalog::Messages", " : ce n'est pas un fichier ordinaire");
/// Said when the disk fails while a stored file is read: a half-read file is never shown as the whole.
inline const char* const kReadInterruptedMessage =
    QT_TRANSLATE_NOOP("sondalog::Messages", "Lecture interrompue du fichier %1 : rien n'est chargé");

/// The memory a stored file may take once read: a file larger than this is refused before it
/// is read (a tenth of the machine's memory, its lines taking several times their bytes).
qint64 StoredFileSizeLimit();

/// Checks a stored file for opening, a chunk at a time, and reads its first `headLines` lines (-1:
/// all). Refused with a message: a file that cannot be read, one that is not text (NUL bytes) and
/// one larger than `sizeLimit` bytes.
StoredFileText ReadStoredFile(const QString& path, qint64 sizeLimit, int headLines = -1);

struct StoredFileJob {
    bool asAuto = false;
    QString path;         ///< read again, as it goes, by the job
    qint64 lineCount = 0;
    int blockLength = 0;  ///< of the file's first lines, for the expected count
    InstrumentConfig config;
    ProcessOptions options;
    BlockOptions blockOptions;
    Regional regional;
};

struct StoredFileResult {
    bool cancelled = false;
    QString error;  ///< set when the load could not be done (memory)
    ProcessingState state;
    RecordStore records;
    DisplayTexts shown;
    QString instrumentTime;
    OwnRecordingLoad own;
    AutoFileLoad autoLoad;
};

/// Decodes the file as an own recording or an AUTO file, streamed from its path. `progress` gets the thousandths done;
/// `cancel` is read between lines.
StoredFileResult RunStoredFileJob(const StoredFileJob& job, const std::atomic<bool>& cancel,
                                  std::atomic<int>& progress);

}  // namespace sondalog
