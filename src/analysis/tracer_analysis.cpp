#include "analysis/tracer_analysis.h"

#include "util/translate.h"

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

namespace {
constexpr int kArrivalReadings = 3;
constexpr double kArrivalSeconds = 300;

/// The first of at least three consecutive readings, over five minutes, above the threshold: one reading of
/// noise above it is no arrival.
std::optional<double> FirstArrival(const std::vector<CurvePoint>& curve, const std::vector<double>& c, double threshold)
{
    std::size_t i = 0;
    while (i < c.size()) {
        if (!(c[i] > threshold)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < c.size() && c[j] > threshold) {
            ++j;
        }
        if (j - i >= kArrivalReadings && curve[j - 1].seconds - curve[i].seconds >= kArrivalSeconds) {
            return curve[i].seconds;
        }
        i = j;
    }
    return std::nullopt;
}

/// The first reading after the peak from which the curve, averaged over a few readings, is back within its
/// noise; nullopt while it is not.
std::optional<std::size_t> EndOfPassage(const std::vector<double>& c, std::size_t peak, double sd)
{
    const std::size_t w = std::clamp<std::size_t>(c.size() / 100, 5, 61);
    const double threshold = 3 * sd / std::sqrt(static_cast<double>(w));
    double sum = 0;
    for (std::size_t i = peak + 1; i < c.size(); ++i) {
        sum += c[i];
        if (i >= peak + 1 + w) {
            sum -= c[i - w];
        }
        if (i >= peak + w && sum / static_cast<double>(w) <= threshold) {
            return i + 1 - w;
        }
    }
    return std::nullopt;
}

struct Tail {
    bool fitted = false;
    double m0 = 0, m1 = 0, m2 = 0;
};

/// The tail past `end` as the exponential the falling limb follows (from 15 % of the peak to the end: the
/// limb steepens as it goes, its last part tells the tail best).
Tail ExtrapolateTail(const std::vector<CurvePoint>& curve, const std::vector<double>& c, std::size_t peak,
                     std::size_t end, double floor)
{
    Tail tail;
    const double peakC = c[peak];
    double st = 0, sl = 0, stt = 0, stl = 0, lowest = peakC;
    int n = 0;
    for (std::size_t i = peak + 1; i <= end && i < c.size(); ++i) {
        if (c[i] > 0.15 * peakC || !(c[i] > floor)) {
            continue;
        }
        const double t = curve[i].seconds;
        const double l = std::log(c[i]);
        st += t;
        sl += l;
        stt += t * t;
        stl += t * l;
        lowest = std::min(lowest, c[i]);
        ++n;
    }
    const double det = n * stt - st * st;
    // Too short a limb (it has not come down to a fifth of the peak) says nothing of the tail.
    if (n < 5 || !(det > 0) || lowest > 0.1 * peakC) {
        return tail;
    }
    const double lambda = -(n * stl - st * sl) / det;
    const double intercept = (sl + lambda * st) / n;
    if (!(lambda > 0) || !std::isfinite(intercept)) {
        return tail;
    }
    const double te = curve[end].seconds;
    const double ce = std::exp(intercept - lambda * te);
    tail.fitted = true;
    tail.m0 = ce / lambda;
    tail.m1 = ce * (te / lambda + 1 / (lambda * lambda));
    tail.m2 = ce * (te * te / lambda + 2 * te / (lambda * lambda) + 2 / (lambda * lambda * lambda));
    return tail;
}
}  // namespace

TracerFigures AnalyseCurve(const std::vector<CurvePoint>& curve, double baseline, double baselineSd,
                           const TracerInputs& inputs)
{
    Background b;
    b.level = baseline;
    b.sd = baselineSd;
    return AnalyseCurve(curve, b, inputs);
}

