#include "fluorometer/calibration_file.h"

#include "fluorometer/fluorometer_file.h"
#include "util/text_file.h"
#include "util/translate.h"

#include <QRegularExpression>

#include <cmath>

namespace sondalog {

namespace {
std::optional<double> Number(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

QString AtLine(int index, const QString& what)
{
    return LineMessage(index + 1, what);
}

bool IsDashes(const QString& line)
{
    const QString t = line.trimmed();
    return t.size() >= 3 && t.count(u'-') == t.size();
}

/// A block's name that is a turbidity standard: "10 NTU".
std::optional<double> NtuOf(const QString& name)
{
    static const QRegularExpression ntu(QStringLiteral("^([0-9]+(?:[.,][0-9]+)?)\\s*NTU$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = ntu.match(name.trimmed());
    return m.hasMatch() ? Number(m.captured(1).replace(u',', u'.')) : std::nullopt;
}

struct Block {
    QString name;
    LampSignals mv{};
    int seen = 0;  ///< lamps read
    int line = 0;
};
}  // namespace

CalibrationRead ReadConstantsFile(const QStringList& lines)
{
    CalibrationRead r;
    FluorometerCalibration& c = r.calibration;
    static const QRegularExpression number(QStringLiteral("#\\s*([0-9]+)"));
    static const QRegularExpression lamp(QStringLiteral("^L([1-4])\\s+(\\S+)"));
    static const QRegularExpression full(QStringLiteral("^Full calibration of tracer\\s+([1-3])"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!lines.isEmpty()) {
        c.instrument = number.match(lines.first()).captured(1);
    }
    std::vector<Block> blocks;
    std::vector<std::vector<Standard>> fullCalibration(kMaxTracers);
    std::optional<double> blockPpb;
    bool inBlocks = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1String("Last calibration:"), Qt::CaseInsensitive)) {
            c.date = QDate::fromString(line.section(u':', 1).trimmed(), QStringLiteral("yyMMdd")).addYears(100);
            continue;
        }
        if (IsDashes(line)) {
            inBlocks = true;
            continue;
        }
        if (const QRegularExpressionMatch m = lamp.match(line); inBlocks && m.hasMatch() && !blocks.empty()) {
            const std::optional<double> mv = Number(m.captured(2));
            if (!mv) {
                r.error = AtLine(i, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "signal illisible « %1 »")).arg(m.captured(2)));
                return r;
            }
            Block& b = blocks.back();
            b.mv[static_cast<std::size_t>(m.captured(1).toInt() - 1)] = *mv;
            ++b.seen;
            continue;
        }
        if (const QRegularExpressionMatch m = full.match(line); m.hasMatch()) {
            const int tracer = m.captured(1).toInt();
            const std::optional<double> count = i + 1 < lines.size() ? Number(lines[i + 1]) : std::nullopt;
            if (!count || *count < 0 || *count > 3 || *count != std::floor(*count)) {
                r.error = AtLine(i + 1, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "nombre de points d'étalonnage du traceur %1 illisible")).arg(tracer));
                return r;
            }
            for (int k = 0; k < static_cast<int>(*count); ++k) {
                const int at = i + 2 + k;
                const QStringList f = at < lines.size() ? lines[at].simplified().split(u' ') : QStringList();
                const std::optional<double> log10 = f.size() >= 2 ? Number(f[0]) : std::nullopt;
                const std::optional<double> mv = f.size() >= 2 ? Number(f[1]) : std::nullopt;
                if (!log10 || !mv) {
                    r.error = AtLine(at, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "point d'étalonnage du traceur %1 illisible")).arg(tracer));
                    return r;
                }
                // log10 of a mass fraction: −8 is 10⁻⁸, 10 ppb.
                fullCalibration[static_cast<std::size_t>(tracer - 1)].push_back({std::pow(10.0, *log10 + 9), *mv});
            }
            i += 1 + static_cast<int>(*count);
            inBlocks = false;
            continue;
        }
        if (line.startsWith(QLatin1String("Tracer concentration"), Qt::CaseInsensitive)) {
            const QString after = line.section(u')', -1).section(QStringLiteral("lines"), -1).trimmed();
            blockPpb = Number(after.section(u' ', 0, 0));
            if (!blockPpb && i + 1 < lines.size()) {
                blockPpb = Number(lines[i + 1].simplified().section(u' ', 0, 0));
            }
            inBlocks = false;
            continue;
        }
        if (inBlocks && !line.isEmpty() && (blocks.empty() || blocks.back().seen > 0)) {
            blocks.push_back({line, {}, 0, i});
        }
    }
    for (const Block& b : blocks) {
        if (b.seen == 0) {
            continue;  // a parameter line after dashes, no block of signals
        }
        if (b.seen < kLamps) {
            r.error = AtLine(b.line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "le bloc « %1 » n'a pas ses quatre lampes L1 à L4")).arg(b.name));
            return r;
        }
        if (b.name.compare(QLatin1String("Eau"), Qt::CaseInsensitive) == 0 ||
            b.name.compare(QLatin1String("Water"), Qt::CaseInsensitive) == 0) {
            c.water = b.mv;
        } else if (const std::optional<double> ntu = NtuOf(b.name)) {
            c.turbidity.push_back({*ntu, b.mv});
        } else if (c.tracers.size() < kMaxTracers) {
            TracerCalibration t;
            t.name = b.name;
            t.lamp = static_cast<int>(c.tracers.size()) + 1;  // tracer n is read on lamp Ln
            t.allLamps = b.mv;
            t.allLampsPpb = blockPpb.value_or(0);
            const std::vector<Standard>& fullPoints = fullCalibration[c.tracers.size()];
            if (!fullPoints.empty()) {
                t.standards = fullPoints;
            } else if (blockPpb) {
                t.standards = {{*blockPpb, b.mv[static_cast<std::size_t>(t.lamp - 1)]}};
            } else {
                r.error = AtLine(b.line, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "concentration de l'étalon « %1 » inconnue")).arg(b.name));
                return r;
            }
            c.tracers.push_back(t);
        }
    }
    if (!c.water && c.tracers.empty() && c.turbidity.empty()) {
        r.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "aucun bloc de signaux (lignes de tirets, L1 à L4) : pas un fichier de constantes "
                                 "d'étalonnage"));
        return r;
    }
    r.error = c.Problem();
    return r;
}

