#pragma once
// The settings and configuration a run reads, gathered for the processing.

#include "acquisition/block_assembler.h"
#include "app/settings.h"
#include "fluorometer/fluorometer_setup.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "processing/processing_state.h"
#include "util/regional.h"

namespace sondalog {

/// The processing options of a run: the settings' controls, the active row's interval cell,
/// the instrument caption ("DEMO" in demonstration).
ProcessOptions MakeProcessOptions(const Settings& settings, const InstrumentTable& table,
                                  const InstrumentConfig& config, const Regional& regional);
BlockOptions MakeBlockOptions(const Settings& settings);
/// A fluorometer as the active instrument (not in demonstration): its rows read by the calibration, which goes
/// into the recording's header. Empty text when the run may start; else why not (no usable calibration).
QString PrepareInstrumentRun(const Settings& settings, const FluorometerSetup& fluorometer, InstrumentConfig& config,
                             ProcessOptions& options, BlockOptions& block);

}  // namespace sondalog
