#include "recording/recording_writer.h"

#include "util/text_file.h"
#include "util/translate.h"

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
            result.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Impossible de créer <%1>")).arg(folder) +
                           (ec ? QStringLiteral(" (") + QString::fromLocal8Bit(ec.message()) + u')' : QString());
            return result;
        }
    }
    const QString fileName = RecordingFileName(request.name);
    const QString path = QDir(folder).filePath(fileName);
    result.Label22 = fileName;
    const QString failure = WriteFileAtomically(path, records.CrLfBytes());
    if (!failure.isEmpty()) {
        result.error = Message(kCannotCreateFileMessage).arg(path) + QStringLiteral(" (") + failure + u')';
        return result;
    }
    // Counted as saved only once the whole file is in place.
    (request.autoSaving ? backedUpCount_ : savedRecordCount_) = static_cast<int>(records.size());
    result.written = true;
    result.path = path;
    if (!request.autoSaving) {
        lastSavedPath_ = path;
    }
    result.Label11 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", " sauvegardé à %1"))
                         .arg(request.name.now.toString(QStringLiteral("hh'H'mm")));
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
    const QString text =
        Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 mesures n'ont pu être écrites dans aucun fichier (%2).\n"))
            .arg(QString::number(unwritten), reason);
    if (!rescue.path.isEmpty()) {
        return text + Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Toute l'acquisition (%1 mesures) est enregistrée dans\n%2"))
                          .arg(QString::number(readings), rescue.path);
    }
    return text + Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Elle n'a pu être enregistrée nulle part :\n%1"))
                      .arg(rescue.failures.join(u'\n'));
}

QString UnsavedReadingsQuestion(int count)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", " Les %1 mesures de l'acquisition en cours n'ont pas été "
                                                           "enregistrées.\n\n Les effacer pour commencer une nouvelle "
                                                           "acquisition ?"))
        .arg(count);
}

QString ClipboardText(const RecordStore& records)
{
    return records.CrLfText();
}

QString SaveReport(int lineCount, const QString& path)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 enregistrements effectués dans \n%2\n  et dans le presse_papier"))
        .arg(QString::number(lineCount), path);
}

bool IsRecordingDataLine(const QString& line)
{
    // A reading's second column is its number; a header's is "n".
    bool ok = false;
    line.section(u'\t', 1, 1).trimmed().toInt(&ok);
    return ok && line.count(u'\t') >= 4;
}

}  // namespace sondalog
