#include "recording/recording_name.h"

#include "util/text_utils.h"

#include <charconv>
#include <cmath>

namespace sondalog {

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

qint64 Amplitude(const QString& maxCaption, const QString& minCaption)
{
    const std::optional<double> max = CaptionNumber(maxCaption);
    const std::optional<double> min = CaptionNumber(minCaption);
    if (!max || !min) {
        return 0;
    }
    return static_cast<qint64>(std::nearbyint(*max - *min));  // the default rounding: halves to even
}

QString DatePrefix(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyy-MM-dd hh'H'mm''ss"));
}

QString SafeFileName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString safe = name;
    for (QChar& c : safe) {
        if (c.unicode() < 32 || forbidden.contains(c)) {
            c = u'_';
        }
    }
    return safe;
}

QString RecordingBaseName(const RecordingNameParts& parts)
{
    QString name = parts.demo ? QStringLiteral("demo") : TrimTrailingSpaces(parts.prefix);
    if (parts.withDate) {
        name = DatePrefix(parts.now) + (name.isEmpty() ? QString() : QStringLiteral(" ")) + name;
    }
    return name;
}

QString RecordingFileName(const RecordingNameParts& parts)
{
    return SafeFileName(RecordingBaseName(parts) + u' ' + QString::number(parts.sampleCount) +
                        QStringLiteral("_enreg_") + QString::number(Amplitude(parts.maxCaption, parts.minCaption)) +
                        QStringLiteral("µS.txt"));
}

}  // namespace sondalog
