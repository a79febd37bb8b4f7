#include "app/run_options.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "acquisition/stored_files.h"
#include "util/text_file.h"
#include "util/text_utils.h"

namespace sondalog::cli {

namespace {
int ReplayAuto(const Options& o, RunSetup& setup, StoredSource& source, QTextStream& err)
{
    ReadingRun run(*setup.clock);
    Settings settings = setup.startup.settings;
    settings.CheckBox_demo = false;
    settings.readMode = 1;
    if (const QString why = ConfigureRun(run, setup, settings); !why.isEmpty()) {  // the journal's header needs it
        err << "sondalog-cli replay: " << why << '\n';
        return 1;
    }
    RunJournal journal;
    StartJournal(o, setup, run, journal, err);
    if (const QString why = DecodeAutoFile(setup, run, source); !why.isEmpty()) {
        err << "sondalog-cli replay: " << why << '\n';
        return 1;
    }
    if (source.Refused(err)) {
        return 1;
    }
    if (run.state.series.sampleCount == 0) {
        err << "aucune mesure trouvée : vérifier le tableau de l'instrument (repères, fin de bloc)\n";
    }

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    PrintSummary(out, run);
    return FinishRun(o, setup, run, journal, out, err) ? 0 : 1;
}

int ReplayOwn(const RunSetup& setup, StoredSource& source)
{
    ProcessingState state;
    const OwnRecordingLoad load = ReadOwnRecording(setup, state, source);
    QTextStream err(stderr);
    if (source.Refused(err)) {
        return 1;
    }
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
    const std::unique_ptr<StoredSource> source = OpenStoredFile(path, err);
    if (!source) {
        return 1;
    }
    const bool asAuto = ReadAsAuto(as, path, source->Head(), *setup, err);
    return asAuto ? ReplayAuto(o, *setup, *source, err) : ReplayOwn(*setup, *source);
}

}  // namespace sondalog::cli
