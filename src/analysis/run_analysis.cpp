#include "analysis/run_analysis.h"

#include "analysis/elapsed_time.h"
#include "analysis/figure_text.h"
#include "util/translate.h"

#include <cmath>

namespace sondalog {

namespace {
QString Number(std::optional<double> v, int decimals = 6)
{
    if (!v || !std::isfinite(*v)) {
        return {};
    }
    return QString::number(*v, 'g', decimals);
}
}  // namespace

namespace {
/// The discharge file's times in seconds from t0: a date and time by the same clock as the readings.
DischargeSeries DischargeFromT0(const std::vector<DischargeEntry>& entries, qint64 t0Wall, double secondsPerReading,
                                const QTimeZone& zone)
{
    std::vector<std::pair<double, double>> points;
    const bool wallClock = secondsPerReading <= 0 && t0Wall != kNoTime;
    const qint64 t0Instant = wallClock ? InstantReader(zone, t0Wall, t0Wall).Instant(t0Wall, t0Wall - 86400) : 0;
    for (const DischargeEntry& e : entries) {
        double seconds = e.hours * 3600;
        if (e.wall) {
            seconds = wallClock ? static_cast<double>(InstantReader(zone, *e.wall, *e.wall).Instant(*e.wall, *e.wall - 86400) -
                                                      t0Instant)
                                : static_cast<double>(*e.wall - t0Wall);
        }
        points.emplace_back(seconds, e.litresPerSecond);
    }
    return DischargeSeries(std::move(points));
}
}  // namespace

RunAnalysis AnalyseSeries(const SampleSeries& series, int t0, const TracerInputs& inputs, double secondsPerReading,
                          const QTimeZone& zone)
{
    RunAnalysis a;
    a.secondsPerReading = secondsPerReading;
    a.concentrationInMgL = inputs.concentrationInMgL;
    const int count = series.sampleCount;
    if (t0 < 1 || t0 > count) {
        a.figures.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "pas de t0 : marquer le début du traçage (ou --t0)"));
        return a;
    }
    a.t0 = t0;
    // The background as the live run learns it: the last 100 readings up to t0, t0 included (taken before the
    // injection).
    const int first = std::max(1, t0 - 99);
    const ElapsedTimes times = ElapsedSeconds(series, first, t0, count, secondsPerReading, zone);
    if (!times.error.isEmpty()) {
        a.error = times.error;
        a.figures.notes << times.error;
        return a;
    }
    std::vector<CurvePoint> before;
    std::vector<CurvePoint> curve;
    curve.reserve(static_cast<std::size_t>(count - t0 + 1));
    for (int n = first; n <= count; ++n) {
        const CurvePoint p{times.seconds[static_cast<std::size_t>(n - first)], series.At(n).value1};
        if (n <= t0) {
            before.push_back(p);
        }
        if (n >= t0) {
            curve.push_back(p);
        }
    }
    if (t0 == 1) {
        a.figures.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "aucune mesure avant t0 : ligne de base prise à t0"));
    }
    a.background = FitBackground(before, curve);
    TracerInputs resolved = inputs;
    if (!inputs.dischargeEntries.empty()) {
        resolved.dischargeSeries = DischargeFromT0(inputs.dischargeEntries, series.At(t0).time, secondsPerReading, zone);
    }
    a.figures = AnalyseCurve(curve, a.background, resolved);
    for (const CurvePoint& p : curve) {
        a.concentrations.emplace_back(p.seconds, inputs.factor * (p.value - a.background.At(p.seconds)));
    }
    return a;
}

