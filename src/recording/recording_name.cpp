#include "recording/recording_name.h"

#include "util/text_utils.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace sondalog {

qint64 Amplitude(const QString& maxCaption, const QString& minCaption)
{
    const std::optional<double> max = CaptionNumber(maxCaption);
    const std::optional<double> min = CaptionNumber(minCaption);
    if (!max || !min) {
        return 0;
    }
    // An absurd reading must not overflow the name: what does not fit a whole number reads 0.
    const double amplitude = std::nearbyint(*max - *min);  // the default rounding: halves to even
    if (!std::isfinite(amplitude) || std::abs(amplitude) >= 9.0e18) {
        return 0;
    }
    return static_cast<qint64>(amplitude);
}

QString DatePrefix(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyy-MM-dd hh'H'mm''ss"));
}

namespace {
/// Windows' device names, which no file may take, with or without an extension.
bool IsDeviceName(const QString& stem)
{
    static const QStringList devices = [] {
        QStringList d{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL"),
                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
        for (int k = 0; k <= 9; ++k) {
            d << QStringLiteral("COM%1").arg(k) << QStringLiteral("LPT%1").arg(k);
        }
        d << QStringLiteral("COM\u00B9") << QStringLiteral("COM\u00B2") << QStringLiteral("COM\u00B3")
          << QStringLiteral("LPT\u00B9") << QStringLiteral("LPT\u00B2") << QStringLiteral("LPT\u00B3");
        return d;
    }();
    return devices.contains(stem.trimmed().toUpper());
}
}  // namespace

QString SafeFileName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString safe = name;
    for (QChar& c : safe) {
        if (c.unicode() < 32 || forbidden.contains(c)) {
            c = u'_';
        }
    }
    // Windows drops a trailing dot or blank, so the file would not be the one named.
    for (qsizetype i = safe.size() - 1; i >= 0 && (safe.at(i) == u'.' || safe.at(i) == u' '); --i) {
        safe[i] = u'_';
    }
    const qsizetype dot = safe.indexOf(u'.');
    const QString stem = dot < 0 ? safe : safe.left(dot);
    if (IsDeviceName(stem)) {
        safe.insert(stem.size(), u'_');
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
