// sondalog-cli fluo: a field fluorometer's file converted by its calibration into a table of ppb; and
// the analysis of such a file in ppb (analyse FILE --calibration CAL --tracer N).
#include "cli/commands.h"
#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_export.h"
#include "fluorometer/fluorometer_setup.h"
#include "analysis/tracer_inputs_file.h"
#include "util/text_file.h"

#include <QLocale>

#include <functional>
#include <QTimeZone>

namespace sondalog::cli {

namespace {
const QStringList kCorrectionOptions = {QStringLiteral("--turbidity"), QStringLiteral("--crosstalk"),
                                        QStringLiteral("--background"), QStringLiteral("--window"),
                                        QStringLiteral("--temperature")};

std::optional<std::vector<double>> Numbers(const QString& text, int count)
{
    std::vector<double> v;
    for (const QString& f : text.split(u',')) {
        const std::optional<double> d = OptionalNumber(f);
        if (!d) {
            return std::nullopt;
        }
        v.push_back(*d);
    }
    if (count > 0 && static_cast<int>(v.size()) != count) {
        return std::nullopt;
    }
    return v;
}

/// The corrections the calibration file keeps, then what the command line says; false after saying why.
bool ReadCorrections(const Options& o, const QString& calibrationPath, FluorometerCorrections& k, QTextStream& err)
{
    QString problem;
    k = CorrectionsFromLines(ReadConfigLines(calibrationPath).value_or(QStringList()), &problem);
    auto fail = [&err](const char* text) {
        err << "sondalog-cli: " << text << '\n';
        return false;
    };
    if (!problem.isEmpty()) {
        err << "sondalog-cli: " << calibrationPath << ": " << problem << '\n';
        return false;
    }
    if (o.Has(QStringLiteral("--turbidity"))) {
        const std::optional<double> s = OptionalNumber(o.Value(QStringLiteral("--turbidity")));
        if (!s || *s < 0 || *s > 2) {
            return fail("--turbidity takes a strength from 0 (off) to 2");
        }
        k.turbidityStrength = *s;
    }
    if (o.Has(QStringLiteral("--temperature"))) {
        const std::optional<std::vector<double>> n = Numbers(o.Value(QStringLiteral("--temperature")), 0);
        if (!n || n->empty() || n->size() > kMaxTracers) {
            return fail("--temperature takes n1[,n2[,n3]], per degree, one per tracer");
        }
        k.temperatureN = {};
        std::copy(n->begin(), n->end(), k.temperatureN.begin());
    }
    if (o.Has(QStringLiteral("--crosstalk"))) {
        const std::optional<std::vector<double>> t = Numbers(o.Value(QStringLiteral("--crosstalk")), 0);
        k.crosstalkTracers.clear();
        for (double v : t.value_or(std::vector<double>())) {
            k.crosstalkTracers.push_back(static_cast<int>(v));
        }
        if (!t || t->size() < 2 || t->size() > kMaxTracers) {
            return fail("--crosstalk takes the tracers present together, e.g. 1,2");
        }
    }
    if (o.Has(QStringLiteral("--background")) != o.Has(QStringLiteral("--window"))) {
        return fail("--background LAMPS goes with --window T1,T2 (hours since t0: the passage)");
    }
    if (o.Has(QStringLiteral("--background"))) {
        const std::optional<std::vector<double>> lamps = Numbers(o.Value(QStringLiteral("--background")), 0);
        const std::optional<std::vector<double>> window = Numbers(o.Value(QStringLiteral("--window")), 2);
        if (!lamps || !window || (*window)[1] <= (*window)[0]) {
            return fail("--background takes lamps 1-4 (e.g. 2,4), --window two hours since t0, the first before the second");
        }
        k.background = true;
        k.backgroundLamps.clear();
        for (double l : *lamps) {
            k.backgroundLamps.push_back(static_cast<int>(l));
        }
        k.windowStartHours = (*window)[0];
        k.windowEndHours = (*window)[1];
    }
    return true;
}

/// The calibration and the file, converted with the corrections, or nothing after saying why.
/// `t0Of` gives t0's instant once the file is read (nullopt: the first reading's), false when it cannot.
using T0Of = std::function<bool(const FluorometerFile&, qint64&)>;
bool LoadAndConvert(const QString& command, const Options& o, FluorometerCalibration& c, FluorometerFile& file,
                    CorrectedReadings& converted, qint64& t0, const T0Of& t0Of, QTextStream& err)
{
    const QString calibrationPath = o.Value(QStringLiteral("--calibration"));
    const QString path = o.positional.first();
    const CalibrationRead read = LoadCalibration(calibrationPath);
    if (!read.error.isEmpty()) {
        // Nothing converted with a calibration that cannot convert.
        err << "sondalog-cli " << command << ": " << calibrationPath << ": " << read.error << '\n';
        return false;
    }
    c = read.calibration;
    FluorometerCorrections corrections;
    if (!ReadCorrections(o, calibrationPath, corrections, err)) {
        return false;
    }
    file = ReadFluorometerFile(path);
    if (!file.error.isEmpty()) {
        err << "sondalog-cli " << command << ": " << path << ": " << file.error << '\n';
        return false;
    }
    t0 = file.readings.front().instantMs;
    if (!t0Of(file, t0)) {
        return false;
    }
    converted = CorrectReadings(file, c, corrections, t0);
    if (!converted.error.isEmpty()) {
        err << "sondalog-cli " << command << ": " << converted.error << '\n';
        return false;
    }
    for (std::size_t lamp = 0; lamp < converted.backgroundR2.size(); ++lamp) {
        if (converted.backgroundR2[lamp]) {
            err << "fond naturel de L" << lamp + 1 << " : R² = " << QString::number(*converted.backgroundR2[lamp], 'f', 4) << '\n';
        }
    }
    return true;
}
}  // namespace

int FluoCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList withValue{QStringLiteral("--calibration"), QStringLiteral("--t0"), QStringLiteral("--locale"),
                          QStringLiteral("--out")};
    withValue << kCorrectionOptions;
    const Options o = ParseOptions(args, withValue, {});
    if (!o.error.isEmpty() || o.positional.size() != 1 || !o.Has(QStringLiteral("--calibration"))) {
        err << "sondalog-cli fluo: " << (o.error.isEmpty() ? QStringLiteral("one FILE and --calibration CAL are needed") : o.error)
            << '\n';
        return 2;
    }
    FluorometerCalibration calibration;
    FluorometerFile file;
    CorrectedReadings converted;
    qint64 t0 = 0;
    // t0 is a time of the logger's clock: read once the file tells its offset.
    const T0Of t0Of = [&o, &err](const FluorometerFile& f, qint64& instant) {
        if (!o.Has(QStringLiteral("--t0"))) {
            return true;
        }
        const QDateTime at = QDateTime::fromString(o.Value(QStringLiteral("--t0")), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const std::optional<qint64> t = LoggerTimeToInstantMs(f, at);
        if (!t) {
            err << "sondalog-cli fluo: --t0 takes \"yyyy-MM-dd hh:mm:ss\", a time of the logger's clock\n";
            return false;
        }
        instant = *t;
        return true;
    };
    if (!LoadAndConvert(QStringLiteral("fluo"), o, calibration, file, converted, t0, t0Of, err)) {
        return 1;
    }
    const QLocale locale = o.Has(QStringLiteral("--locale")) ? QLocale(o.Value(QStringLiteral("--locale"))) : QLocale::system();
    const QChar decimal = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    const QStringList table = FluorometerTable(file, calibration, converted, t0, decimal);
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
    CorrectedReadings converted;
    qint64 t0Ms = 0;
    // The background's window in hours since the t0 reading.
    const T0Of t0Of = [&t0, &err](const FluorometerFile& f, qint64& instant) {
        if (!t0 && f.t0Reading > 0) {
            t0 = f.t0Reading;  // a recording's own t0
        }
        if (!t0) {
            return true;
        }
        if (*t0 < 1 || *t0 > static_cast<int>(f.readings.size())) {
            err << "sondalog-cli analyse: --t0 takes a reading of the file, 1 to " << f.readings.size() << '\n';
            return false;
        }
        instant = f.readings[static_cast<std::size_t>(*t0 - 1)].instantMs;
        return true;
    };
    if (!LoadAndConvert(QStringLiteral("analyse"), o, calibration, file, converted, t0Ms, t0Of, err)) {
        return 1;
    }
    bool ok = true;
    const int tracer = o.Has(QStringLiteral("--tracer")) ? o.Value(QStringLiteral("--tracer")).toInt(&ok) : 1;
    if (!ok || tracer < 1 || tracer > static_cast<int>(calibration.tracers.size())) {
        err << "sondalog-cli analyse: --tracer takes a tracer of the calibration, 1 to " << calibration.tracers.size() << '\n';
        return 2;
    }
    TracerCurve curve = TracerSeries(file, calibration, converted, tracer - 1, std::nullopt);
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
