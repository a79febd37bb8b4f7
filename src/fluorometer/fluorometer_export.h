#pragma once
// A fluorometer file converted by its calibration: the semicolon table of hours since t0, each
// tracer's ppb, turbidity and temperature, and one tracer's curve as a series for the analysis.

#include "fluorometer/calibration.h"
#include "fluorometer/corrections.h"
#include "fluorometer/fluorometer_file.h"
#include "processing/sample_series.h"

#include <QStringList>

namespace sondalog {

/// The instant of `loggerTime` (a time as the file writes its stamps, in the logger's clock): the UTC offset of
/// the last reading not after it is taken off. nullopt for an invalid time.
std::optional<qint64> LoggerTimeToInstantMs(const FluorometerFile& file, const QDateTime& loggerTime);

/// The table: a header, then per reading the hours since t0, the ppb of tracers 1–3 (`converted`, as
/// CorrectReadings gives them), turbidity (NTU with turbidity standards, L4 in mV without), T °C; a missing value
/// is an empty field; numbers with `decimal`.
QStringList FluorometerTable(const FluorometerFile& file, const FluorometerCalibration& calibration,
                             const CorrectedReadings& converted, qint64 t0InstantMs, QChar decimal);

struct TracerCurve {
    SampleSeries series;  ///< value1 ppb, value2 °C; time the UTC seconds (analysed in UTC)
    int t0 = 0;           ///< the first reading at or after the t0 instant (1 when none was given)
    QString note;         ///< readings without the tracer's lamp, left out and counted, in French
};

/// Tracer `index` (0-based) in ppb as `converted` gives it.
TracerCurve TracerSeries(const FluorometerFile& file, const FluorometerCalibration& calibration,
                         const CorrectedReadings& converted, int index, std::optional<qint64> t0InstantMs);

}  // namespace sondalog
