// The instrument's own logging file (AUTO file), decoded as the string mode would.
#include "fuzz_support.h"
#include "acquisition/stored_files.h"
#include "util/clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    sondalog::ReadingRun& run = fuzz::SharedRun();
    run.config = fuzz::ExampleConfig(true);
    run.config.q1.occurrence = data[0] & 1 ? 1 : 2;
    run.options.threeProbes = run.blockOptions.threeProbes = data[0] & 2;
    int beforeLine = 0;
    sondalog::LoadAutoFile(fuzz::Lines(data + 1, size - 1), run, [](double) { return true; }, [&] {
        if (++beforeLine == 5) {
            run.MarkT0();
        }
    });
    fuzz::Release(run);
    return 0;
}
