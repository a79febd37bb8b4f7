// Character mode: a burst as the instrument sends it, through the decoder and the processing.
#include "acquisition/character_decoder.h"
#include "acquisition/reading_run.h"
#include "fuzz_support.h"
#include "util/clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    sondalog::ReadingRun& run = fuzz::SharedRun();
    run.config = fuzz::ExampleConfig(data[0] & 1);
    run.options.threeProbes = data[0] & 2;
    run.Start(false);
    // A byte 0x1F splits the input into several bursts, so that a run of readings is exercised.
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    int k = 0;
    for (const QByteArray& burst : bytes.split('\x1f')) {
        const QString text = sondalog::DecodeCp1252(burst);
        run.BurstCycle(text, static_cast<int>(text.size()));
        if (++k == 3) {
            run.MarkT0();
        }
    }
    fuzz::Release(run);
    return 0;
}
