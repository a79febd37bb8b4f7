#pragma once
// Opening a stored file away from the window: the file read and checked (text, size), then
// decoded into a run of its own. The window's run is touched only when the result is handed
// back whole, so a cancelled or failed load leaves it as it was.

#include "acquisition/reading_run.h"
#include "recording/stored_files.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace sondalog {

struct StoredFileText {
    QStringList lines;
    QString error;  ///< empty when the lines were read
};

/// The memory a stored file may take once read: a file larger than this is refused before it
/// is read (a tenth of the machine's memory, its lines taking several times their bytes).
qint64 StoredFileSizeLimit();

/// Reads a stored file for opening. Refused with a message: a file that cannot be read, one that
/// is not text (NUL bytes) and one larger than `sizeLimit` bytes.
StoredFileText ReadStoredFile(const QString& path, qint64 sizeLimit);

struct StoredFileJob {
    bool asAuto = false;
    QStringList lines;
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

/// Decodes the file as an own recording or an AUTO file. `progress` gets the thousandths done;
/// `cancel` is read between lines.
StoredFileResult RunStoredFileJob(const StoredFileJob& job, const std::atomic<bool>& cancel,
                                  std::atomic<int>& progress);

}  // namespace sondalog
