#include "util/text_utils.h"

#include "util/translate.h"

#include <algorithm>

#include <QLocale>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace sondalog {

namespace {
constexpr QChar kBlank = u' ';

// True for [+-]digits[.digits][E[+-]digits] with at least one digit before the exponent;
// '.' stands for the decimal sign here. Read through `at`, so QStrings and byte buffers share it.
template <typename At>
bool IsRealSyntaxOf(qsizetype n, At at)
{
    const auto digit = [&](qsizetype i) { return QChar(at(i)).isDigit(); };
    qsizetype i = 0;
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        ++i;
    }
    int digits = 0;
    while (i < n && digit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && at(i) == u'.') {
        ++i;
        while (i < n && digit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && at(i) == u'E') {
        ++i;
        if (i < n && (at(i) == u'+' || at(i) == u'-')) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && digit(i)) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == n;
}

/// [+-]digits[.digits] with at most 15 digits, read exactly: the digits as a whole number and one division
/// by a power of ten, both exact in a double, so the one rounding is the division's, to the nearest, as
/// from_chars rounds (the instrument's values, every one of them, are such numbers). Anything else: nullopt.
std::optional<double> PlainDecimal(const char* text, qsizetype n)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype i = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '+' || text[0] == '-') {
        ++i;
    }
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = -1;  // none until the point
    for (; i < n; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            if (decimals >= 0) {
                ++decimals;
            }
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 15) {
        return std::nullopt;
    }
    const double value = static_cast<double>(whole) / kPowers[std::max(decimals, 0)];
    return negative ? -value : value;
}

bool IsRealSyntax(const QString& text)
{
    return IsRealSyntaxOf(text.size(), [&](qsizetype i) { return text[i].unicode(); });
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
    // A few times per reading (time marks, colons): eight characters at a time where SSE2 is at hand, each
    // match counted in its lane (-1 per match); the lanes are summed before any could overflow.
    const char16_t* const u = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = 0;
    int count = 0;
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c.unicode()));
    while (i + 8 <= size) {
        __m128i lanes = _mm_setzero_si128();
        const qsizetype end = std::min(size - size % 8, i + 8 * 4096);
        for (; i < end; i += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
            lanes = _mm_sub_epi16(lanes, _mm_cmpeq_epi16(v, wanted));
        }
        alignas(16) std::array<quint16, 8> counts{};
        _mm_store_si128(reinterpret_cast<__m128i*>(counts.data()), lanes);
        for (const quint16 n : counts) {
            count += n;
        }
    }
#endif
    for (; i < size; ++i) {
        count += u[i] == c.unicode() ? 1 : 0;
    }
    return count;
}

qsizetype FindText(QStringView text, QStringView what, qsizetype from)
{
    // Short markers in lines and fields, several times per reading: the first character is looked for
    // eight at a time where SSE2 is at hand, and only there is the rest compared.
    const qsizetype m = what.size();
    const qsizetype last = text.size() - m;  // the last place an occurrence can start
    if (m == 0 || from < 0 || from > last) {
        return -1;
    }
    const char16_t* const t = text.utf16();
    const char16_t* const w = what.utf16();
    const auto matchesAt = [&](qsizetype i) {
        qsizetype k = 1;
        while (k < m && t[i + k] == w[k]) {
            ++k;
        }
        return k == m;
    };
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi16(static_cast<short>(w[0]));
    for (; i + 8 <= last + 1; i += 8) {
        unsigned hits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)), first)));
        while (hits != 0) {
            const qsizetype at = i + std::countr_zero(hits) / 2;
            if (matchesAt(at)) {
                return at;
            }
            hits &= hits - 1;  // the two bits of one lane
            hits &= hits - 1;
        }
    }
#endif
    for (; i <= last; ++i) {
        if (t[i] == w[0] && matchesAt(i)) {
            return i;
        }
    }
    return -1;
}

void ReplaceChar(QChar from, QChar to, QString& text)
{
    text.replace(from, to);
}

namespace {
// Through strings: for the malformed value's message, and texts longer than any number.
Parsed<double> ParseRealLongWay(const QString& text, QChar decimalSign)
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
    return {0.0, true, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "'%1' n'est pas une valeur en virgule flottante correcte")).arg(normal)};
}

Parsed<double> NotFinite(const QString& text)
{
    return {0.0, true, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "'%1' n'est pas un nombre fini")).arg(text), true};
}
}  // namespace

