#include "util/number_format.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <limits>

namespace sondalog {

namespace {
/// `value` with `decimals` decimals as printf writes it (the exact binary value rounded to the nearest, a tie
/// to the even digit), for the values readings hold: finite, below 2^53 and up to nine decimals. The value is
/// a whole number times a power of two, so its digits and the rounding come out of whole-number arithmetic.
/// Returns the length written, or 0 for a value it does not take (to_chars writes those).
qsizetype FixedDigits(double value, int decimals, char* out)
{
    if (!std::isfinite(value) || decimals > 9 || std::fabs(value) >= 9007199254740992.0) {
        return 0;
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = 0;  // value = mantissa * 2^exponent
    if (biased == 0) {
        exponent = -1074;  // subnormal
    } else {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    static constexpr std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
                                                1000000000};
    unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * kPowers[decimals];
    unsigned __int128 units = 0;  // the value times 10^decimals, rounded
    if (exponent >= 0) {
        units = scaled << exponent;  // below 2^53 * 10^9: fits
    } else if (exponent > -120) {
        const int shift = -exponent;
        units = scaled >> shift;
        const unsigned __int128 rest = scaled - (units << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (units & 1) != 0)) {
            ++units;
        }
    }  // else far below the last decimal: rounds to 0
    char digits[48];
    int n = 0;
    if (units <= std::numeric_limits<std::uint64_t>::max()) {
        // The usual case, in 64 bits: a division by ten is a multiplication there.
        std::uint64_t small = static_cast<std::uint64_t>(units);
        do {
            digits[n++] = static_cast<char>('0' + static_cast<int>(small % 10));
            small /= 10;
        } while (small != 0 || n <= decimals);  // at least one digit before the point
    } else {
        do {
            digits[n++] = static_cast<char>('0' + static_cast<int>(units % 10));
            units /= 10;
        } while (units != 0 || n <= decimals);
    }
    char* p = out;
    if (negative) {
        *p++ = '-';
    }
    for (int i = n - 1; i >= 0; --i) {
        *p++ = digits[i];
        if (i == decimals && decimals > 0) {
            *p++ = '.';
        }
    }
    return p - out;
}
}  // namespace

QString FormatFixed(double value, int width, int decimals, QChar decimalSign)
{
    FixedText text;
    FormatFixed(text, value, width, decimals, decimalSign);
    return text.View().toString();
}

void FormatFixed(FixedText& out, double value, int width, int decimals, QChar decimalSign)
{
    decimals = std::clamp(decimals, 0, 30);
    // Written exactly as printf writes it, at a fraction of its cost (this runs per reading): the usual
    // values by whole-number arithmetic, the others by to_chars.
    char buffer[400];
    qsizetype length = FixedDigits(value, decimals, buffer);
    if (length == 0) {
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        length = r.ec == std::errc() ? r.ptr - buffer : 0;
    }
    const qsizetype pad = std::clamp<qsizetype>(width - length, 0, FixedText::kRoom - length);
    QChar* p = out.chars.data();
    for (qsizetype i = 0; i < pad; ++i) {
        *p++ = u' ';
    }
    for (qsizetype i = 0; i < length; ++i) {
        *p++ = buffer[i] == '.' ? decimalSign : QChar(QLatin1Char(buffer[i]));
    }
    out.size = p - out.chars.data();
}

QString FormatGrouped(qint64 value)
{
    if (value == 0) {
        return {};
    }
    // Written on the stack: a replay shows its count every ten readings.
    const bool negative = value < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    std::array<char, 20> digits{};
    const qsizetype count = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr - digits.data();
    // The format holds nine digit places; longer numbers keep their extra digits in front.
    const qsizetype head = count > 9 ? count - 6 : (count - 1) % 3 + 1;
    std::array<QChar, 32> out{};
    qsizetype k = 0;
    if (negative) {
        out[k++] = u'-';
    }
    for (qsizetype i = 0; i < count; ++i) {
        if (i >= head && (i - head) % 3 == 0) {
            out[k++] = u' ';
        }
        out[k++] = QLatin1Char(digits[static_cast<std::size_t>(i)]);
    }
    return QString(out.data(), k);
}

QString FormatGeneral(double value, int width, int precision, QChar decimalSign)
{
    precision = std::clamp(precision, 1, 15);
    QString text;
    if (value == 0 || !std::isfinite(value)) {
        text = value == 0 ? QStringLiteral("0") : QString::number(value);
    } else {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
        const QString sci = QString::fromLatin1(buffer);
        const qsizetype e = sci.indexOf(u'e');
        const int exponent = sci.mid(e + 1).toInt();
        if (exponent >= precision || exponent < -4) {
            QString mantissa = sci.left(e);
            if (mantissa.contains(u'.')) {
                while (mantissa.endsWith(u'0')) {
                    mantissa.chop(1);
                }
                if (mantissa.endsWith(u'.')) {
                    mantissa.chop(1);
                }
            }
            text = mantissa + u'E' + QString::number(exponent);
        } else {
            std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, precision - 1 - exponent), value);
            text = QString::fromLatin1(buffer);
            if (text.contains(u'.')) {
                while (text.endsWith(u'0')) {
                    text.chop(1);
                }
                if (text.endsWith(u'.')) {
                    text.chop(1);
                }
            }
        }
    }
    text.replace(u'.', decimalSign);
    return text.rightJustified(width, u' ');
}

QString FormatDuration(qint64 seconds)
{
    const bool negative = seconds < 0;
    const qint64 s = negative ? -seconds : seconds;
    QString text = QString::number(s / 3600).rightJustified(2, u'0');
    const int minutes = static_cast<int>((s / 60) % 60);
    const int secs = static_cast<int>(s % 60);
    const QChar tail[6] = {u':', QChar(u'0' + minutes / 10), QChar(u'0' + minutes % 10),
                           u':', QChar(u'0' + secs / 10),    QChar(u'0' + secs % 10)};
    text.append(tail, 6);
    return negative ? u'-' + text : text;
}

int DecimalsFromText(const QString& text, int fallback)
{
    bool ok = false;
    const int d = text.toInt(&ok);
    return ok && d >= 0 ? std::min(d, 30) : fallback;
}

std::optional<double> CaptionNumber(const QString& caption)
{
    QString text = caption.toUpper().trimmed();
    if (text.startsWith(u'<')) {
        text.remove(0, 1);
    }
    text.replace(u',', u'.');
    const QByteArray ascii = text.toLatin1();
    if (ascii.isEmpty()) {
        return std::nullopt;
    }
    const char* begin = ascii.constData();
    const char* end = begin + ascii.size();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const std::from_chars_result r = std::from_chars(begin, end, value);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace sondalog
