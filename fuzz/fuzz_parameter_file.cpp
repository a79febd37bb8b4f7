// The parameter file (Sondalog.ini): counts, then one comma-separated row per line.
#include "fuzz_support.h"
#include "instrument/row_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const QStringList lines = fuzz::Lines(data, size);
    // Counts past 64 rows only pad the table with example rows (the same code, a thousand times
    // slower); the unit tests cover how long counts are cut.
    if (lines.size() > 1 && lines.at(1).trimmed().toInt() > 64) {
        return 0;
    }
    sondalog::InstrumentTable table;
    sondalog::FillExampleRows(table);
    if (sondalog::ParseTableLines(table, lines).ok) {
        sondalog::ApplyInstrumentTable(table, (data[0] % 4) + 1, u',', {});
        // What is saved reads back (for tables of a usual size: the long ones only cost time here).
        if (table.RowCount() <= 40) {
            sondalog::InstrumentTable back;
            sondalog::ParseTableLines(back, sondalog::TableFileLines(table));
        }
    }
    return 0;
}