TracerFigures AnalyseCurve(const std::vector<CurvePoint>& curve, const Background& background, const TracerInputs& inputs)
{
    TracerFigures f;
    f.n = static_cast<int>(curve.size());
    f.baseline = background.level;
    f.drift = background.slope * 3600;
    if (curve.size() < 2) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "pas assez de mesures après t0 (il en faut au moins deux)"));
        return f;
    }
    const double k = inputs.factor;
    if (!(k > 0) || !Finite(k)) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "facteur de conversion en concentration absent ou nul"));
        return f;
    }
    std::vector<double> c(curve.size());
    std::size_t peak = 0;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        c[i] = k * (curve[i].value - background.At(curve[i].seconds));
        if (c[i] > c[peak]) {
            peak = i;
        }
    }
    const double sd = k * background.sd;
    f.firstSeconds = FirstArrival(curve, c, 3 * sd);
    const double peakC = c[peak];
    if (!(peakC > 0)) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "courbe plate : aucune mesure au-dessus de la ligne de base"));
        return f;
    }
    f.peakSeconds = curve[peak].seconds;
    f.peakConcentration = peakC;

    // Moments of C(t) by trapezoids over the passage: the noise past it only adds to them (t² times the noise).
    std::optional<std::size_t> back = EndOfPassage(c, peak, sd);
    if (inputs.endSeconds) {
        // The user's end: the last reading up to it, once the curve has peaked.
        std::size_t last = peak;
        while (last + 1 < curve.size() && curve[last + 1].seconds <= *inputs.endSeconds) {
            ++last;
        }
        if (last > peak) {
            back = last;
        } else {
            f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fin du passage demandée avant le pic : ignorée"));
        }
    }
    const std::size_t end = back ? *back : curve.size() - 1;
    f.endSeconds = curve[end].seconds;
    double m0 = 0, m1 = 0, m2 = 0;
    double flux = 0;  // ∫ Q(t) C(t) dt, mg, when the discharge varied
    const DischargeSeries& q = inputs.dischargeSeries;
    for (std::size_t i = 1; i <= end; ++i) {
        const double t0 = curve[i - 1].seconds;
        const double t1 = curve[i].seconds;
        const double dt = t1 - t0;
        if (!(dt > 0)) {
            continue;
        }
        m0 += (c[i - 1] + c[i]) / 2 * dt;
        m1 += (t0 * c[i - 1] + t1 * c[i]) / 2 * dt;
        m2 += (t0 * t0 * c[i - 1] + t1 * t1 * c[i]) / 2 * dt;
        if (!q.empty()) {
            flux += (q.At(t0) * c[i - 1] + q.At(t1) * c[i]) / 2 * dt;
        }
    }
    const Tail tail = ExtrapolateTail(curve, c, peak, end, std::max(3 * sd / 8, peakC * 1e-9));
    if (tail.fitted && m0 > 0) {
        m0 += tail.m0;
        m1 += tail.m1;
        m2 += tail.m2;
        f.tailPercent = tail.m0 / m0 * 100;
        flux += q.empty() ? 0 : q.At(curve[end].seconds) * tail.m0;
    }
    // Not back, and a tail that cannot be told or weighs more than a twentieth: the figures will change.
    f.provisional = (!back && !tail.fitted) || (f.tailPercent && *f.tailPercent > 5);
    if (f.provisional) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "courbe incomplète : la concentration n'est pas revenue à la ligne de base, les "
                                  "moments et la restitution sont provisoires"));
    }
    if (!(m0 > 0)) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "aire de la courbe nulle ou négative : pas de moments"));
        return f;
    }
    const double mean = m1 / m0;
    const double variance = m2 / m0 - mean * mean;
    f.meanSeconds = IfFinite(mean);
    if (variance > 0) {
        f.variance = variance;
    }
    if (inputs.mass && *inputs.mass > 0 && !q.empty()) {
        f.recoveredKg = flux * 1e-6 * inputs.concentrationInMgL;  // L/s × mg/L × s = mg
        f.recoveryPercent = *f.recoveredKg / *inputs.mass * 100;
    } else if (inputs.mass && inputs.discharge && *inputs.mass > 0 && *inputs.discharge > 0) {
        f.recoveredKg = *inputs.discharge * m0 * 1e-6 * inputs.concentrationInMgL;  // L/s × mg·s/L = mg
        f.recoveryPercent = *f.recoveredKg / *inputs.mass * 100;
    } else {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "restitution : masse injectée et débit nécessaires"));
    }
    if (!inputs.distance || !(*inputs.distance > 0)) {
        f.notes << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "vitesses et dispersion : distance nécessaire"));
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
