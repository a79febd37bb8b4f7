#include "util/text_file.h"

#include "util/cp1252.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sondalog {

QStringList SplitLines(const QString& text)
{
    // CR LF, LF and a lone CR (old Mac files, some instruments) all end a line.
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r') {
            continue;
        }
        lines << text.mid(begin, i - begin);
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        begin = i + 1;
    }
    if (begin < size) {
        lines << text.mid(begin);
    }
    return lines;
}

bool IsReadableRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    // A FIFO or a device would block for ever: only regular files are read.
    if (!IsReadableRegularFile(path)) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return SplitLines(DecodeCp1252(file.readAll()));
}

std::optional<QStringList> ReadConfigLines(const QString& path)
{
    if (QFileInfo(path).size() > kConfigFileMaxBytes) {
        return std::nullopt;
    }
    return ReadTextLines(path);
}

QByteArray JoinCrLf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        // A line break inside a line would shift every later line of the file.
        AppendCp1252(bytes, line, LineBreaks::AsBlanks);
        bytes += "\r\n";
    }
    return bytes;
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // write() may only fill Qt's buffer: the disk's refusal (full, quota, too large) shows at the
    // flush, and commit() would still rename a short file into place. Check each step and the size.
    const bool whole = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError &&
                       file.size() == bytes.size();
    if (!whole) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                  : Message(QT_TRANSLATE_NOOP("sondalog::Messages", "écriture incomplète"));
        file.cancelWriting();
        return why.isEmpty() ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", "écriture incomplète")) : why;
    }
    if (!file.commit()) {
        const QString why = file.errorString();
        return why.isEmpty() ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", "écriture impossible")) : why;
    }
    return {};
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\')) {
        return folder;
    }
    return folder + QDir::separator();
}

}  // namespace sondalog
