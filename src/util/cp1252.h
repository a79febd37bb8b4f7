#pragma once
// Windows-1252, the character set of the instrument, the configuration files and the recordings.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace sondalog {

QString DecodeCp1252(const QByteArray& bytes);
/// The same into `text`, whose room is reused when it has enough: a stored file's lines, one by one.
void DecodeCp1252Into(QByteArrayView bytes, QString& text);
/// Characters Windows-1252 cannot hold become '?'.
QByteArray EncodeCp1252(const QString& text);
enum class LineBreaks { Kept, AsBlanks };
/// EncodeCp1252, appended to `out`; with AsBlanks every line break (CR, LF, U+2028, U+2029) becomes a blank.
void AppendCp1252(QByteArray& out, QStringView text, LineBreaks breaks = LineBreaks::Kept);
/// The same written at `out`, which has room for one byte per character; returns the end of what it wrote.
char* EncodeCp1252To(char* out, QStringView text, LineBreaks breaks = LineBreaks::Kept);

}  // namespace sondalog
