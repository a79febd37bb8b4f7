// sondalog-cli fluo: a field fluorometer's file converted by its calibration into a table of ppb; and
// the analysis of such a file in ppb (analyse FILE --calibration CAL --tracer N).
#include "cli/commands.h"
#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_export.h"
#include "util/text_file.h"

#include <QLocale>
#include <QTimeZone>

namespace sondalog::cli {

namespace {
/// The calibration and the file, or nothing after saying why.
bool LoadBoth(const QString& command, const QString& calibrationPath, const QString& path, FluorometerCalibration& c,
              FluorometerFile& file, QTextStream& err)
{
    const CalibrationRead read = LoadCalibration(calibrationPath);
    if (!read.error.isEmpty()) {
        // Nothing converted with a calibration that cannot convert.
        err << "sondalog-cli " << command << ": " << calibrationPath << ": " << read.error << '\n';
        return false;
    }
    c = read.calibration;
    file = ReadFluorometerFile(path);
    if (!file.error.isEmpty()) {
        err << "sondalog-cli " << command << ": " << path << ": " << file.error << '\n';
        return false;
    }
    return true;
}
}  // namespace

int FluoCommand(const QStringList& args)
{
    QTextStream err(stderr);
    const Options o = ParseOptions(args,
                                   {QStringLiteral("--calibration"), QStringLiteral("--t0"), QStringLiteral("--locale"),
                                    QStringLiteral("--out")},
                                   {});
    if (!o.error.isEmpty() || o.positional.size() != 1 || !o.Has(QStringLiteral("--calibration"))) {
        err << "sondalog-cli fluo: " << (o.error.isEmpty() ? QStringLiteral("one FILE and --calibration CAL are needed") : o.error)
            << '\n';
        return 2;
    }
    FluorometerCalibration calibration;
    FluorometerFile file;
    if (!LoadBoth(QStringLiteral("fluo"), o.Value(QStringLiteral("--calibration")), o.positional.first(), calibration, file,
                  err)) {
        return 1;
    }
    qint64 t0 = file.readings.front().instantMs;
    if (o.Has(QStringLiteral("--t0"))) {
        const QDateTime at = QDateTime::fromString(o.Value(QStringLiteral("--t0")), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const std::optional<qint64> instant = LoggerTimeToInstantMs(file, at);
        if (!instant) {
            err << "sondalog-cli fluo: --t0 takes \"yyyy-MM-dd hh:mm:ss\", a time of the logger's clock\n";
            return 2;
        }
        t0 = *instant;
    }
    const QLocale locale = o.Has(QStringLiteral("--locale")) ? QLocale(o.Value(QStringLiteral("--locale"))) : QLocale::system();
    const QChar decimal = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    const QStringList table = FluorometerTable(file, calibration, t0, decimal);
    if (o.Has(QStringLiteral("--out"))) {
        const QString failure = WriteFileAtomically(o.Value(QStringLiteral("--out")), JoinCrLf(table));
        if (!failure.isEmpty()) {
            err << "sondalog-cli fluo: " << o.Value(QStringLiteral("--out")) << ": " << failure << '\n';
            return 1;
        }
        return 0;
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString& line : table) {
        out << line << '\n';
    }
    return 0;
}

int AnalyseFluorometerFile(const Options& o, TracerInputs inputs, std::optional<int> t0, QTextStream& err)
{
    FluorometerCalibration calibration;
    FluorometerFile file;
    if (!LoadBoth(QStringLiteral("analyse"), o.Value(QStringLiteral("--calibration")), o.positional.first(), calibration,
                  file, err)) {
        return 1;
    }
    bool ok = true;
    const int tracer = o.Has(QStringLiteral("--tracer")) ? o.Value(QStringLiteral("--tracer")).toInt(&ok) : 1;
    if (!ok || tracer < 1 || tracer > static_cast<int>(calibration.tracers.size())) {
        err << "sondalog-cli analyse: --tracer takes a tracer of the calibration, 1 to " << calibration.tracers.size() << '\n';
        return 2;
    }
    TracerCurve curve = TracerSeries(file, calibration, tracer - 1, std::nullopt);
    if (!curve.note.isEmpty()) {
        err << curve.note << '\n';
    }
    if (t0) {
        curve.t0 = *t0;
    }
    // ppb is µg/L: the curve in its own unit, the mass in grams or kilograms.
    inputs.factor = 1;
    inputs.concentrationInMgL = 1e-3;
    return PrintAnalysis(AnalyseSeries(curve.series, curve.t0, inputs, 0, QTimeZone::utc()), inputs, err);
}

}  // namespace sondalog::cli
