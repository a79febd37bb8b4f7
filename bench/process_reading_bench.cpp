// Cost of processing one reading when the run already holds 100,000 samples.

#include "processing/process_reading.h"
#include "support/print_config.h"

#include <benchmark/benchmark.h>

using namespace sondalog;

static void BM_ProcessReadingAfter100k(benchmark::State& bench)
{
    ProcessingState state;
    const InstrumentConfig config = PrintBlockConfig();
    ProcessOptions options;
    options.regional = Regional::French();
    state.ResetRun(config);
    QDateTime now(QDate(2026, 12, 7), QTime(10, 0, 0));
    QString time;
    for (int i = 0; i < 100000; ++i) {
        time = QStringLiteral("26.09.2009 04:19:39");
        ProcessReading(state, config, options, QStringLiteral("Cond 600.3 µS/cm 22.9 °C  "), time, now);
        now = now.addSecs(1);
    }
    state.MarkT0(now);
    for (auto _ : bench) {
        time = QStringLiteral("26.09.2009 04:19:39");
        DisplayTexts t = ProcessReading(state, config, options, QStringLiteral("Cond 712.4 µS/cm 22.9 °C  "), time, now);
        benchmark::DoNotOptimize(t);
        now = now.addSecs(1);
    }
    bench.counters["samples"] = state.series.sampleCount;
    bench.counters["bytes_per_sample"] = static_cast<double>(sizeof(Sample));
}
BENCHMARK(BM_ProcessReadingAfter100k)->Unit(benchmark::kMicrosecond);
