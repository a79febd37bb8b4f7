#pragma once
// Windows-1252, the character set of the instrument, the configuration files and the recordings.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace sondalog {

QString DecodeCp1252(const QByteArray& bytes);
/// Characters Windows-1252 cannot hold become '?'.
QByteArray EncodeCp1252(const QString& text);
/// EncodeCp1252, appended to `out`.
void AppendCp1252(QByteArray& out, QStringView text);

}  // namespace sondalog