void FitRun(RunAnalysis& a, const TracerInputs& inputs)
{
    a.fitted = true;
    if (!a.error.isEmpty()) {
        a.fit.message = a.error;
        return;
    }
    const TracerFigures& f = a.figures;
    if (!inputs.distance) {
        a.fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement : distance nécessaire"));
        return;
    }
    const double x = *inputs.distance;
    AdeGuess guess;
    if (f.meanSeconds && *f.meanSeconds > 0 && f.dispersion && *f.dispersion > 0) {
        guess.velocity = x / *f.meanSeconds;
        guess.dispersion = *f.dispersion;
    } else if (f.peakSeconds && *f.peakSeconds > 0) {
        guess.velocity = x / *f.peakSeconds;
        guess.dispersion = guess.velocity * x / 10;
    }
    double area = 0;
    for (std::size_t i = 1; i < a.concentrations.size(); ++i) {
        area += (a.concentrations[i].second + a.concentrations[i - 1].second) / 2 *
                (a.concentrations[i].first - a.concentrations[i - 1].first);
    }
    guess.amplitude = area;
    // With a discharge that varied the fitted amplitude is no recovery: the figure comes from the moments alone.
    const std::optional<double> discharge = inputs.dischargeEntries.empty() ? inputs.discharge : std::nullopt;
    // The fit's amplitude is in the concentration's unit times seconds: the mass in the same unit's mass.
    std::optional<double> mass = inputs.mass;
    if (mass) {
        *mass /= inputs.concentrationInMgL;
    }
    a.fit = FitAde(a.concentrations, x, guess, mass, discharge, inputs.injectionSeconds);
    if (inputs.components != 1 && a.fit.ok) {
        a.conduits = FitConduits(a.concentrations, x, a.fit, inputs.components, mass, discharge,
                                 inputs.injectionSeconds);
    }
}

std::optional<double> FittedValue(const RunAnalysis& a, const SampleSeries& series, const TracerInputs& inputs, int n)
{
    if (!a.fit.ok || a.t0 < 1 || n < a.t0 || n > series.sampleCount || !inputs.distance || !(inputs.factor > 0)) {
        return std::nullopt;
    }
    const std::size_t i = static_cast<std::size_t>(n - a.t0);
    if (i >= a.concentrations.size()) {
        return std::nullopt;
    }
    const double t = a.concentrations[i].first;
    const double c = AdePulseConcentration(t, *inputs.distance, a.fit.velocity / 3600, a.fit.dispersion, a.fit.amplitude,
                                           inputs.injectionSeconds) +
                     a.fit.offset;
    return a.background.At(t) + c / inputs.factor;
}

QString ConcentrationUnit(const RunAnalysis& a)
{
    return a.concentrationInMgL == 1 ? QStringLiteral("mg/L") : QStringLiteral("ppb");
}

std::pair<std::optional<double>, QString> MassAsSaid(const RunAnalysis& a, std::optional<double> kg)
{
    if (a.concentrationInMgL == 1) {
        return {kg, QStringLiteral("kg")};
    }
    return {kg ? std::optional<double>(*kg * 1000) : std::nullopt, QStringLiteral("g")};
}

