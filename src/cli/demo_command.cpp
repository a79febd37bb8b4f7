#include "acquisition/demo_generator.h"
#include "acquisition/reading_run.h"
#include "app/run_options.h"
#include "cli/commands.h"
#include "cli/run_setup.h"

namespace sondalog::cli {

int DemoCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue = RunValueOptions();
    withValue << QStringLiteral("--readings");
    const Options o = ParseOptions(args, withValue, {});
    bool ok = false;
    const int readings = o.Value(QStringLiteral("--readings")).toInt(&ok);
    if (!o.error.isEmpty() || !o.positional.isEmpty() || !ok || readings < 0) {
        err << "sondalog-cli demo: " << (o.error.isEmpty() ? QStringLiteral("--readings N is needed") : o.error)
            << '\n';
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    Settings settings = setup->startup.settings;
    settings.CheckBox_demo = true;
    ReadingRun run(*setup->clock);
    ConfigureRun(run, *setup, settings);
    run.Start(false);
    run.options.captionsAtEnd = true;  // only the last reading's figures are printed
    RunJournal journal;
    StartJournal(o, *setup, run, journal, err);
    // Each demonstration cycle stores one reading; the bound guards against a setting that stores none.
    for (qint64 cycles = 0; run.state.series.sampleCount < readings && cycles < 10LL * readings + 100; ++cycles) {
        MaybeMarkT0(*setup, run);
        run.DemoCycle();
    }
    if (run.state.series.sampleCount > 0) {
        DisplayTexts last;
        LastReadingCaptions(last, run.state, run.config, run.options);
        run.shown.MergeCaptions(last);
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    PrintSummary(out, run);
    return FinishRun(o, *setup, run, journal, out, err) ? 0 : 1;
}

}  // namespace sondalog::cli
