// One reading processed and the whole graph redrawn (two bands, 1600 x 900), as the window does
// at every reading, at three lengths of run: the time must not grow with the run.

#include "plot/graph_painter.h"
#include "processing/process_reading.h"
#include "support/print_config.h"

#include <benchmark/benchmark.h>

using namespace sondalog;

static void BM_ReadingAndRedraw(benchmark::State& bench)
{
    const int readings = static_cast<int>(bench.range(0));
    ProcessingState state;
    const InstrumentConfig config = PrintBlockConfig();
    ProcessOptions options;
    options.regional = Regional::French();
    state.ResetRun(config);
    QDateTime now = QDateTime::fromMSecsSinceEpoch(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)).toMSecsSinceEpoch(),
                                                   Qt::OffsetFromUTC, 3600);
    QString time;
    for (int i = 0; i < readings; ++i) {
        time = QStringLiteral("26.09.2009 04:19:39");
        const QString value = QString::number(600 + (i % 500) / 5.0, 'f', 1);
        ProcessReading(state, config, options, QStringLiteral("Cond ") + value + QStringLiteral(" µS/cm 22.9 °C  "), time, now);
        now = now.addSecs(1);
        if (i == readings / 3) {
            state.MarkT0(now);
        }
    }
    QImage image(1600, 900, QImage::Format_RGB32);
    QuantityDrawing q1;
    q1.colour = QColor(0, 100, 255);
    q1.labelColour = q1.colour;
    q1.radius = 2;
    q1.integral = true;
    PaintCache cache;  // kept across redraws, as the window's graph keeps it
    q1.cache = &cache;
    QuantityDrawing q2 = q1;
    q2.quantity = 2;
    q2.colour = QColor(200, 0, 88);
    const bool process = bench.range(1) != 0;
    for (auto _ : bench) {
        if (process) {
            time = QStringLiteral("26.09.2009 04:19:39");
            DisplayTexts t =
                ProcessReading(state, config, options, QStringLiteral("Cond 712.4 µS/cm 22.9 °C  "), time, now);
            benchmark::DoNotOptimize(t);
            now = now.addSecs(1);
        }
        Redraw(image, state, q1, q2, true);
    }
    bench.counters["n"] = state.series.sampleCount;
}
// Second argument 0: the redraw alone, to tell its share.
BENCHMARK(BM_ReadingAndRedraw)
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Args({605000, 1})
    ->Args({605000, 0})
    ->Unit(benchmark::kMicrosecond);
