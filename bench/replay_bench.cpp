// Decoding a three-probe CSV logging file through the string-mode chain, as a stored AUTO file is.

#include "acquisition/reading_run.h"
#include "acquisition/stored_lines.h"

#include <benchmark/benchmark.h>

using namespace sondalog;

namespace {
QStringList GeneratedFile(int blocks)
{
    QStringList lines;
    lines.reserve(blocks * 3 + 1);
    QDateTime t(QDate(2009, 9, 26), QTime(4, 19, 39));
    for (int i = 0; i < blocks; ++i) {
        const QString stamp = t.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        lines << stamp + QStringLiteral(";14440518;7.01;mV;pH;22.9;°C;SenTix 940")
              << stamp + QStringLiteral(";14440519;85.2;%;Ox;22.9;°C;FDO 925")
              << stamp + QStringLiteral(";14451527;%1;µS/cm;Cond;22.9;°C;TetraCon 925").arg(600 + i % 200);
        t = t.addSecs(1);
    }
    lines << QStringLiteral("fin");
    return lines;
}

void Replay(benchmark::State& bench)
{
    const int blocks = static_cast<int>(bench.range(0));
    const QStringList lines = GeneratedFile(blocks);
    for (auto _ : bench) {
        SystemClock clock;
        ReadingRun run(clock);
        run.config.q1.name = QStringLiteral("conductivité");
        run.config.q1.unit = QStringLiteral("S/cm");
        run.config.q1.marker = QStringLiteral("Cond");
        run.config.q1.occurrence = 1;
        run.config.q2.marker = QStringLiteral("°C");
        run.config.q2.occurrence = 3;
        run.options.threeProbes = true;
        run.options.regional = Regional::French();
        run.blockOptions.threeProbes = true;
        run.Start(false);
        ReplayStoredLines(run, lines);
        if (run.state.series.sampleCount != blocks) {
            bench.SkipWithError("blocks lost");
        }
    }
    bench.SetItemsProcessed(bench.iterations() * blocks);
}
}  // namespace

BENCHMARK(Replay)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
