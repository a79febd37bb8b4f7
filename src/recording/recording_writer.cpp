#include "recording/recording_writer.h"

#include "util/text_file.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace sondalog {

SaveResult RecordingWriter::Write(const RecordStore& records, const SaveRequest& request)
{
    SaveResult result;
    // Nothing new since the last save (or nothing at all): no file. A backup is not the recording: Stop + save
    // after a backup still writes it.
    const int alreadyWritten = request.autoSaving ? std::max(savedRecordCount_, backedUpCount_) : savedRecordCount_;
    if (records.size() <= alreadyWritten) {
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
    if (!folderInfo.isDir()) {
        std::error_code ec;
        if (!std::filesystem::create_directory(std::filesystem::path(folder.toStdU16String()), ec) || ec) {
            result.error = QStringLiteral("Impossible de créer <") + folder + u'>' +
                           (ec ? QStringLiteral(" (") + QString::fromLocal8Bit(ec.message()) + u')' : QString());
            return result;
        }
    }
    const QString fileName = RecordingFileName(request.name);
    const QString path = QDir(folder).filePath(fileName);
    result.Label22 = fileName;
    const QString failure = WriteFileAtomically(path, records.CrLfBytes());
    if (!failure.isEmpty()) {
        result.error = QStringLiteral("Impossible de créer le fichier %1").arg(path) + QStringLiteral(" (") + failure + u')';
        return result;
    }
    // Counted as saved only once the whole file is in place.
    (request.autoSaving ? backedUpCount_ : savedRecordCount_) = static_cast<int>(records.size());
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

RescueResult WriteRescue(const RecordStore& records, const QStringList& folders, const RecordingNameParts& name)
{
    RescueResult r;
    const QString fileName = kRescuePrefix + RecordingFileName(name);
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        QString path = QDir(folder).filePath(fileName);
        for (int k = 2; QFileInfo::exists(path); ++k) {
            path = QDir(folder).filePath(kRescuePrefix + QString::number(k) + u' ' + RecordingFileName(name));
        }
        const QString failure = WriteFileAtomically(path, records.CrLfBytes());
        if (failure.isEmpty()) {
            r.path = path;
            return r;
        }
        r.failures << path + QStringLiteral(" : ") + failure;
    }
    return r;
}

QString RescueMessage(qint64 unwritten, qint64 readings, const QString& reason, const RescueResult& rescue)
{
    QString text = QString::number(unwritten) + QStringLiteral(" mesures n'ont pu être écrites dans aucun fichier (") +
                   reason + QStringLiteral(").\n");
    if (!rescue.path.isEmpty()) {
        return text + QStringLiteral("Toute l'acquisition (") + QString::number(readings) +
               QStringLiteral(" mesures) est enregistrée dans\n") + rescue.path;
    }
    return text + QStringLiteral("Elle n'a pu être enregistrée nulle part :\n") + rescue.failures.join(u'\n');
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

bool IsRecordingDataLine(const QString& line)
{
    // A reading's second column is its number; a header's is "n".
    bool ok = false;
    line.section(u'\t', 1, 1).trimmed().toInt(&ok);
    return ok && line.count(u'\t') >= 4;
}

}  // namespace sondalog
