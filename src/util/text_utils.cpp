#include "util/text_utils.h"

#include <QLocale>
#include <QRegularExpression>

#include <limits>
#include <optional>

namespace sondalog {

namespace {
constexpr QChar kBlank = u' ';

// Converts a normalised text; '.' stands for the decimal sign here.
std::optional<double> ToDouble(const QString& text)
{
    static const QRegularExpression real(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)(E[+-]?\d+)?$)"));
    if (!real.match(text).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
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
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'.' || c == u',') {
            c = decimalSign;
        }
        if (IsNumberChar(c, decimalSign)) {
            out.append(c);
        }
    }
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
    static const QRegularExpression whole(QStringLiteral(R"(^[+-]?\d+$)"));
    bool ok = false;
    const qlonglong value = whole.match(normal).hasMatch() ? normal.toLongLong(&ok) : 0;
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
    static const QRegularExpression whole(QStringLiteral(R"(^[+-]?\d+$)"));
    const QString field = FieldText(text, n, sep);
    if (!whole.match(field).hasMatch()) {
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
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (allowed.contains(c)) {
            out.append(c);
        }
    }
    return out;
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
