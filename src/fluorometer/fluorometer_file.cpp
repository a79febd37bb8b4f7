#include "fluorometer/fluorometer_file.h"

#include "util/text_file.h"
#include "util/translate.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <cmath>

namespace sondalog {

QString LineMessage(int line, const QString& what)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne %1 : ")).arg(line) + what;
}

bool LampValue(const QString& text, const QString& missing, std::optional<double>& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == missing) {
        out.reset();
        return true;
    }
    bool ok = false;
    const double v = QString(t).replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        out.reset();
        return false;
    }
    out = v;
    return true;
}

QDateTime FluorometerReading::LoggerTime() const
{
    return QDateTime::fromMSecsSinceEpoch(instantMs + offsetSeconds * 1000LL, Qt::UTC);
}

namespace {
constexpr int kSpaceLamp1 = 3;  ///< index, time, R, then L1 … L4
constexpr int kSpaceTemperature = 9;
constexpr int kSpaceConductivity = 10;

QString AtLine(int line, const QString& what)
{
    return LineMessage(line, what);
}

const QString kMissing = QStringLiteral("-");

bool ReadValue(const QString& text, std::optional<double>& out)
{
    return LampValue(text, kMissing, out);
}

bool IsSpaceHeader(const QString& columns)
{
    const QString c = columns.simplified();
    return c.startsWith(u'#') && c.contains(QLatin1String("Time")) && c.contains(QLatin1String("Tracer 1")) &&
           c.contains(QLatin1String("Turbidity"));
}

bool IsTabHeader(const QString& line)
{
    return line.startsWith(QLatin1String("Timestamp\tTimestamp\t")) && line.contains(QLatin1String("F1 [mV]"));
}

void ReadSpaceAligned(const QStringList& lines, FluorometerFile& file)
{
    static const QRegularExpression number(QStringLiteral("#\\s*([0-9]+)"));
    file.instrument = number.match(lines[0]).captured(1);
    for (int i = 3; i < lines.size(); ++i) {
        const QString row = lines[i].simplified();
        if (row.isEmpty()) {
            continue;
        }
        const QStringList f = row.split(u' ');
        const int line = i + 1;
        if (f.size() < kSpaceLamp1 + kLamps) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "il manque des lampes (%1 colonnes, il en faut au moins %2 : n°, "
                                                     "heure, R, L1 à L4)"))
                                          .arg(f.size())
                                          .arg(kSpaceLamp1 + kLamps));
            return;
        }
        QDateTime at = QDateTime::fromString(f[1], QStringLiteral("yy/MM/dd-hh:mm:ss"));
        if (!at.isValid()) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "heure illisible « %1 » (aa/mm/jj-hh:mm:ss attendu)")).arg(f[1]));
            return;
        }
        at = QDateTime(at.date().addYears(100), at.time(), Qt::UTC);  // "17" is 2017
        FluorometerReading r;
        r.line = line;
        r.instantMs = at.toMSecsSinceEpoch();
        bool ok = true;
        for (int k = 0; k < kLamps; ++k) {
            ok = ok && ReadValue(f[kSpaceLamp1 + k], r.lamps[static_cast<std::size_t>(k)]);
        }
        ok = ok && (f.size() <= kSpaceTemperature || ReadValue(f[kSpaceTemperature], r.temperature));
        ok = ok && (f.size() <= kSpaceConductivity || ReadValue(f[kSpaceConductivity], r.conductivity));
        if (!ok) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur illisible dans « %1 »")).arg(row));
            return;
        }
        file.readings.push_back(r);
    }
}

void ReadTabSeparated(const QStringList& lines, FluorometerFile& file)
{
    const QStringList header = lines[0].split(u'\t');
    auto column = [&header](const QString& name) { return static_cast<int>(header.indexOf(name)); };
    const int temperature = column(QStringLiteral("T [°C]"));
    int lamps[kLamps];
    int last = 1;
    for (int k = 0; k < kLamps; ++k) {
        lamps[k] = column(QStringLiteral("F%1 [mV]").arg(k + 1));
        if (lamps[k] < 0) {
            file.error = AtLine(1, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "colonne « F%1 [mV] » absente de l'en-tête")).arg(k + 1));
            return;
        }
        last = std::max(last, lamps[k]);
    }
    static const QRegularExpression offset(QStringLiteral("GMT([+-])([0-9]{2}):?([0-9]{2})"));
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) {
            continue;
        }
        const QStringList f = lines[i].split(u'\t');
        const int line = i + 1;
        if (f.size() <= last) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "il manque des lampes (%1 champs, F1 à F4 en demandent %2)"))
                                          .arg(f.size())
                                          .arg(last + 1));
            return;
        }
        FluorometerReading r;
        r.line = line;
        bool ok = false;
        const qint64 unix = f[1].trimmed().toLongLong(&ok);
        const QRegularExpressionMatch m = offset.match(f[0]);
        if (!ok || !m.hasMatch()) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "heure illisible « %1 » / « %2 »")).arg(f[0], f[1]));
            return;
        }
        r.instantMs = unix * 1000;
        r.offsetSeconds = (m.captured(1) == QLatin1String("-") ? -1 : 1) *
                          (m.captured(2).toInt() * 3600 + m.captured(3).toInt() * 60);
        bool values = true;
        for (int k = 0; k < kLamps; ++k) {
            values = values && ReadValue(f[lamps[k]], r.lamps[static_cast<std::size_t>(k)]);
        }
        values = values && (temperature < 0 || temperature >= f.size() || ReadValue(f[temperature], r.temperature));
        if (!values) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur illisible (ni nombre ni « - »)")));
            return;
        }
        file.readings.push_back(r);
    }
}
}  // namespace

