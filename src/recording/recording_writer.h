#pragma once
// Writing the record list as a recording file, by hand (Stop, exit) or as an automatic backup.

#include "recording/recording_name.h"

#include "util/record_store.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace sondalog {

inline const QString kAutoSaveFolder = QStringLiteral("sauvegarde_auto");

struct SaveRequest {
    QString workingDirectory;
    RecordingNameParts name;
    bool autoSaving = false;  ///< the timer's backup: sub-folder, previous backup replaced, no editor
};

struct SaveResult {
    bool written = false;
    QString path;
    QString error;       ///< set when the save failed; nothing counts as saved then
    QString Label22;     ///< the file name
    QString Label11;     ///< " sauvegardé à 14H05"
    QString Label11Hint; ///< the path
    bool openInEditor = false;
};

/// The record list's writer and what it remembers between saves.
class RecordingWriter {
public:
    /// Writes the record list unless nothing is new since the last save or the name is empty.
    /// A failed save changes nothing it remembers and leaves any earlier file as it was.
    SaveResult Write(const RecordStore& records, const SaveRequest& request);

    /// A new run (not a continuation): nothing saved yet.
    void ResetRun()
    {
        savedRecordCount_ = 0;
        backedUpCount_ = 0;
    }
    /// Start: a new run never deletes the backup of an earlier one.
    void ForgetAutoSave() { lastAutoSaveFile_.clear(); }

    /// Lines of the record list at the last save (not backup), minus the header line.
    int lastSavedLineCount() const { return std::max(0, savedRecordCount_ - 1); }
    const QString& lastAutoSaveFile() const { return lastAutoSaveFile_; }
    /// The last recording written by a save (not a backup).
    const QString& lastSavedPath() const { return lastSavedPath_; }
    bool HasUnsavedLines(const RecordStore& records) const { return records.size() > savedRecordCount_; }

private:
    int savedRecordCount_ = 0;  ///< record lines in the last recording written
    int backedUpCount_ = 0;     ///< record lines in the last backup
    QString lastAutoSaveFile_;
    QString lastSavedPath_;
};

/// The name of a recording written where it could be, when neither its folder nor the journal could take it.
inline const QString kRescuePrefix = QStringLiteral("secours ");
struct RescueResult {
    QString path;          ///< where the record list went; empty when no folder took it
    QStringList failures;  ///< each folder tried, with the system's reason
};
/// Writes the whole record list into the first of `folders` that takes it (never over a file).
RescueResult WriteRescue(const RecordStore& records, const QStringList& folders, const RecordingNameParts& name);
/// "25 mesures n'ont pu être écrites dans aucun fichier (No space left on device). Toute l'acquisition (93
/// mesures) est enregistrée dans …"
QString RescueMessage(qint64 unwritten, qint64 readings, const QString& reason, const RescueResult& rescue);

/// The status line after a save or a backup that failed (the file named beside it was not written).
inline const char* const kSaveFailedMessage = QT_TRANSLATE_NOOP("sondalog::Messages", " échec de l'enregistrement de ");
inline const char* const kBackupFailedMessage = QT_TRANSLATE_NOOP("sondalog::Messages", " échec de la sauvegarde automatique de ");

/// Said after a failed save: nothing was cleared.
inline const char* const kReadingsKeptMessage =
    QT_TRANSLATE_NOOP("sondalog::Messages", "\n\nLes mesures sont conservées en mémoire : libérer de la place ou choisir un autre "
                   "répertoire, puis recommencer.");
/// Said when a save at exit failed and the program stays open.
inline const char* const kExitCancelledMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "Sortie annulée : un enregistrement a échoué.\n\n");
/// Asked before Start or the link test clears readings that were never saved.
QString UnsavedReadingsQuestion(int count);

/// The record list as the clipboard receives it.
QString ClipboardText(const RecordStore& records);
/// The question panel's report after a save by hand.
QString SaveReport(int lineCount, const QString& path);

/// True when a recording's line is a reading (its second column a number), false for its header line.
bool IsRecordingDataLine(const QString& line);

}  // namespace sondalog
