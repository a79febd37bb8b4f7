// The charts window's rebuild of a week's run (every reading walked before; whole blocks of 64
// readings from the series' summaries now), for each packet calculation.

#include "charts/chart_packets.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace sondalog;

static void BM_ChartsRebuild(benchmark::State& bench)
{
    const int readings = static_cast<int>(bench.range(0));
    SampleSeries series;
    series.Resize(readings + SampleSeries::kGrowth);
    for (int n = 1; n <= readings; ++n) {
        Sample& s = series.At(n);
        s.value1 = 600 + 100 * std::sin(n / 5000.0);
        s.value2 = 12 + n % 7 / 10.0;
        s.phValue = 7.1;
        s.oxValue = 80 + n % 13;
    }
    series.sampleCount = readings;
    ChartPackets packets;
    packets.SetCalc(static_cast<PacketCalc>(bench.range(1)));
    for (auto _ : bench) {
        ChartUpdate u = packets.Rebuild(series);
        benchmark::DoNotOptimize(u);
    }
}
// 100 points per chart; calculation 1 the mean, 3 the maximum.
BENCHMARK(BM_ChartsRebuild)->Args({605000, 1})->Args({605000, 3})->Unit(benchmark::kMicrosecond);