namespace {
QString Num(double v)
{
    return QString::number(v, 'g', 10);
}

QString Lamps(const LampSignals& mv)
{
    return Num(mv[0]) + u' ' + Num(mv[1]) + u' ' + Num(mv[2]) + u' ' + Num(mv[3]);
}

std::optional<LampSignals> ReadLamps(const QString& text)
{
    const QStringList f = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (f.size() != kLamps) {
        return std::nullopt;
    }
    LampSignals mv{};
    for (int i = 0; i < kLamps; ++i) {
        const std::optional<double> v = Number(f[i]);
        if (!v) {
            return std::nullopt;
        }
        mv[static_cast<std::size_t>(i)] = *v;
    }
    return mv;
}
}  // namespace

QStringList CalibrationLines(const FluorometerCalibration& c)
{
    const QString& p = kCalibrationKeyPrefix;
    QStringList lines;
    lines << p + QStringLiteral("instrument=") + c.instrument
          << p + QStringLiteral("date=") + (c.date.isValid() ? c.date.toString(Qt::ISODate) : QString());
    if (c.water) {
        lines << p + QStringLiteral("eau=") + Lamps(*c.water);
    }
    for (std::size_t i = 0; i < c.tracers.size(); ++i) {
        const TracerCalibration& t = c.tracers[i];
        const QString key = p + QStringLiteral("traceur%1").arg(i + 1);
        QStringList standards;
        for (const Standard& s : t.standards) {
            standards << Num(s.value) + u':' + Num(s.millivolts);
        }
        lines << key + u'=' + t.name << key + QStringLiteral(".lampe=") + QString::number(t.lamp)
              << key + QStringLiteral(".etalons=") + standards.join(u' ');
        if (t.allLamps) {
            lines << key + QStringLiteral(".lampes=") + Num(t.allLampsPpb) + u':' + Lamps(*t.allLamps);
        }
    }
    for (const TurbidityStandard& s : c.turbidity) {
        lines << p + QStringLiteral("turbidite=") + Num(s.ntu) + u':' + Lamps(s.millivolts);
    }
    return lines;
}

