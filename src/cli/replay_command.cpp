#include "acquisition/stored_lines.h"
#include "app/run_options.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "util/text_file.h"

namespace sondalog::cli {

int ReplayCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue = RunValueOptions();
    withValue << QStringLiteral("--as");
    const Options o = ParseOptions(args, withValue, {});
    if (!o.error.isEmpty() || o.positional.size() != 1) {
        err << "sondalog-cli replay: " << (o.error.isEmpty() ? QStringLiteral("one FILE is needed") : o.error) << '\n';
        return 2;
    }
    const QString as = o.Value(QStringLiteral("--as"));
    if (!as.isEmpty() && as != QLatin1String("auto")) {
        err << "sondalog-cli replay: --as takes auto\n";
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    const QString path = o.positional.first();
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        err << "Impossible d'ouvrir le fichier " << path << '\n';
        return 1;
    }
    Settings settings = setup->startup.settings;
    settings.CheckBox_demo = false;
    settings.readMode = 1;
    ReadingRun run(*setup->clock);
    run.config = setup->startup.config;
    run.options = MakeProcessOptions(settings, setup->startup.table, run.config, setup->regional);
    run.blockOptions = MakeBlockOptions(settings);
    run.Start(false);
    // The instrument's file starts with four lines of its own; "fin" closes the last block.
    QStringList stored = lines->mid(4);
    stored << QStringLiteral("fin");
    ReplayStoredLines(run, stored, {}, [&] { MaybeMarkT0(*setup, run); });

    if (o.Has(QStringLiteral("--out")) && !WriteRecords(o.Value(QStringLiteral("--out")), run.records, err)) {
        return 1;
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    PrintSummary(out, run);
    return 0;
}

}  // namespace sondalog::cli
