#pragma once
// Number formats of the program's captions and files ("%8.3f", "### ### ###", "%3.1g", hh:mm:ss),
// written with the PC's decimal sign.

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace sondalog {

/// printf "%<width>.<decimals>f" with `decimalSign` in place of '.'.
QString FormatFixed(double value, int width, int decimals, QChar decimalSign);
/// Room on the stack for FormatFixed's text (the widest double with 30 decimals).
struct FixedText {
    static constexpr qsizetype kRoom = 400;
    std::array<QChar, kRoom> chars;
    qsizetype size = 0;
    QStringView View() const { return QStringView(chars.data(), size); }
};
/// The same into `out`, no string made: for a value written straight into a record line.
void FormatFixed(FixedText& out, double value, int width, int decimals, QChar decimalSign);
/// "### ### ###": digits grouped by three with blanks, nothing for 0.
QString FormatGrouped(qint64 value);
/// "%<width>.<precision>g" in the classic general form: fixed when the exponent allows, else 1E1.
QString FormatGeneral(double value, int width, int precision, QChar decimalSign);
/// A duration as hh:mm:ss; hours go past 24 rather than wrapping.
QString FormatDuration(qint64 seconds);
/// Decimals count from a text such as "3"; `fallback` when it gives none.
int DecimalsFromText(const QString& text, int fallback);

/// A caption such as "812,4" read as a number: upper-cased, trimmed, a leading '<' dropped,
/// ',' taken as '.', the whole text converted; nullopt otherwise ("max lu").
std::optional<double> CaptionNumber(const QString& caption);

}  // namespace sondalog
