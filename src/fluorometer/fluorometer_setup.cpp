#include "fluorometer/fluorometer_setup.h"

#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_file.h"
#include "util/text_file.h"
#include "util/translate.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace sondalog {

FluorometerSetup LoadFluorometerSetup(const QString& path)
{
    FluorometerSetup s;
    const std::optional<QStringList> lines = ReadConfigLines(path);
    if (!lines) {
        s.error = QCoreApplication::translate("sondalog::Fluorometer", "pas d'étalonnage du fluorimètre (") + path + u')';
        return s;
    }
    // Our own lines, or the instrument's constants file copied in as it is.
    const CalibrationRead read = LoadCalibration(path);
    s.calibration = read.calibration;
    s.error = read.error;
    QString problem;
    s.corrections = CorrectionsFromLines(*lines, &problem);
    if (s.error.isEmpty()) {
        s.error = problem;
    }
    return s;
}

FluorometerCorrections CorrectionsFromLines(const QStringList& lines, QString* error)
{
    QStringList own;
    for (const QString& line : lines) {
        own << (line.startsWith(kCalibrationKeyPrefix) ? line.mid(kCalibrationKeyPrefix.size()) : line);
    }
    return FluorometerCorrections::FromLines(own, error);
}

QStringList FluorometerSetupLines(const FluorometerSetup& setup)
{
    QStringList lines = CalibrationLines(setup.calibration);
    for (const QString& line : setup.corrections.Lines()) {
        lines << kCalibrationKeyPrefix + line;
    }
    return lines;
}

QString SaveFluorometerSetup(const QString& path, const FluorometerSetup& setup)
{
    return WriteFileAtomically(path, JoinCrLf(FluorometerSetupLines(setup)));
}

std::optional<FluorometerRowLayout> FluorometerRowLayoutOf(const InstrumentConfig& config)
{
    const QString& m = config.q1.marker;
    if (m.size() != 2 || m[0] != u'L' || m[1] < u'1' || m[1] > u'3') {
        return std::nullopt;
    }
    FluorometerRowLayout l;
    l.lamp = m[1].digitValue();
    l.separator = config.q1.separator;
    l.lamp1Column = std::max(1, config.q1.occurrence);
    l.temperatureColumn = config.q2.occurrence;
    const QString end = config.active.endOfBlock.trimmed();
    l.missing = end.isEmpty() || end == QLatin1String("__") ? QStringLiteral("-") : end;
    return l;
}

std::optional<LiveRow> ReadLiveRow(const QString& row, const FluorometerRowLayout& layout, QString& why)
{
    const QStringList f = layout.separator == u' ' ? row.simplified().split(u' ', Qt::SkipEmptyParts)
                                                   : row.split(layout.separator);
    const int lastLamp = layout.lamp1Column + kLamps - 1;
    if (f.size() < lastLamp) {
        why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne du fluorimètre sans ses quatre lampes (%1 champs, L4 en colonne %2) : « %3 »"))
                  .arg(f.size())
                  .arg(lastLamp)
                  .arg(row.trimmed());
        return std::nullopt;
    }
    LiveRow r;
    auto read = [&](int column, std::optional<double>& out) {
        return LampValue(f[column - 1], layout.missing, out);
    };
    for (int k = 0; k < kLamps; ++k) {
        if (!read(layout.lamp1Column + k, r.lamps[static_cast<std::size_t>(k)])) {
            why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne du fluorimètre : L%1 illisible « %2 »")).arg(k + 1).arg(f[layout.lamp1Column + k - 1]);
            return std::nullopt;
        }
    }
    if (layout.temperatureColumn >= 1 && layout.temperatureColumn <= f.size() &&
        !read(layout.temperatureColumn, r.temperature)) {
        why = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne du fluorimètre : température illisible « %1 »")).arg(f[layout.temperatureColumn - 1]);
        return std::nullopt;
    }
    // The logger's time in one unambiguous form, yyyy-MM-dd hh:mm:ss: "17/03/23-14:03:15" is 23 March 2017, which
    // a reader of day-first stamps would take for 17 March 2023.
    static const QRegularExpression shortForm(QStringLiteral("(\\d{2})/(\\d{2})/(\\d{2})-(\\d{2}:\\d{2}:\\d{2})"));
    static const QRegularExpression isoForm(QStringLiteral("(\\d{4}-\\d{2}-\\d{2})[ T](\\d{2}:\\d{2}:\\d{2})"));
    const QString line = f.join(u' ');
    if (const QRegularExpressionMatch m = shortForm.match(line); m.hasMatch()) {
        r.time = QStringLiteral("20%1-%2-%3 %4").arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4));
    } else if (const QRegularExpressionMatch iso = isoForm.match(line); iso.hasMatch()) {
        r.time = iso.captured(1) + u' ' + iso.captured(2);
    }
    return r;
}

std::array<std::optional<double>, kMaxTracers> LiveConcentrations(const LiveRow& row, const FluorometerSetup& setup,
                                                                  bool corrected)
{
    FluorometerFile one;
    FluorometerReading reading;
    reading.lamps = row.lamps;
    reading.temperature = row.temperature;
    one.readings.push_back(reading);
    FluorometerCorrections k = corrected ? setup.corrections : FluorometerCorrections();
    k.background = false;  // a regression over the whole record: on files only
    const CorrectedReadings out = CorrectReadings(one, setup.calibration, k, 0);
    return out.ppb.empty() ? std::array<std::optional<double>, kMaxTracers>{} : out.ppb.front();
}

}  // namespace sondalog
