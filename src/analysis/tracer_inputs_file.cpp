#include "analysis/tracer_inputs_file.h"

#include "util/text_file.h"
#include "util/translate.h"

#include <cmath>

namespace sondalog {

std::optional<double> OptionalNumber(const QString& text)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    if (t.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

TracerInputs TracerSettings::Effective() const
{
    TracerInputs in = inputs;
    if (const std::optional<double> k = FactorFromStandards(standards)) {
        in.factor = *k;
    }
    return in;
}

TracerInputs WithDemoInputs(TracerInputs inputs)
{
    if (!inputs.distance && !inputs.mass && !inputs.discharge && inputs.dischargeEntries.empty()) {
        inputs.distance = 10;
        inputs.mass = 0.65;
        inputs.discharge = 40;
    }
    return inputs;
}

TracerSettings LoadTracerSettings(const QString& path)
{
    TracerSettings s;
    const std::optional<QStringList> lines = ReadConfigLines(path);
    if (!lines) {
        return s;
    }
    for (const QString& line : *lines) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        const QString value = line.section(u'=', 1).trimmed();
        if (key == QLatin1String("distance")) {
            s.inputs.distance = OptionalNumber(value);
        } else if (key == QLatin1String("masse")) {
            s.inputs.mass = OptionalNumber(value);
        } else if (key == QLatin1String("debit")) {
            s.inputs.discharge = OptionalNumber(value);
        } else if (key == QLatin1String("facteur")) {
            if (const std::optional<double> k = OptionalNumber(value); k && *k > 0) {
                s.inputs.factor = *k;
            }
        } else if (key == QLatin1String("fichier_debit")) {
            s.dischargeFile = value;
        } else if (key == QLatin1String("etalons")) {
            for (const QString& pair : value.split(u';', Qt::SkipEmptyParts)) {
                const std::optional<double> c = OptionalNumber(pair.section(u':', 0, 0));
                const std::optional<double> g = OptionalNumber(pair.section(u':', 1, 1));
                if (c && g) {
                    s.standards.emplace_back(*c, *g);
                }
            }
        }
    }
    ReadDischargeFile(s);
    return s;
}

void ReadDischargeFile(TracerSettings& s)
{
    s.inputs.dischargeEntries.clear();
    s.dischargeError.clear();
    if (s.dischargeFile.trimmed().isEmpty()) {
        return;
    }
    const std::optional<QStringList> lines = ReadConfigLines(s.dischargeFile.trimmed());
    if (!lines) {
        s.dischargeError = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fichier de débit illisible : %1")).arg(s.dischargeFile);
        return;
    }
    const DischargeFile file = ReadDischargeLines(*lines);
    s.dischargeError = file.error;
    s.inputs.dischargeEntries = file.entries;
}

QString SaveTracerSettings(const QString& path, const TracerSettings& s)
{
    auto number = [](std::optional<double> v) { return v ? QString::number(*v, 'g', 12) : QString(); };
    QStringList standards;
    for (const auto& [c, g] : s.standards) {
        standards << QString::number(c, 'g', 12) + u':' + QString::number(g, 'g', 12);
    }
    const QStringList lines = {QStringLiteral("distance=") + number(s.inputs.distance),
                               QStringLiteral("masse=") + number(s.inputs.mass),
                               QStringLiteral("debit=") + number(s.inputs.discharge),
                               QStringLiteral("facteur=") + number(s.inputs.factor),
                               QStringLiteral("etalons=") + standards.join(u';'),
                               QStringLiteral("fichier_debit=") + s.dischargeFile};
    return WriteFileAtomically(path, JoinCrLf(lines));
}

}  // namespace sondalog
