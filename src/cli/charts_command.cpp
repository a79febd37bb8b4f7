// sondalog-cli charts: the points the charts window would hold after opening a file, so that
// scripts (and tests) can read the packets without a display.
#include "charts/chart_packets.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "acquisition/stored_files.h"
#include "util/text_utils.h"

namespace sondalog::cli {

int ChartsCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue = RunValueOptions();
    withValue << QStringLiteral("--as") << QStringLiteral("--points") << QStringLiteral("--calc");
    const Options o = ParseOptions(args, withValue, {});
    if (!o.error.isEmpty() || o.positional.size() != 1) {
        err << "sondalog-cli charts: " << (o.error.isEmpty() ? QStringLiteral("one FILE is needed") : o.error) << '\n';
        return 2;
    }
    const QString as = o.Value(QStringLiteral("--as"));
    if (!as.isEmpty() && as != QLatin1String("auto") && as != QLatin1String("own")) {
        err << "sondalog-cli charts: --as takes auto or own\n";
        return 2;
    }
    int choice = 1;  // 100 points, as the window starts
    if (o.Has(QStringLiteral("--points"))) {
        const QString points = o.Value(QStringLiteral("--points"));
        choice = points == QLatin1String("tous") ? 0 : -1;
        for (std::size_t i = 1; i < kPointsPerChart.size() && choice < 0; ++i) {
            if (points == QString::number(kPointsPerChart[i])) {
                choice = static_cast<int>(i);
            }
        }
        if (choice < 0) {
            err << "sondalog-cli charts: --points takes tous, 100, 2000, 5000, 38400 or 100000\n";
            return 2;
        }
    }
    PacketCalc calc = PacketCalc::Last;
    if (o.Has(QStringLiteral("--calc")) && !PacketCalcFromName(o.Value(QStringLiteral("--calc")), calc)) {
        err << "sondalog-cli charts: --calc takes dernier, moyenne, minimum or maximum\n";
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    const QString path = o.positional.first();
    const std::unique_ptr<StoredSource> source = OpenStoredFile(path, err);
    if (!source) {
        return 1;
    }
    ReadingRun run(*setup->clock);
    if (ReadAsAuto(as, path, source->Head(), *setup, err)) {
        if (const QString why = DecodeAutoFile(*setup, run, *source); !why.isEmpty()) {
            err << "sondalog-cli charts: " << why << '\n';
            return 1;
        }
    } else {
        ReadOwnRecording(*setup, run.state, *source);
    }
    if (source->Refused(err)) {
        return 1;
    }
    const SampleSeries& series = run.state.series;
    ChartPackets charts;
    charts.SetPointsChoice(choice, series.sampleCount);
    charts.SetCalc(calc);
    const ChartUpdate update = charts.Rebuild(series);

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (const ChartPoint& p : update.points) {
        out << p.n << '\t' << EscapeControls(series.StampText(p.n, setup->regional));
        for (double v : p.values) {
            out << '\t' << ShortestReal(v);
        }
        out << '\n';
    }
    out << KeyValue(QStringLiteral("Label1"), charts.Captions().Label1) << '\n';
    out << KeyValue(QStringLiteral("Label2"), charts.Captions().Label2) << '\n';
    out << KeyValue(QStringLiteral("Label7"), charts.Captions().Label7) << '\n';
    return 0;
}

}  // namespace sondalog::cli
