#include "acquisition/fluorometer_rows.h"

#include "acquisition/block_assembler.h"
#include "processing/process_reading.h"
#include "util/translate.h"

namespace sondalog {

namespace {
QString Number(std::optional<double> v, int decimals)
{
    return v ? QString::number(*v, 'f', decimals) : QString();
}
}  // namespace

bool PrepareFluorometerRun(InstrumentConfig& config, ProcessOptions& options, BlockOptions& block,
                           const FluorometerSetup& setup, QString& why)
{
    const std::optional<FluorometerRowLayout> layout = FluorometerRowLayoutOf(config);
    block.fluorometer.reset();
    if (!layout) {
        return false;
    }
    if (!setup.Ready()) {
        why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fluorimètre : %1 (Paramètres, étalonnage)"))
                  .arg(setup.error.isEmpty() ? setup.calibration.Problem() : setup.error);
        return true;
    }
    auto live = std::make_shared<FluorometerLive>();
    live->layout = *layout;
    live->setup = setup;
    live->tracer = -1;
    for (std::size_t i = 0; i < setup.calibration.tracers.size(); ++i) {
        if (setup.calibration.tracers[i].lamp == layout->lamp) {
            live->tracer = static_cast<int>(i);
        }
    }
    if (live->tracer < 0) {
        why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fluorimètre : aucun traceur de l'étalonnage n'est lu sur L%1"))
                  .arg(layout->lamp);
        return true;
    }
    // The values text reads as the demonstration's does: marker, value, unit (µg/L: ppb), temperature.
    config.q1.marker = kFluorometerMarker;
    config.q1.markerNote.clear();
    config.q1.separator = u' ';
    config.q1.occurrence = 2;
    config.q1.unit = QStringLiteral("g/L");
    config.q2.marker = kFluorometerMarker;
    config.q2.separator = u' ';
    config.q2.occurrence = 4;
    options.displayDecimals = QStringLiteral("2");
    options.extraHeader.clear();
    for (int k = 1; k <= kLamps; ++k) {
        options.extraHeader += QStringLiteral("\tL%1 [mV]").arg(k);
    }
    for (const TracerCalibration& t : setup.calibration.tracers) {
        options.extraHeader += u'\t' + t.name + QStringLiteral(" [ppb]");
    }
    const bool ntu = !setup.calibration.turbidity.empty();
    options.extraHeader += ntu ? QStringLiteral("\tturbidité [NTU]") : QString();
    // The third chart follows another tracer (the first one not quantity 1), the fourth the turbidity (NTU, or
    // L4's mV without turbidity standards).
    const int tracers = static_cast<int>(setup.calibration.tracers.size());
    const int other = tracers > 1 ? (live->tracer == 0 ? 1 : 0) : live->tracer;
    options.extraChartColumns = {kLamps + other + 1, ntu ? kLamps + tracers + 1 : kLamps};
    // Corrected as it comes, the tracer is also kept raw (by the calibration alone), for the graph to show both.
    options.rawColumn = 0;
    if (setup.corrections.AnyReadingByReading()) {
        options.extraHeader += u'\t' + setup.calibration.tracers[static_cast<std::size_t>(live->tracer)].name +
                               QStringLiteral(" brut [ppb]");
        options.rawColumn = kLamps + tracers + (ntu ? 1 : 0) + 1;
    }
    block.fluorometer = live;
    return true;
}

bool FluorometerReadingTexts(const QString& row, const FluorometerLive& live, QString& time, QString& values, QString& why)
{
    const std::optional<LiveRow> read = ReadLiveRow(row, live.layout, why);
    if (!read) {
        return false;
    }
    const std::array<std::optional<double>, kMaxTracers> ppb = LiveConcentrations(*read, live.setup);
    const std::optional<double>& tracer = ppb[static_cast<std::size_t>(live.tracer)];
    if (!tracer) {
        why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne du fluorimètre sans valeur pour %1 : pas de point"))
                  .arg(live.setup.calibration.tracers[static_cast<std::size_t>(live.tracer)].name);
        return false;
    }
    time = read->time;
    values = kFluorometerMarker + u' ' + QString::number(*tracer, 'f', 6) + QStringLiteral(" µg/L ") +
             Number(read->temperature, 2) + QStringLiteral(" °C") + kExtraColumnsMark.chopped(1);
    for (const std::optional<double>& mv : read->lamps) {
        values += u'\t' + Number(mv, 2);
    }
    for (std::size_t i = 0; i < live.setup.calibration.tracers.size(); ++i) {
        values += u'\t' + Number(ppb[i], 3);
    }
    if (!live.setup.calibration.turbidity.empty()) {
        values += u'\t' + Number(read->lamps[3] ? live.setup.calibration.Ntu(*read->lamps[3]) : std::nullopt, 2);
    }
    if (live.setup.corrections.AnyReadingByReading()) {
        values += u'\t' + Number(LiveConcentrations(*read, live.setup, false)[static_cast<std::size_t>(live.tracer)], 3);
    }
    return true;
}

}  // namespace sondalog