namespace {
const QString kRecordingLamp1 = QStringLiteral("L1 [mV]");

/// A recording made live: the logger's time (yyyy-MM-dd hh:mm:ss, its third column) for the instant, the raw
/// lamps after the usual columns, T as quantity 2, t0 the reading before the first trace time.
void ReadRecording(const QStringList& lines, FluorometerFile& file)
{
    const int lamp1 = static_cast<int>(lines[0].split(u'\t').indexOf(kRecordingLamp1));
    std::optional<double> number;
    auto value = [&number](const QString& text) {
        const bool ok = ReadValue(text, number);
        return ok;
    };
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) {
            continue;
        }
        const QStringList f = lines[i].split(u'\t');
        const int line = i + 1;
        if (f.size() < lamp1 + kLamps) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "il manque des lampes (%1 colonnes)")).arg(f.size()));
            return;
        }
        const QDateTime at = QDateTime::fromString(f[2].trimmed(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (!at.isValid()) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "heure du fluorimètre illisible « %1 »")).arg(f[2]));
            return;
        }
        FluorometerReading r;
        r.line = line;
        r.instantMs = QDateTime(at.date(), at.time(), Qt::UTC).toMSecsSinceEpoch();
        bool ok = true;
        for (int k = 0; k < kLamps; ++k) {
            ok = ok && value(f[lamp1 + k]);
            r.lamps[static_cast<std::size_t>(k)] = number;
        }
        ok = ok && value(f[5]);
        r.temperature = number;
        if (!ok) {
            file.error = AtLine(line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur illisible")));
            return;
        }
        file.readings.push_back(r);
        if (file.t0Reading == 0 && !f[3].trimmed().isEmpty()) {
            file.t0Reading = std::max(1, static_cast<int>(file.readings.size()) - 1);
        }
    }
}
}  // namespace

FluorometerLayout DetectFluorometerLayout(const QStringList& head)
{
    if (!head.isEmpty() && head[0].contains(u'\t' + kRecordingLamp1 + u'\t')) {
        return FluorometerLayout::Recording;
    }
    if (!head.isEmpty() && IsTabHeader(head[0])) {
        return FluorometerLayout::TabSeparated;
    }
    if (head.size() >= 3 && head[0].contains(QLatin1String("Fluorometer"), Qt::CaseInsensitive) &&
        head[1].trimmed().startsWith(QLatin1String("---")) && IsSpaceHeader(head[2])) {
        return FluorometerLayout::SpaceAligned;
    }
    return FluorometerLayout::None;
}

FluorometerFile ReadFluorometerLines(const QStringList& lines)
{
    FluorometerFile file;
    file.layout = DetectFluorometerLayout(lines.mid(0, 3));
    switch (file.layout) {
    case FluorometerLayout::None:
        file.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ni fichier de fluorimètre (titre, tirets, colonnes « # Time R Tracer 1 … ») ni "
                                    "export à tabulations (« Timestamp Timestamp … F1 [mV] … »)"));
        return file;
    case FluorometerLayout::SpaceAligned:
        ReadSpaceAligned(lines, file);
        break;
    case FluorometerLayout::TabSeparated:
        ReadTabSeparated(lines, file);
        break;
    case FluorometerLayout::Recording:
        ReadRecording(lines, file);
        break;
    }
    if (file.error.isEmpty() && file.readings.empty()) {
        file.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "aucune mesure après l'en-tête"));
    }
    for (std::size_t i = 1; file.error.isEmpty() && i < file.readings.size(); ++i) {
        if (file.readings[i].instantMs < file.readings[i - 1].instantMs) {
            file.error = AtLine(file.readings[i].line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "heure antérieure à celle de la ligne %1"))
                                                           .arg(file.readings[i - 1].line));
        }
    }
    if (!file.error.isEmpty()) {
        file.readings.clear();  // nothing converted from a file read in part
    }
    return file;
}

FluorometerFile ReadFluorometerFile(const QString& path)
{
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        FluorometerFile file;
        file.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fichier illisible : %1")).arg(path);
        return file;
    }
    return ReadFluorometerLines(*lines);
}

}  // namespace sondalog
