#include "util/text_utils.h"

#include <algorithm>

#include <QLocale>

#include <charconv>
#include <limits>
#include <optional>

namespace sondalog {

namespace {
constexpr QChar kBlank = u' ';

// True for [+-]digits[.digits][E[+-]digits] with at least one digit before the exponent;
// '.' stands for the decimal sign here.
bool IsRealSyntax(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    int digits = 0;
    while (i < n && text[i].isDigit()) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && text[i] == u'E') {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && text[i].isDigit()) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == n;
}

bool IsWholeSyntax(const QString& text)
{
    qsizetype i = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (!text[i].isDigit()) {
            return false;
        }
    }
    return true;
}

std::optional<double> ToDouble(const QString& text)
{
    if (!IsRealSyntax(text)) {
        return std::nullopt;
    }
    // The syntax is plain ASCII here, so from_chars can read it without Qt's locale machinery.
    const QByteArray ascii = text.toLatin1();
    const char* begin = ascii.constData();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const std::from_chars_result r = std::from_chars(begin, ascii.constData() + ascii.size(), value);
    if (r.ec != std::errc() || r.ptr != ascii.constData() + ascii.size()) {
        return std::nullopt;
    }
    return value;
}
}  // namespace

QString TrimTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == kBlank) {
        --end;
    }
    return text.left(end);
}

QString TrimLeadingSpaces(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() - 1 && text.at(start) == kBlank) {
        ++start;
    }
    return text.mid(start);
}

QString TrimSpaces(const QString& text)
{
    return TrimTrailingSpaces(TrimLeadingSpaces(text));
}

int CountChar(QChar c, const QString& text)
{
    return static_cast<int>(text.count(c));
}

bool ContainsText(QStringView text, const QString& what)
{
    return !what.isEmpty() && text.contains(what);
}

void ReplaceChar(QChar from, QChar to, QString& text)
{
    text.replace(from, to);
}

bool IsNumberChar(QChar c, QChar decimalSign)
{
    return c == u'+' || c == u'-' || (c >= u'0' && c <= u'9') || c == u'E' || c == decimalSign;
}

void NormalizeDecimal(QString& text, QChar decimalSign)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (QChar c : std::as_const(text)) {
        if (c == u'.' || c == u',') {
            c = decimalSign;
        }
        if (IsNumberChar(c, decimalSign)) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
    text = out;
}

Parsed<double> ParseReal(const QString& text, QChar decimalSign)
{
    QString normal = text;
    NormalizeDecimal(normal, decimalSign);
    if (normal.isEmpty() || !normal.back().isDigit()) {
        return {};
    }
    QString dotted = normal;
    dotted.replace(decimalSign, u'.');
    if (const auto value = ToDouble(dotted)) {
        return {*value, false, {}};
    }
    return {0.0, true, QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(normal)};
}

Parsed<int> ParseInt(const QString& text, QChar decimalSign)
{
    QString normal = text;
    NormalizeDecimal(normal, decimalSign);
    if (normal.isEmpty() || !normal.back().isDigit()) {
        return {};
    }
    bool ok = false;
    const qlonglong value = IsWholeSyntax(normal) ? normal.toLongLong(&ok) : 0;
    if (ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()) {
        return {static_cast<int>(value), false, {}};
    }
    return {0, true, QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(normal)};
}

QString FieldText(const QString& text, int n, QChar sep)
{
    QString work = text;
    const QString twice(2, sep);
    while (work.contains(twice)) {
        work.replace(twice, QString(sep));
    }
    if (work.isEmpty()) {
        // Not a number, so FieldInt falls back on it.
        work = QStringLiteral("_extraitUTIL<>");
    }
    if (n <= 0) {
        return {};
    }
    if (!work.startsWith(sep)) {
        work.prepend(sep);
    }
    if (!work.endsWith(sep)) {
        work.append(sep);
    }
    qsizetype p = -1;
    for (int i = 0; i < n; ++i) {
        p = work.indexOf(sep, p + 1);
        if (p < 0) {
            return {};
        }
    }
    const qsizetype q = work.indexOf(sep, p + 1);
    if (q < 0) {
        return {};
    }
    return TrimSpaces(work.mid(p + 1, q - p - 1));
}

int FieldInt(const QString& text, int n, QChar sep, int fallback)
{
    const QString field = FieldText(text, n, sep);
    if (!IsWholeSyntax(field)) {
        return fallback;
    }
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? value : fallback;
}

QChar NumericKeyFilter(QChar typed)
{
    static const QString azerty = QStringLiteral("&é\"'(è_çà");
    static const QString digits = QStringLiteral("123457890");
    const qsizetype i = azerty.indexOf(typed);
    QChar c = i >= 0 ? digits.at(i) : typed;
    const bool passes = c == QChar(8) || c == QChar(9) || c == u',' || c == u'-' || c == u'.' ||
                        (c >= u'0' && c <= u'9');
    return passes ? c : QChar(0);
}

QString BoolText(bool flag)
{
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

bool IsTrueText(const QString& text)
{
    return text == QLatin1String("true");
}

QString KeepOnly(const QString& text, const QString& allowed)
{
    // Runs on every received value: fill a buffer in place rather than append char by char.
    // The allowed ASCII characters as a bit set: one test per character instead of a search.
    quint64 ascii[2] = {0, 0};
    for (const QChar c : allowed) {
        if (c.unicode() < 128) {
            ascii[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
        }
    }
    QString out(text.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 128 ? (ascii[u >> 6] >> (u & 63)) & 1 : allowed.contains(c)) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
    return out;
}

namespace {
bool IsLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029);
}
}  // namespace

bool HasLineBreak(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), IsLineBreak);
}

QString SingleLine(const QString& text)
{
    if (!HasLineBreak(text)) {
        return text;
    }
    QString single = text;
    for (QChar& c : single) {
        if (IsLineBreak(c)) {
            c = u' ';
        }
    }
    return single;
}

QString ShortestReal(double value)
{
    // Up to 15 significant digits, never in exponent form.
    const double rounded = QString::number(value, 'g', 15).toDouble();
    QString text = QString::number(rounded, 'f', QLocale::FloatingPointShortest);
    if (text == QLatin1String("-0")) {
        text = QStringLiteral("0");
    }
    return text;
}

}  // namespace sondalog
