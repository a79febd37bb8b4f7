#include "recording/recording_writer.h"

#include "util/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sondalog {

SaveResult RecordingWriter::Write(const RecordStore& records, const SaveRequest& request)
{
    SaveResult result;
    // Nothing new since the last save (or nothing at all): no file.
    if (records.size() <= savedRecordCount_) {
        return result;
    }
    if (RecordingBaseName(request.name).isEmpty()) {
        return result;
    }
    QString folder = request.workingDirectory;
    if (request.autoSaving) {
        folder = QDir(folder).filePath(kAutoSaveFolder);
    }
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() && !QDir().mkdir(folder)) {
        result.error = QStringLiteral("Impossible de créer <") + folder + u'>';
        return result;
    }
    const QString fileName = RecordingFileName(request.name);
    const QString path = QDir(folder).filePath(fileName);
    result.Label22 = fileName;
    const QString failure = WriteFileAtomically(path, records.CrLfBytes());
    if (!failure.isEmpty()) {
        result.error = QStringLiteral("Impossible de créer le fichier %1").arg(path);
        return result;
    }
    // Counted as saved only once the whole file is in place.
    savedRecordCount_ = static_cast<int>(records.size());
    result.written = true;
    result.path = path;
    if (!request.autoSaving) {
        lastSavedPath_ = path;
    }
    result.Label11 = QStringLiteral(" sauvegardé à ") + request.name.now.toString(QStringLiteral("hh'H'mm"));
    result.Label11Hint = path;
    if (request.autoSaving) {
        if (!lastAutoSaveFile_.isEmpty() && lastAutoSaveFile_ != path && QFile::exists(lastAutoSaveFile_)) {
            QFile::remove(lastAutoSaveFile_);
        }
        lastAutoSaveFile_ = path;
    } else {
        result.openInEditor = true;
    }
    return result;
}

QString UnsavedReadingsQuestion(int count)
{
    return QStringLiteral(" Les ") + QString::number(count) +
           QStringLiteral(" mesures de l'acquisition en cours n'ont pas été enregistrées.\n\n"
                          " Les effacer pour commencer une nouvelle acquisition ?");
}

QString ClipboardText(const RecordStore& records)
{
    return records.CrLfText();
}

QString SaveReport(int lineCount, const QString& path)
{
    return QString::number(lineCount) + QStringLiteral(" enregistrements effectués dans ") + u'\n' + path + u'\n' +
           QStringLiteral("  et dans le presse_papier");
}

}  // namespace sondalog
