// sondalog-cli analyse: the tracer analysis of a recording or a logging file — arrival, peak,
// moments, velocities, dispersion, recovery and the advection–dispersion fit — as key=value lines.
#include "analysis/run_analysis.h"
#include "analysis/tracer_inputs_file.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "util/text_file.h"

namespace sondalog::cli {

int AnalyseCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue = RunValueOptions();
    withValue << QStringLiteral("--as") << QStringLiteral("--distance") << QStringLiteral("--mass")
              << QStringLiteral("--discharge") << QStringLiteral("--discharge-file") << QStringLiteral("--factor")
              << QStringLiteral("--injection-seconds") << QStringLiteral("--components")
              << QStringLiteral("--end") << QStringLiteral("--calibration") << QStringLiteral("--tracer")
              << QStringLiteral("--mass-g") << QStringLiteral("--turbidity") << QStringLiteral("--crosstalk")
              << QStringLiteral("--background") << QStringLiteral("--window") << QStringLiteral("--temperature");
    const Options o = ParseOptions(args, withValue, {});
    if (!o.error.isEmpty() || o.positional.size() != 1) {
        err << "sondalog-cli analyse: " << (o.error.isEmpty() ? QStringLiteral("one FILE is needed") : o.error) << '\n';
        return 2;
    }
    const QString as = o.Value(QStringLiteral("--as"));
    if (!as.isEmpty() && as != QLatin1String("auto") && as != QLatin1String("own")) {
        err << "sondalog-cli analyse: --as takes auto or own\n";
        return 2;
    }
    std::optional<RunSetup> setup = PrepareRun(o, err);
    if (!setup) {
        return 2;
    }
    // The configuration folder's inputs, then what the command line says.
    TracerInputs inputs = LoadTracerSettings(setup->paths.TracerFile()).Effective();
    struct Input {
        const char* option;
        std::optional<double>* target;
    };
    for (const Input& in : {Input{"--distance", &inputs.distance}, Input{"--mass", &inputs.mass},
                            Input{"--discharge", &inputs.discharge}}) {
        const QString name = QString::fromLatin1(in.option);
        if (o.Has(name)) {
            *in.target = OptionalNumber(o.Value(name));
            if (!*in.target) {
                err << "sondalog-cli analyse: " << name << " takes a number\n";
                return 2;
            }
        }
    }
    if (o.Has(QStringLiteral("--factor"))) {
        const std::optional<double> k = OptionalNumber(o.Value(QStringLiteral("--factor")));
        if (!k || !(*k > 0)) {
            err << "sondalog-cli analyse: --factor takes a positive number\n";
            return 2;
        }
        inputs.factor = *k;
    }
    if (o.Has(QStringLiteral("--injection-seconds"))) {
        const std::optional<double> seconds = OptionalNumber(o.Value(QStringLiteral("--injection-seconds")));
        if (!seconds || *seconds < 0) {
            err << "sondalog-cli analyse: --injection-seconds takes a number of seconds, 0 or more\n";
            return 2;
        }
        inputs.injectionSeconds = *seconds;
    }
    if (o.Has(QStringLiteral("--end"))) {
        inputs.endSeconds = OptionalNumber(o.Value(QStringLiteral("--end")));
        if (!inputs.endSeconds || !(*inputs.endSeconds > 0)) {
            err << "sondalog-cli analyse: --end takes the end of the passage in seconds from t0, more than 0\n";
            return 2;
        }
    }
    if (o.Has(QStringLiteral("--components"))) {
        const QString c = o.Value(QStringLiteral("--components"));
        if (c == QLatin1String("auto")) {
            inputs.components = 0;
        } else if (c == QLatin1String("1") || c == QLatin1String("2") || c == QLatin1String("3")) {
            inputs.components = c.toInt();
        } else {
            err << "sondalog-cli analyse: --components takes auto, 1, 2 or 3\n";
            return 2;
        }
    }
    if (o.Has(QStringLiteral("--discharge-file"))) {
        const QString file = o.Value(QStringLiteral("--discharge-file"));
        const std::optional<QStringList> lines = ReadTextLines(file);
        if (!lines) {
            err << "sondalog-cli analyse: " << file << " cannot be read\n";
            return 1;
        }
        const DischargeFile discharge = ReadDischargeLines(*lines);
        if (!discharge.error.isEmpty()) {
            err << "sondalog-cli analyse: " << file << ": " << discharge.error << '\n';
            return 1;
        }
        inputs.dischargeEntries = discharge.entries;
    }
    if (o.Has(QStringLiteral("--mass-g"))) {
        const std::optional<double> grams = OptionalNumber(o.Value(QStringLiteral("--mass-g")));
        if (!grams || !(*grams > 0)) {
            err << "sondalog-cli analyse: --mass-g takes a positive number of grams\n";
            return 2;
        }
        inputs.mass = *grams / 1000;
    }
    if (o.Has(QStringLiteral("--calibration"))) {
        return AnalyseFluorometerFile(o, inputs, setup->t0, err);
    }
    const QString path = o.positional.first();
    const std::unique_ptr<StoredSource> source = OpenStoredFile(path, err);
    if (!source) {
        return 1;
    }
    ReadingRun run(*setup->clock);
    int t0 = 0;
    if (ReadAsAuto(as, path, source->Head(), *setup, err)) {
        if (const QString why = DecodeAutoFile(*setup, run, *source); !why.isEmpty()) {
            err << "sondalog-cli analyse: " << why << '\n';
            return 1;
        }
        t0 = run.state.t0Marked ? std::max(run.state.tracingStartIndex, 1) : 0;
    } else {
        const OwnRecordingLoad load = ReadOwnRecording(*setup, run.state, *source);
        t0 = setup->t0 ? std::max(*setup->t0, 1) : load.tracingStart;
    }
    if (source->Refused(err)) {
        return 1;
    }
    return PrintAnalysis(AnalyseSeries(run.state.series, t0, inputs), inputs, err);
}

int PrintAnalysis(RunAnalysis analysis, const TracerInputs& inputs, QTextStream& err)
{
    if (!analysis.error.isEmpty()) {
        // Never figures from times that are not the test's: the reading at fault is named.
        err << "sondalog-cli analyse: " << analysis.error << '\n';
        return 1;
    }
    FitRun(analysis, inputs);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString& line : AnalysisKeyValues(analysis)) {
        out << line << '\n';
    }
    // Every figure left empty says why.
    for (const QString& note : analysis.figures.notes) {
        err << note << '\n';
    }
    if ((!analysis.fit.ok || !analysis.fit.reliable) && !analysis.fit.message.isEmpty()) {
        err << analysis.fit.message << '\n';
    }
    return 0;
}

}  // namespace sondalog::cli
