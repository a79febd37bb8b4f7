#pragma once
// Text and number helpers shared by every part of the program: blank trimming,
// field extraction and decimal-sign-tolerant number conversion.

#include <QChar>
#include <QString>
#include <QStringView>

namespace sondalog {

/// Outcome of a number conversion: `malformed` tells "not a valid number" apart from a true 0.
template <typename T>
struct Parsed {
    T value{};
    bool malformed = false;
    QString message;  ///< the user-facing conversion message when malformed
    bool notFinite = false;  ///< beyond the range of a real (1e309): no value at all
};

QString TrimTrailingSpaces(const QString& text);
/// Removes leading blanks but never the last character (an all-blank text keeps one blank).
QString TrimLeadingSpaces(const QString& text);
QString TrimSpaces(const QString& text);
int CountChar(QChar c, const QString& text);
/// Where `what` (not empty) first stands in `text` at or after `from`; -1 when it does not.
qsizetype FindText(QStringView text, QStringView what, qsizetype from = 0);
/// True when `what` is not empty and stands in `text` (a marker left empty matches nothing).
inline bool ContainsText(QStringView text, const QString& what)
{
    return !what.isEmpty() && FindText(text, what) >= 0;
}
void ReplaceChar(QChar from, QChar to, QString& text);
/// True when the 'e' or 'E' at i stands between a mantissa's digit and an exponent's digits (1,5e3; 2E-4).
bool IsExponentAt(QStringView text, qsizetype i);
/// Turns '.' and ',' into `decimalSign`, an exponent's 'e' into 'E', and drops every character that is not a
/// number character.
void NormalizeDecimal(QString& text, QChar decimalSign);
/// 0 for an empty text or one not ending in a digit; `malformed` for a text that still is no number.
Parsed<double> ParseReal(QStringView text, QChar decimalSign);
Parsed<int> ParseInt(const QString& text, QChar decimalSign);
/// Field n (from 1) of `text` split at `sep`, runs of separators collapsed, trimmed.
QString FieldText(const QString& text, int n, QChar sep);
int FieldInt(const QString& text, int n, QChar sep, int fallback);
/// The digit a French keyboard's unshifted top-row key stands for (& → 1 … à → 0); other characters unchanged.
QChar AzertyDigit(QChar typed);
/// Maps the French top-row keys to digits and swallows (returns code 0 for) non-numeric keys.

QChar NumericKeyFilter(QChar typed);
QString BoolText(bool flag);
bool IsTrueText(const QString& text);

/// Characters allowed, the ASCII ones as a bit set: one test per character instead of a search. It refers to
/// `allowed`, which must outlive it; the callers that run per reading make theirs once.
class CharSet {
public:
    explicit CharSet(QStringView allowed) : allowed_(allowed)
    {
        for (const QChar c : allowed) {
            if (c.unicode() < 128) {
                ascii_[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
            }
        }
    }
    bool Has(QChar c) const
    {
        const char16_t u = c.unicode();
        return u < 128 ? (ascii_[u >> 6] >> (u & 63)) & 1 : allowed_.contains(c);
    }

private:
    quint64 ascii_[2] = {0, 0};
    QStringView allowed_;
};

/// Keeps only the characters of `allowed`, in order.
QString KeepOnly(QStringView text, QStringView allowed);
QString KeepOnly(QStringView text, const CharSet& allowed);
/// The same into `out`, whose room is reused when it has enough.
void KeepOnlyInto(QString& out, QStringView text, const CharSet& allowed);
/// The same, handing `text` back shared when it keeps every character.
QString KeepOnly(const QString& text, const CharSet& allowed);

/// The number characters for a given decimal sign: + - 0-9 E and the sign.
inline bool IsNumberChar(QChar c, QChar decimalSign)
{
    return c == u'+' || c == u'-' || (c >= u'0' && c <= u'9') || c == u'E' || c == decimalSign;
}

/// The text with every line break (CR, LF, Unicode line and paragraph separators) replaced by a
/// blank: a pasted text must never split a line of a file.
QString SingleLine(const QString& text);
/// True when the text holds a line break SingleLine would replace.
bool HasLineBreak(const QString& text);

/// A message cut to what a screen shows: lines longer than `maxLineChars` shortened in their middle, and past
/// `maxLines` lines only the first and the last ones kept, with how many were left out.
QString BoundedMessage(const QString& text, int maxLineChars = 160, int maxLines = 30);

/// A real in the shortest decimal form with '.' (750, 0.5).
QString ShortestReal(double value);

}  // namespace sondalog