QStringList AnalysisKeyValues(const RunAnalysis& a)
{
    const TracerFigures& f = a.figures;
    const AdeFit& fit = a.fit;
    auto kv = [](const char* key, const QString& value) -> QString { return QString::fromLatin1(key) + u'=' + value; };
    QStringList lines;
    lines << kv("n", QString::number(f.n)) << kv("t0", a.t0 > 0 ? QString::number(a.t0) : QString())
          << kv("baseline", a.t0 > 0 ? Number(f.baseline, 10) : QString())
          << kv("baseline.drift", a.t0 > 0 && a.error.isEmpty() ? Number(f.drift) : QString())
          << kv("first.seconds", Number(f.firstSeconds))
          << kv("peak.seconds", Number(f.peakSeconds)) << kv("peak.concentration", Number(f.peakConcentration))
          << kv("mean.seconds", Number(f.meanSeconds)) << kv("variance.seconds2", Number(f.variance))
          << kv("velocity.first", Number(f.velocityFirst)) << kv("velocity.peak", Number(f.velocityPeak))
          << kv("velocity.mean", Number(f.velocityMean)) << kv("dispersion", Number(f.dispersion))
          << kv("dispersivity", Number(f.dispersivity)) << kv("peclet", Number(f.peclet))
          << kv("concentration.unit", ConcentrationUnit(a))
          << kv("recovered.kg", Number(f.recoveredKg))
          << kv("recovered.g", Number(f.recoveredKg ? std::optional<double>(*f.recoveredKg * 1000) : std::nullopt)) << kv("recovery.percent", Number(f.recoveryPercent))
          << kv("end.seconds", Number(f.endSeconds)) << kv("tail.percent", Number(f.tailPercent));
    auto fitted = [&](double v) { return fit.ok ? Number(v) : QString(); };
    lines << kv("fit.velocity", fitted(fit.velocity)) << kv("fit.velocity.se", fitted(fit.velocitySe))
          << kv("fit.dispersion", fitted(fit.dispersion)) << kv("fit.dispersion.se", fitted(fit.dispersionSe))
          << kv("fit.recovery", fit.ok ? Number(fit.recovery) : QString())
          << kv("fit.recovery.se", fit.ok ? Number(fit.recoverySe) : QString()) << kv("fit.rmse", fitted(fit.rmse))
          << kv("fit.r2", fitted(fit.r2)) << kv("fit.offset", fitted(fit.offset)) << kv("fit.velocity.ci95", fitted(fit.velocityCi95))
          << kv("fit.dispersion.ci95", fitted(fit.dispersionCi95))
          << kv("fit.recovery.ci95", fit.ok ? Number(fit.recoveryCi95) : QString())
          << kv("fit.reliable", fit.ok && fit.reliable ? QStringLiteral("true") : QStringLiteral("false"));
    // The conduits: the sum of 1 to 3 curves, fastest first; fit.recovery is then their sum.
    const ConduitsFit& conduits = a.conduits;
    const int count = conduits.ok ? static_cast<int>(conduits.components.size()) : fit.ok ? 1 : 0;
    lines << kv("fit.components", count > 0 ? QString::number(count) : QString());
    for (int i = 1; i <= 3; ++i) {
        std::optional<double> v, d, share;
        if (conduits.ok && i <= count) {
            const ConduitComponent& c = conduits.components[static_cast<std::size_t>(i - 1)];
            v = c.velocity;
            d = c.dispersion;
            share = c.fraction;
        } else if (!conduits.ok && fit.ok && i == 1) {
            v = fit.velocity;
            d = fit.dispersion;
            share = 1.0;
        }
        const QString prefix = QStringLiteral("fit.%1.").arg(i);
        lines << prefix + QStringLiteral("velocity=") + Number(v) << prefix + QStringLiteral("dispersion=") + Number(d)
              << prefix + QStringLiteral("fraction=") + Number(share);
    }
    if (conduits.ok && conduits.recovery) {
        for (QString& line : lines) {
            if (line.startsWith(QLatin1String("fit.recovery="))) {
                line = kv("fit.recovery", Number(conduits.recovery));
            } else if (line.startsWith(QLatin1String("fit.recovery."))) {
                line = line.section(u'=', 0, 0) + u'=';  // the one curve's uncertainty is not the sum's
            }
        }
    }
    lines << kv("provisional", f.provisional ? QStringLiteral("true") : QStringLiteral("false"));
    return lines;
}

