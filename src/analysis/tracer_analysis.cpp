#include "analysis/tracer_analysis.h"

#include <algorithm>
#include <cmath>

namespace sondalog {

namespace {
bool Finite(double v)
{
    return std::isfinite(v);
}

std::optional<double> IfFinite(double v)
{
    return Finite(v) ? std::optional<double>(v) : std::nullopt;
}
}  // namespace

double StandardDeviation(const std::vector<double>& values)
{
    if (values.size() < 2) {
        return 0;
    }
    double mean = 0;
    for (double v : values) {
        mean += v;
    }
    mean /= static_cast<double>(values.size());
    double sum = 0;
    for (double v : values) {
        sum += (v - mean) * (v - mean);
    }
    return std::sqrt(sum / static_cast<double>(values.size() - 1));
}

TracerFigures AnalyseCurve(const std::vector<CurvePoint>& curve, double baseline, double baselineSd,
                           const TracerInputs& inputs)
{
    TracerFigures f;
    f.n = static_cast<int>(curve.size());
    f.baseline = baseline;
    if (curve.size() < 2) {
        f.notes << QStringLiteral("pas assez de mesures après t0 (il en faut au moins deux)");
        return f;
    }
    const double k = inputs.factor;
    if (!(k > 0) || !Finite(k)) {
        f.notes << QStringLiteral("facteur de conversion en concentration absent ou nul");
        return f;
    }
    // First arrival, peak.
    const double threshold = baseline + 3 * baselineSd;
    std::size_t peak = 0;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (!f.firstSeconds && curve[i].value > threshold) {
            f.firstSeconds = curve[i].seconds;
        }
        if (curve[i].value > curve[peak].value) {
            peak = i;
        }
    }
    const double peakC = k * (curve[peak].value - baseline);
    if (!(peakC > 0)) {
        f.notes << QStringLiteral("courbe plate : aucune mesure au-dessus de la ligne de base");
        return f;
    }
    f.peakSeconds = curve[peak].seconds;
    f.peakConcentration = peakC;

    // Moments of C(t) by trapezoids.
    double m0 = 0, m1 = 0, m2 = 0;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const double t0 = curve[i - 1].seconds;
        const double t1 = curve[i].seconds;
        const double dt = t1 - t0;
        if (!(dt > 0)) {
            continue;
        }
        const double c0 = k * (curve[i - 1].value - baseline);
        const double c1 = k * (curve[i].value - baseline);
        m0 += (c0 + c1) / 2 * dt;
        m1 += (t0 * c0 + t1 * c1) / 2 * dt;
        m2 += (t0 * t0 * c0 + t1 * t1 * c1) / 2 * dt;
    }
    // Not back to the baseline: the tail is still to come and the figures will change.
    const double lastC = k * (curve.back().value - baseline);
    f.provisional = peak + 1 == curve.size() || lastC > 0.05 * peakC;
    if (f.provisional) {
        f.notes << QStringLiteral("courbe incomplète : la concentration n'est pas revenue à la ligne de base, les "
                                  "moments et la restitution sont provisoires");
    }
    if (!(m0 > 0)) {
        f.notes << QStringLiteral("aire de la courbe nulle ou négative : pas de moments");
        return f;
    }
    const double mean = m1 / m0;
    const double variance = m2 / m0 - mean * mean;
    f.meanSeconds = IfFinite(mean);
    if (variance > 0) {
        f.variance = variance;
    }
    if (inputs.mass && inputs.discharge && *inputs.mass > 0 && *inputs.discharge > 0) {
        f.recoveredKg = *inputs.discharge * m0 * 1e-6;  // L/s × mg·s/L = mg
        f.recoveryPercent = *f.recoveredKg / *inputs.mass * 100;
    } else {
        f.notes << QStringLiteral("restitution : masse injectée et débit nécessaires");
    }
    if (!inputs.distance || !(*inputs.distance > 0)) {
        f.notes << QStringLiteral("vitesses et dispersion : distance nécessaire");
        return f;
    }
    const double x = *inputs.distance;
    auto perHour = [x](std::optional<double> t) -> std::optional<double> {
        return t && *t > 0 ? std::optional<double>(x / *t * 3600) : std::nullopt;
    };
    f.velocityFirst = perHour(f.firstSeconds);
    f.velocityPeak = perHour(f.peakSeconds);
    f.velocityMean = perHour(f.meanSeconds);
    if (f.meanSeconds && *f.meanSeconds > 0 && f.variance) {
        const double v = x / *f.meanSeconds;  // m/s
        const double d = *f.variance * x * x / (2 * std::pow(*f.meanSeconds, 3));
        f.dispersion = IfFinite(d);
        if (f.dispersion && d > 0) {
            f.dispersivity = IfFinite(d / v);
            f.peclet = IfFinite(x * v / d);
        }
    }
    return f;
}

std::optional<double> FactorFromStandards(const std::vector<std::pair<double, double>>& points)
{
    if (points.size() < 2) {
        return std::nullopt;
    }
    double sx = 0, sy = 0;
    for (const auto& [c, g] : points) {
        sx += g;
        sy += c;
    }
    const double n = static_cast<double>(points.size());
    const double mx = sx / n, my = sy / n;
    double sxy = 0, sxx = 0;
    for (const auto& [c, g] : points) {
        sxy += (g - mx) * (c - my);
        sxx += (g - mx) * (g - mx);
    }
    if (!(sxx > 0)) {
        return std::nullopt;
    }
    const double k = sxy / sxx;
    return k > 0 && std::isfinite(k) ? std::optional<double>(k) : std::nullopt;
}

}  // namespace sondalog