CalibrationRead ReadCalibrationLines(const QStringList& lines)
{
    CalibrationRead r;
    FluorometerCalibration& c = r.calibration;
    static const QRegularExpression tracerKey(QStringLiteral("^traceur([1-3])(\\.(lampe|etalons|lampes))?$"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(kCalibrationKeyPrefix)) {
            continue;
        }
        const QString key = line.section(u'=', 0, 0).mid(kCalibrationKeyPrefix.size());
        const QString value = line.section(u'=', 1).trimmed();
        bool ok = true;
        if (key == QLatin1String("instrument")) {
            c.instrument = value;
        } else if (key == QLatin1String("date")) {
            c.date = QDate::fromString(value, Qt::ISODate);
        } else if (key == QLatin1String("eau")) {
            c.water = ReadLamps(value);
            ok = c.water.has_value();
        } else if (key == QLatin1String("turbidite")) {
            const std::optional<double> ntu = Number(value.section(u':', 0, 0));
            const std::optional<LampSignals> mv = ReadLamps(value.section(u':', 1));
            ok = ntu && mv;
            if (ok) {
                c.turbidity.push_back({*ntu, *mv});
            }
        } else if (const QRegularExpressionMatch m = tracerKey.match(key); m.hasMatch()) {
            const std::size_t n = static_cast<std::size_t>(m.captured(1).toInt());
            if (c.tracers.size() < n) {
                c.tracers.resize(n);
            }
            TracerCalibration& t = c.tracers[n - 1];
            const QString field = m.captured(3);
            if (field.isEmpty()) {
                t.name = value;
            } else if (field == QLatin1String("lampe")) {
                t.lamp = value.toInt(&ok);
            } else if (field == QLatin1String("etalons")) {
                t.standards.clear();
                for (const QString& pair : value.split(u' ', Qt::SkipEmptyParts)) {
                    const std::optional<double> ppb = Number(pair.section(u':', 0, 0));
                    const std::optional<double> mv = Number(pair.section(u':', 1));
                    ok = ok && ppb && mv;
                    if (ppb && mv) {
                        t.standards.push_back({*ppb, *mv});
                    }
                }
            } else {
                const std::optional<double> ppb = Number(value.section(u':', 0, 0));
                t.allLamps = ReadLamps(value.section(u':', 1));
                ok = ppb && t.allLamps;
                t.allLampsPpb = ppb.value_or(0);
            }
        } else {
            continue;  // a key of a later version: passed over
        }
        if (!ok) {
            r.error = AtLine(i, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur illisible « %1 »")).arg(line));
            return r;
        }
    }
    r.error = c.Problem();
    return r;
}

CalibrationRead LoadCalibration(const QString& path)
{
    const std::optional<QStringList> lines = ReadConfigLines(path);
    if (!lines) {
        CalibrationRead r;
        r.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalonnage illisible : %1")).arg(path);
        return r;
    }
    for (const QString& line : *lines) {
        if (line.startsWith(kCalibrationKeyPrefix)) {
            return ReadCalibrationLines(*lines);
        }
    }
    return ReadConstantsFile(*lines);
}

QString SaveCalibration(const QString& path, const FluorometerCalibration& calibration)
{
    return WriteFileAtomically(path, JoinCrLf(CalibrationLines(calibration)));
}

}  // namespace sondalog