QString AnalysisReport(const RunAnalysis& a, const TracerInputs& in, const QString& recordingName)
{
    const TracerFigures& f = a.figures;
    // Decimal commas and ordinary notation, as on screen: the report is read on paper too (in the interface's language).
    auto line = [](const QString& label, std::optional<double> v, const QString& unit) -> QString {
        return label + QStringLiteral(" : ") + FigureText(v, unit) + u'\n';
    };
    auto duration = [](const QString& label, std::optional<double> v) -> QString {
        return label + QStringLiteral(" : ") + ElapsedText(v) +
               (v && std::isfinite(*v) ? QStringLiteral(" (") + FigureText(v, QStringLiteral("s")) + u')' : QString()) +
               u'\n';
    };
    QString r = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Analyse du traçage — ")) + recordingName + QStringLiteral("\n\n");
    r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Données\n"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  distance injection – mesure")), in.distance, QStringLiteral("m"));
    const bool salt = a.concentrationInMgL == 1;
    const auto [injected, massUnit] = MassAsSaid(a, in.mass);
    r += line(salt ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  masse de sel injectée")) : Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  masse de traceur injectée")), injected, massUnit);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  débit au point de mesure")), in.discharge, QStringLiteral("L/s"));
    if (salt) {
        r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  facteur de conversion k")), in.factor, Message(QT_TRANSLATE_NOOP("sondalog::Messages", "mg/L par µS/cm")));
    }
    r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  t0 : mesure n° ")) + (a.t0 > 0 ? QString::number(a.t0) : QStringLiteral("—")) +
         Message(QT_TRANSLATE_NOOP("sondalog::Messages", ", ligne de base ")) + FigureText(f.baseline, {}, 6) + Message(QT_TRANSLATE_NOOP("sondalog::Messages", " (grandeur 1)\n\n"));
    r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "Résultats (")) + QString::number(f.n) + Message(QT_TRANSLATE_NOOP("sondalog::Messages", " mesures après t0)")) +
         (f.provisional ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", " — courbe incomplète, résultats provisoires")) : QString()) + QStringLiteral("\n");
    r += duration(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  première arrivée")), f.firstSeconds);
    r += duration(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  pic")), f.peakSeconds);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  concentration au pic")), f.peakConcentration, ConcentrationUnit(a));
    r += duration(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  temps de transit moyen")), f.meanSeconds);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  variance des temps de transit")), f.variance, QStringLiteral("s²"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  vitesse (première arrivée)")), f.velocityFirst, QStringLiteral("m/h"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  vitesse (pic)")), f.velocityPeak, QStringLiteral("m/h"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  vitesse (temps moyen)")), f.velocityMean, QStringLiteral("m/h"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  dispersion longitudinale D")), f.dispersion, QStringLiteral("m²/s"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  dispersivité alpha")), f.dispersivity, QStringLiteral("m"));  // α has no Windows-1252 code
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  nombre de Péclet")), f.peclet, QString());
    const auto [recovered, recoveredUnit] = MassAsSaid(a, f.recoveredKg);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  masse restituée")), recovered, recoveredUnit);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  taux de restitution")), f.recoveryPercent, QStringLiteral("%"));
    r += duration(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  fin du passage")), f.endSeconds);
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  part extrapolée de la queue")), f.tailPercent, QStringLiteral("%"));
    r += line(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  dérive de la ligne de base")), a.t0 > 0 && a.error.isEmpty() ? std::optional<double>(f.drift)
                                                                                       : std::nullopt,
              Message(QT_TRANSLATE_NOOP("sondalog::Messages", "par heure")));
    r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "\nAjustement advection–dispersion (injection instantanée, concentration de flux)\n"));
    if (a.fit.ok) {
        const AdeFit& fit = a.fit;
        if (!fit.reliable) {
            r += QStringLiteral("  ") + fit.message + u'\n';
        }
        r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  (± : écart type ; intervalle à 95 % : ± 1,96 écart type)\n"));
        r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  vitesse v : %1 ± %2 m/h\n")).arg(FigureText(fit.velocity, {}, 5), FigureText(fit.velocitySe, {}, 2));
        r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  dispersion D : %1 ± %2 m²/s\n"))
                 .arg(FigureText(fit.dispersion, {}, 5), FigureText(fit.dispersionSe, {}, 2));
        if (fit.recovery) {
            r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  restitution R : %1 ± %2 %\n")).arg(FigureText(fit.recovery), FigureText(fit.recoverySe, {}, 2));
        }
        r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "  écart quadratique moyen : %1 %4, R² = %2 (%3 points)\n"))
                 .arg(FigureText(fit.rmse), FigureText(fit.r2, {}, 4), QString::number(fit.points), ConcentrationUnit(a));
    } else {
        r += QStringLiteral("  ") + (a.fit.message.isEmpty() ? Message(QT_TRANSLATE_NOOP("sondalog::Messages", "non calculé")) : a.fit.message) + u'\n';
    }
    if (!f.notes.isEmpty()) {
        r += Message(QT_TRANSLATE_NOOP("sondalog::Messages", "\nRemarques\n  ")) + f.notes.join(QStringLiteral("\n  ")) + u'\n';
    }
    return r;
}

}  // namespace sondalog
