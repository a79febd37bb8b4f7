// String and CSV mode: lines gathered into blocks, the block stamps compared, the readings processed.
#include "acquisition/block_resync.h"
#include "acquisition/block_stamps.h"
#include "acquisition/reading_run.h"
#include "fuzz_support.h"
#include "util/clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    sondalog::ReadingRun& run = fuzz::SharedRun();
    run.config = fuzz::ExampleConfig(true);
    run.config.q1.occurrence = 1;
    run.options.mode = sondalog::ReadMode::StringCsv;
    run.options.threeProbes = run.blockOptions.threeProbes = data[0] & 1;
    run.Start(false);
    const QStringList lines = fuzz::Lines(data + 1, size - 1);
    sondalog::BlockResync resync;
    resync.Start();
    for (const QString& line : lines) {
        run.LineCycle(line);
        resync.Feed(line, run.config, run.blockOptions);
    }
    sondalog::CompareBlockStamps(lines.join(u';'));
    fuzz::Release(run);
    return 0;
}
