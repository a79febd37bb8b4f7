#include "util/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sondalog {

QString FormatFixed(double value, int width, int decimals, QChar decimalSign)
{
    decimals = std::clamp(decimals, 0, 30);
    // to_chars rounds exactly as printf does, at a fraction of its cost (this runs per reading).
    char buffer[400];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    const qsizetype length = r.ec == std::errc() ? r.ptr - buffer : 0;
    const qsizetype pad = std::max<qsizetype>(0, width - length);
    QString text(pad + length, u' ');
    QChar* p = text.data() + pad;
    for (qsizetype i = 0; i < length; ++i) {
        *p++ = buffer[i] == '.' ? decimalSign : QChar(QLatin1Char(buffer[i]));
    }
    return text;
}

QString FormatGrouped(qint64 value)
{
    if (value == 0) {
        return {};
    }
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    QString out;
    // The format holds nine digit places; longer numbers keep their extra digits in front.
    const qsizetype head = digits.size() > 9 ? digits.size() - 6 : (digits.size() - 1) % 3 + 1;
    out = digits.left(head);
    for (qsizetype i = head; i < digits.size(); i += 3) {
        out += u' ' + digits.mid(i, 3);
    }
    return negative ? u'-' + out : out;
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

}  // namespace sondalog
