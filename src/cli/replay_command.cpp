#include "app/run_options.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "recording/stored_files.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <QFileInfo>

namespace sondalog::cli {

namespace {
int ReplayAuto(const Options& o, RunSetup& setup, const QStringList& lines, QTextStream& err)
{
    Settings settings = setup.startup.settings;
    settings.CheckBox_demo = false;
    settings.readMode = 1;
    ReadingRun run(*setup.clock);
    ConfigureRun(run, setup, settings);
    RunJournal journal;
    StartJournal(o, setup, run, journal, err);
    const AutoFileLoad load = LoadAutoFile(lines, run, {}, [&] { MaybeMarkT0(setup, run); });
    run.shown.Label_n = load.Label_n;  // a replay shows n every 10 readings: the final count is the load's
    if (run.state.series.sampleCount == 0) {
        err << "aucune mesure trouvée : vérifier le tableau de l'instrument (repères, fin de bloc)\n";
    }

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    PrintSummary(out, run);
    return FinishRun(o, setup, run, journal, out, err) ? 0 : 1;
}

int ReplayOwn(const RunSetup& setup, const QStringList& lines)
{
    ProcessingState state;
    const OwnRecordingLoad load = LoadOwnRecording(lines, state, setup.regional);
    if (load.count == 0) {
        QTextStream(stderr) << "aucune mesure trouvée dans le fichier\n";
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    auto kv = [&](const QString& key, const QString& value) { out << KeyValue(key, value) << '\n'; };
    kv(QStringLiteral("n"), QString::number(load.count));
    kv(QStringLiteral("Label_multimetre"), load.Label_multimetre);
    kv(QStringLiteral("Edit_Prefixe"), load.Edit_Prefixe);
    kv(QStringLiteral("viewFirst"), QString::number(load.view.first));
    kv(QStringLiteral("viewLast"), QString::number(load.view.last));
    const Sample& last = state.series.At(load.count);
    kv(QStringLiteral("last.stampText"), state.series.StampText(load.count, setup.regional));
    kv(QStringLiteral("last.value1"), ShortestReal(last.value1));
    kv(QStringLiteral("last.value2"), ShortestReal(last.value2));
    kv(QStringLiteral("last.phValue"), ShortestReal(last.phValue));
    kv(QStringLiteral("last.oxValue"), ShortestReal(last.oxValue));
    return 0;
}
}  // namespace

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
    if (!as.isEmpty() && as != QLatin1String("auto") && as != QLatin1String("own")) {
        err << "sondalog-cli replay: --as takes auto or own\n";
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    const QString path = o.positional.first();
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        err << QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path);
        if (QFileInfo::exists(path) && !IsReadableRegularFile(path)) {
            err << " : ce n'est pas un fichier ordinaire";
        }
        err << '\n';
        return 1;
    }
    bool asAuto = as == QLatin1String("auto");
    if (as.isEmpty()) {
        const int length = BlockLength(*lines, setup->startup.config.active.endOfBlock);
        asAuto = length > 0;
        err << QFileInfo(path).fileName()
            << (asAuto ? QStringLiteral(": blocs de %1 lignes, lu comme un fichier d'acquisition AUTOmatique").arg(length)
                       : QStringLiteral(": aucun bloc, lu comme un fichier SondaLOG"))
            << '\n';
    }
    return asAuto ? ReplayAuto(o, *setup, *lines, err) : ReplayOwn(*setup, *lines);
}

}  // namespace sondalog::cli
