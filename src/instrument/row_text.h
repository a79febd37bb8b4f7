#pragma once
// The comma-separated row format of the parameter file.

#include <QString>
#include <QStringList>

namespace sondalog {

/// Cells joined by ','; a cell holding a blank or control character, a '"' or a ',' is quoted.
QString WriteRowText(const QStringList& cells);
/// Fields of a row text: quoted fields, blanks outside quotes separate like commas.
QStringList ReadRowFields(const QString& line);
/// Cells to store in a row: an empty field becomes a single blank.
QStringList FieldsToCells(const QStringList& fields);
/// Fewer than 3 characters once commas become blanks and the text is trimmed.
bool IsQuasiEmpty(const QString& rowText);

}  // namespace sondalog