bool IsExponentAt(QStringView text, qsizetype i)
{
    if (i <= 0 || i + 1 >= text.size() || (text[i] != u'e' && text[i] != u'E')) {
        return false;
    }
    const auto digit = [&](qsizetype k) { return k >= 0 && k < text.size() && text[k] >= u'0' && text[k] <= u'9'; };
    const bool afterMantissa =
        digit(i - 1) || ((text[i - 1] == u'.' || text[i - 1] == u',') && digit(i - 2));
    const bool beforeDigits = digit(i + 1) || ((text[i + 1] == u'+' || text[i + 1] == u'-') && digit(i + 2));
    return afterMantissa && beforeDigits;
}

void NormalizeDecimal(QString& text, QChar decimalSign)
{
    // In place: the text only shortens.
    if (text.isEmpty()) {
        return;
    }
    // An exponent is told by its neighbours as they were: kept apart before the text is shortened.
    const QString original = text.contains(u'e') ? QString(text.constData(), text.size()) : QString();
    QChar* out = text.data();
    const QChar* end = text.constData() + text.size();
    for (QChar* in = text.data(); in != end; ++in) {
        QChar c = *in;
        if (c == u'.' || c == u',') {
            c = decimalSign;
        } else if (c == u'e' && IsExponentAt(original, in - text.constData())) {
            c = u'E';
        }
        if (IsNumberChar(c, decimalSign)) {
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
}

Parsed<double> ParseReal(QStringView text, QChar decimalSign)
{
    // Every value of every reading comes through here: the kept characters go into a buffer on the
    // stack, the decimal sign as '.', and from_chars reads them. Anything unusual takes the long way.
    char kept[64];
    qsizetype n = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        QChar c = text[at];
        if (c == u'.' || c == u',') {
            c = decimalSign;
        } else if (c == u'e' && IsExponentAt(text, at)) {
            c = u'E';  // 1,5e3 is 1500, as the instrument meant it
        }
        if (!IsNumberChar(c, decimalSign)) {
            continue;
        }
        if (n == static_cast<qsizetype>(sizeof kept)) {
            return ParseRealLongWay(text.toString(), decimalSign);
        }
        kept[n++] = c == decimalSign ? '.' : static_cast<char>(c.unicode());
    }
    if (n == 0 || !(kept[n - 1] >= '0' && kept[n - 1] <= '9')) {
        return {};
    }
    if (const std::optional<double> plain = PlainDecimal(kept, n)) {
        return {*plain, false, {}};
    }
    const char* begin = kept[0] == '+' ? kept + 1 : kept;
    double value = 0;
    if (IsRealSyntaxOf(n, [&](qsizetype i) { return static_cast<char16_t>(kept[i]); })) {
        const std::from_chars_result r = std::from_chars(begin, kept + n, value);
        if (r.ec == std::errc::result_out_of_range && r.ptr == kept + n) {
            return NotFinite(QString::fromLatin1(kept, n));
        }
        if (r.ec == std::errc() && r.ptr == kept + n) {
            return {value, false, {}};
        }
    }
    return ParseRealLongWay(text.toString(), decimalSign);
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
    return {0, true, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "'%1' n'est pas une valeur entière correcte")).arg(normal)};
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

QChar AzertyDigit(QChar typed)
{
    // The unshifted top row of a French keyboard (6 is left out: its key gives the minus sign).
    static const QString azerty = QStringLiteral("&é\"'(è_çà");
    static const QString digits = QStringLiteral("123457890");
    const qsizetype i = azerty.indexOf(typed);
    return i >= 0 ? digits.at(i) : typed;
}

QChar NumericKeyFilter(QChar typed)
{
    const QChar c = AzertyDigit(typed);
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

QString BoundedMessage(const QString& text, int maxLineChars, int maxLines)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.size() > maxLineChars) {
            const int keep = std::max(1, (maxLineChars - 3) / 2);
            line = line.left(keep) + QStringLiteral(" … ") + line.right(keep);
        }
    }
    if (lines.size() > maxLines) {
        const int tail = std::max(1, maxLines / 6);
        const int head = std::max(1, maxLines - tail - 1);
        const qsizetype left = lines.size() - head - tail;
        lines = lines.mid(0, head) + QStringList{Message(QT_TRANSLATE_NOOP("sondalog::Messages", "… (%1 lignes de plus) …")).arg(left)} +
                lines.mid(lines.size() - tail);
    }
    return lines.join(u'\n');
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
