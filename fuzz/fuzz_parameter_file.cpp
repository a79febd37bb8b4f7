// The parameter file (Sondalog.ini): counts, then one comma-separated row per line.
#include "fuzz_support.h"
#include "instrument/row_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    sondalog::InstrumentTable table;
    sondalog::FillExampleRows(table);
    if (sondalog::ParseTableLines(table, fuzz::Lines(data, size)).ok) {
        for (int active : {1, 3, table.RowCount() - 1}) {
            sondalog::ApplyInstrumentTable(table, active, u',', {});
        }
        // What is saved reads back as the same table.
        sondalog::InstrumentTable back;
        sondalog::ParseTableLines(back, sondalog::TableFileLines(table));
    }
    return 0;
}
