#pragma once
// Fields of a received text for a one-character separator, as both reading modes and the
// per-sample processing cut them.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

namespace sondalog {

/// The fields of `text`: a run of blanks counts as one blank separator; with any other
/// separator two adjacent ones delimit an empty field. Fields are not trimmed.
QStringList SplitFields(const QString& text, QChar sep);
/// The same fields as views into `text`, nothing copied: for the per-reading path.
using FieldViews = QVarLengthArray<QStringView, 32>;
FieldViews SplitFieldViews(QStringView text, QChar sep);
/// The text without blanks at either end (TrimSpaces on a view). Inline: several fields of every reading.
inline QStringView TrimSpacesView(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ') {
        ++start;
    }
    while (end > start && text[end - 1] == u' ') {
        --end;
    }
    return text.sliced(start, end - start);
}
/// Field n (from 1) of `fields` without its blanks at either end; empty for n out of range.
inline QStringView FieldView(const FieldViews& fields, qsizetype n)
{
    return n >= 1 && n <= fields.size() ? TrimSpacesView(fields[n - 1]) : QStringView();
}
/// The number (from 1) of the last of `fields` (views into `text`) whose text without blanks at either end
/// holds `what`; 0 when none does or `what` is empty. The text is searched once, not field by field.
qsizetype LastFieldHolding(const FieldViews& fields, QStringView text, QStringView what);
/// Field n (from 1), trimmed of blanks; empty for n out of range.
QString LineField(const QString& text, int n, QChar sep);
/// The text before the instrument's ", AR"-style flags: cut at the first ',' that is not a decimal
/// comma (a ',' between two digits is one), trimmed.
QString BeforeFlags(const QString& text);
/// Keeps only the characters whose code is at least `threshold`.
QString DropControlChars(const QString& text, int threshold);
/// Removes every occurrence of c.
QString RemoveChar(QChar c, const QString& text);

}  // namespace sondalog
