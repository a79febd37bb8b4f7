#pragma once
// What every fuzz target shares: the bytes as the program would decode them, and the example
// instrument the table gives on a first start.

#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "instrument/parameter_file.h"
#include "acquisition/reading_run.h"
#include "util/clock.h"
#include "util/cp1252.h"
#include "util/text_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <time.h>

/// A named time zone, as on an operator's PC: without TZ the C library would stat the zone file at
/// every local time conversion, and the targets would measure the file system instead of the parsers.
extern "C" inline int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "Europe/Paris", 0);
    tzset();
    return 0;
}

namespace fuzz {

inline QString Text(const uint8_t* data, size_t size)
{
    return sondalog::DecodeCp1252(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
}

inline QStringList Lines(const uint8_t* data, size_t size)
{
    return sondalog::SplitLines(Text(data, size));
}

/// The example instrument; `twoColons` gives it the simulator's time mark. Made once: the targets
/// run thousands of inputs a second.
inline sondalog::InstrumentConfig MakeExampleConfig(bool twoColons)
{
    sondalog::InstrumentTable table;
    sondalog::FillExampleRows(table);
    if (twoColons) {
        table.SetCell(15, 1, QStringLiteral("::"));
        table.SetCell(15, 2, QStringLiteral("::"));
    }
    return sondalog::ApplyInstrumentTable(table, 1, u',', {});
}

inline const sondalog::InstrumentConfig& ExampleConfig(bool twoColons)
{
    static const sondalog::InstrumentConfig plain = MakeExampleConfig(false);
    static const sondalog::InstrumentConfig colons = MakeExampleConfig(true);
    return twoColons ? colons : plain;
}

/// One run reused from input to input, as the program reuses its own between Starts: a new
/// series would map and unmap half a megabyte per input.
inline sondalog::ReadingRun& SharedRun()
{
    static sondalog::FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), 1);
    static sondalog::ReadingRun run(clock);
    clock.Set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    run.options = sondalog::ProcessOptions();
    run.options.regional = sondalog::Regional::French();
    run.blockOptions = sondalog::BlockOptions();
    run.stopRequested = false;
    return run;
}

/// Gives back what an input allocated, so that the leak check sees every input end even.
inline void Release(sondalog::ReadingRun& run)
{
    run.Start(false);
    run.ClearPendingBlock();
    run.onRecordLines = nullptr;
}

}  // namespace fuzz
