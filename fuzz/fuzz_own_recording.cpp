// One of Sondalog's own recordings read back (tab-separated, header first).
#include "fuzz_support.h"
#include "acquisition/stored_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static sondalog::ProcessingState state;  // reused: LoadOwnRecording sizes it to the file
    const QStringList lines = fuzz::Lines(data, size);
    sondalog::LoadOwnRecording(lines, state, sondalog::Regional::French());
    sondalog::BlockLength(lines, QStringLiteral("__"));
    state.series.ClearKeptStamps();
    return 0;
}
