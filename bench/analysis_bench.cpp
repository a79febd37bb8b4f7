// The live tracer analysis as the window makes it: the figures of the whole series from t0 (elapsed times,
// background, passage, moments) and the fit, at three lengths of run. The window spaces each by 200 times
// what the last one cost, so that together they never take more than 1 % of a core.

#include "analysis/run_analysis.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace sondalog;

namespace {
SampleSeries Series(int readings, int& t0)
{
    SampleSeries series;
    series.Resize(readings + 10);
    const qint64 start = TimeValue(QDateTime(QDate(2026, 6, 10), QTime(8, 0)));
    t0 = 100;
    for (int n = 1; n <= readings; ++n) {
        const double t = n - t0;  // one reading a second
        const double c = t > 0 ? 2e6 * std::exp(-std::pow(std::log(t / (readings / 3.0)), 2) * 8) / readings : 0;
        Sample s;
        s.time = start + n;
        s.value1 = 450 + c;
        series.At(++series.sampleCount) = s;
    }
    return series;
}

TracerInputs Inputs()
{
    TracerInputs in;
    in.distance = 2500;
    in.mass = 20;
    in.discharge = 300;
    return in;
}
}  // namespace

static void BM_LiveFigures(benchmark::State& bench)
{
    int t0 = 0;
    const SampleSeries series = Series(static_cast<int>(bench.range(0)), t0);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(AnalyseSeries(series, t0, Inputs(), 0, QTimeZone("Europe/Paris")));
    }
}
BENCHMARK(BM_LiveFigures)->Arg(10000)->Arg(100000)->Arg(605000)->Unit(benchmark::kMillisecond);

static void BM_LiveFit(benchmark::State& bench)
{
    int t0 = 0;
    const SampleSeries series = Series(static_cast<int>(bench.range(0)), t0);
    const RunAnalysis figures = AnalyseSeries(series, t0, Inputs(), 0, QTimeZone("Europe/Paris"));
    for (auto _ : bench) {
        RunAnalysis a = figures;
        FitRun(a, Inputs());
        benchmark::DoNotOptimize(a.fit.velocity);
    }
}
BENCHMARK(BM_LiveFit)->Arg(10000)->Arg(100000)->Arg(605000)->Unit(benchmark::kMillisecond);
