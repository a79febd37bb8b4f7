#include "analysis/background.h"

#include "analysis/tracer_analysis.h"

#include <algorithm>
#include <cmath>

namespace sondalog {

namespace {
struct Line {
    double meanT = 0;
    double meanV = 0;
    double slope = 0;
};

/// Least squares through the points (slope 0 with fewer than two distinct times).
Line FitLine(const std::vector<CurvePoint>& points, std::size_t from, std::size_t to)
{
    Line l;
    const double n = static_cast<double>(to - from);
    if (n < 1) {
        return l;
    }
    for (std::size_t i = from; i < to; ++i) {
        l.meanT += points[i].seconds;
        l.meanV += points[i].value;
    }
    l.meanT /= n;
    l.meanV /= n;
    double sxy = 0, sxx = 0;
    for (std::size_t i = from; i < to; ++i) {
        sxy += (points[i].seconds - l.meanT) * (points[i].value - l.meanV);
        sxx += (points[i].seconds - l.meanT) * (points[i].seconds - l.meanT);
    }
    l.slope = sxx > 0 ? sxy / sxx : 0;
    return l;
}
}  // namespace

Background LevelBackground(const std::vector<CurvePoint>& before)
{
    Background b;
    std::vector<double> values;
    values.reserve(before.size());
    for (const CurvePoint& p : before) {
        values.push_back(p.value);
    }
    for (double v : values) {
        b.level += v;
    }
    b.level = values.empty() ? 0 : b.level / static_cast<double>(values.size());
    b.sd = StandardDeviation(values);
    return b;
}

Background FitBackground(const std::vector<CurvePoint>& before, const std::vector<CurvePoint>& curve)
{
    const Background level = LevelBackground(before);
    if (before.empty() || curve.size() < 20) {
        return level;
    }
    // The record's last fifth, at least ten readings: once the curve is back, it lies flat on the line it makes
    // with the level before t0.
    if (curve.size() < 50) {
        return level;
    }
    const std::size_t from = curve.size() - std::max<std::size_t>(10, curve.size() / 5);
    const Line tail = FitLine(curve, from, curve.size());
    const Line start = FitLine(before, 0, before.size());
    const double span = tail.meanT - start.meanT;
    if (!(span > 0)) {
        return level;
    }
    const double joined = (tail.meanV - start.meanV) / span;
    // The curve over that line: its peak must stand before the last fifth, and the last fifth must not slope across
    // the line (a falling limb does) by more than the noise or a twentieth of the peak.
    std::size_t peak = 0;
    auto above = [&](std::size_t i) { return curve[i].value - (start.meanV + joined * (curve[i].seconds - start.meanT)); };
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (above(i) > above(peak)) {
            peak = i;
        }
    }
    const double duration = curve.back().seconds - curve[from].seconds;
    const double allowed = std::max(3 * level.sd, 0.05 * above(peak));
    if (peak >= from || std::abs(tail.slope - joined) * duration > allowed) {
        return level;
    }
    Background b;
    b.afterPassage = true;
    // A drift the two levels cannot tell from their own error is none: the level of all those readings together
    // is then better known than either (the moments weigh a level's error by t², over the whole passage).
    const double nBefore = static_cast<double>(before.size());
    const double nTail = static_cast<double>(curve.size() - from);
    const double levelError = level.sd * std::sqrt(1 / nBefore + 1 / nTail);
    if (std::abs(tail.meanV - start.meanV) < 2 * levelError) {
        b.level = (start.meanV * nBefore + tail.meanV * nTail) / (nBefore + nTail);
    } else {
        b.slope = joined;
        b.level = start.meanV - joined * start.meanT;
    }
    // The spread about the line, before t0.
    std::vector<double> residuals;
    for (const CurvePoint& p : before) {
        residuals.push_back(p.value - b.At(p.seconds));
    }
    b.sd = StandardDeviation(residuals);
    return b;
}

}  // namespace sondalog
