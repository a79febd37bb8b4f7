#pragma once
// What the program does with its configuration folder at start: table, configuration, settings.

#include "app/config_paths.h"
#include "app/settings.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "util/messages.h"

namespace sondalog {

struct Startup {
    InstrumentTable table;
    InstrumentConfig config;
    Settings settings;
    QStringList writeFailures;  ///< files that had to be created and could not be
};

/// Lays out the table, loads the parameter file (creating it and the settings file from the
/// example and the start values when missing), derives the configuration, loads the settings.
/// `readOnly` (a command that only reads): a missing table is the example in memory, nothing is written.
Startup LoadStartup(const ConfigPaths& paths, QChar decimalSign, const InfoSink& info, bool readOnly = false);

}  // namespace sondalog
