#include "fluorometer/fluorometer_export.h"

#include "util/translate.h"

#include <QTimeZone>

namespace sondalog {

std::optional<qint64> LoggerTimeToInstantMs(const FluorometerFile& file, const QDateTime& loggerTime)
{
    if (!loggerTime.isValid()) {
        return std::nullopt;
    }
    const qint64 wallMs = QDateTime(loggerTime.date(), loggerTime.time(), Qt::UTC).toMSecsSinceEpoch();
    int offset = file.readings.empty() ? 0 : file.readings.front().offsetSeconds;
    for (const FluorometerReading& r : file.readings) {
        if (r.instantMs + r.offsetSeconds * 1000LL > wallMs) {
            break;
        }
        offset = r.offsetSeconds;
    }
    return wallMs - offset * 1000LL;
}

namespace {
QString Cell(std::optional<double> v, int decimals, QChar decimal)
{
    if (!v) {
        return {};
    }
    QString text = QString::number(*v, 'f', decimals);
    if (decimal != u'.') {
        text.replace(u'.', decimal);
    }
    return text;
}
}  // namespace

QStringList FluorometerTable(const FluorometerFile& file, const FluorometerCalibration& c,
                             const CorrectedReadings& converted, qint64 t0InstantMs, QChar decimal)
{
    QStringList header{QStringLiteral("heures depuis t0")};
    for (const TracerCalibration& t : c.tracers) {
        header << t.name + QStringLiteral(" [ppb]");
    }
    const bool ntu = !c.turbidity.empty();
    header << (ntu ? QStringLiteral("turbidité [NTU]") : QStringLiteral("turbidité L4 [mV]")) << QStringLiteral("T [°C]");
    QStringList lines{header.join(u';')};
    for (std::size_t n = 0; n < file.readings.size() && n < converted.ppb.size(); ++n) {
        const FluorometerReading& r = file.readings[n];
        QStringList row{Cell(static_cast<double>(r.instantMs - t0InstantMs) / 3.6e6, 4, decimal)};
        for (std::size_t i = 0; i < c.tracers.size(); ++i) {
            row << Cell(converted.ppb[n][i], 3, decimal);
        }
        const std::optional<double>& l4 = r.lamps[3];
        row << Cell(ntu ? (l4 ? c.Ntu(*l4) : std::nullopt) : l4, 2, decimal) << Cell(r.temperature, 2, decimal);
        lines << row.join(u';');
    }
    return lines;
}

TracerCurve TracerSeries(const FluorometerFile& file, const FluorometerCalibration& c,
                         const CorrectedReadings& converted, int index, std::optional<qint64> t0InstantMs)
{
    TracerCurve curve;
    curve.series.Resize(static_cast<int>(file.readings.size()) + 1);
    const std::size_t lamp = static_cast<std::size_t>(c.tracers[static_cast<std::size_t>(index)].lamp - 1);
    int missing = 0, firstMissing = 0;
    for (std::size_t n = 0; n < file.readings.size() && n < converted.ppb.size(); ++n) {
        const FluorometerReading& r = file.readings[n];
        const std::optional<double>& ppb = converted.ppb[n][static_cast<std::size_t>(index)];
        if (!ppb) {
            firstMissing = missing++ == 0 ? r.line : firstMissing;
            continue;
        }
        Sample s;
        s.time = r.instantMs / 1000;
        s.value1 = *ppb;
        s.value2 = r.temperature.value_or(0);
        curve.series.At(++curve.series.sampleCount) = s;
        if (curve.t0 == 0 && (!t0InstantMs || r.instantMs >= *t0InstantMs)) {
            curve.t0 = curve.series.sampleCount;
        }
    }
    if (missing > 0) {
        curve.note = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 mesure(s) sans valeur de la lampe L%2 (la première ligne %3) : laissées hors "
                                    "de la courbe"))
                         .arg(missing)
                         .arg(lamp + 1)
                         .arg(firstMissing);
    }
    return curve;
}

}  // namespace sondalog
