// ProcessReading on any values text: unit prefixes, numbers, baseline, area, axes, captions.
#include "fuzz_support.h"
#include "processing/process_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) {
        return 0;
    }
    static sondalog::ProcessingState state;  // reused, reset below as a Start does
    const sondalog::InstrumentConfig& config = fuzz::ExampleConfig(data[0] & 1);
    sondalog::ProcessOptions options;
    options.regional = data[0] & 2 ? sondalog::Regional::French() : sondalog::Regional::Point();
    options.mode = data[0] & 4 ? sondalog::ReadMode::StringCsv : sondalog::ReadMode::Character;
    options.threeProbes = data[0] & 8;
    options.demo = data[0] & 16;
    options.recordingDecimalSign = data[0] & 32 ? 1 : 0;
    // The second byte picks the decimals setting, among those an operator may type.
    static const QString decimals[] = {QStringLiteral("µ=0;m=3;k=1;F=3"), QStringLiteral("4"), QString(),
                                       QStringLiteral("µ=;m=x;F=99"), QStringLiteral(";;=;")};
    options.decimalsSetting = decimals[data[1] % 5];
    state.ResetRun(config);
    QDateTime now(QDate(2026, 12, 7), QTime(10, 0));
    QString time = QStringLiteral("04:19:39");
    int n = 0;
    for (const QString& line : fuzz::Lines(data + 2, size - 2)) {
        sondalog::ProcessReading(state, config, options, line, time, now);
        now = now.addSecs(1);
        if (++n == 2) {
            state.MarkT0(now);
        }
    }
    state.ResetRun(config);
    state.initialPrefix.clear();
    state.currentPrefix.clear();
    state.decimals = {};
    return 0;
}
