#pragma once
// A field fluorometer read live, in string mode: each row it prints is a reading. Its lamps are read by
// the layout the instrument table gives, converted by the calibration (and the corrections that work
// reading by reading), and handed to the processing as the values text of quantity 1 in ppb and the
// water's temperature, with the raw lamps and every tracer as the record line's extra columns.

#include "fluorometer/fluorometer_setup.h"
#include "processing/processing_state.h"

#include <QString>

namespace sondalog {

struct BlockOptions;

struct FluorometerLive {
    FluorometerRowLayout layout;
    FluorometerSetup setup;
    int tracer = 0;  ///< 0-based, the tracer read on the layout's lamp
};

/// The marker of quantity 1 in the values text made of each row.
inline const QString kFluorometerMarker = QStringLiteral("Fluo");

/// Readies a run of the active instrument when it is a fluorometer: the configuration reads the values text,
/// the record names its extra columns, the block options carry the row layout and the calibration. False when
/// it is no fluorometer (nothing changed); with `why` set when it is one that cannot be read (no calibration, no
/// tracer on its lamp): such a run must not start.
bool PrepareFluorometerRun(InstrumentConfig& config, ProcessOptions& options, BlockOptions& block,
                           const FluorometerSetup& setup, QString& why);

/// The time text and the values text of one row; false with `why` (for the log) when it gives no reading.
bool FluorometerReadingTexts(const QString& row, const FluorometerLive& live, QString& time, QString& values,
                             QString& why);

}  // namespace sondalog
