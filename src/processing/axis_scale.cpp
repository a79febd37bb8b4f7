#include "processing/axis_scale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sondalog {

namespace {
// Beyond this many graduations the limit is computed directly rather than stepped.
constexpr double kMaxSteps = 100000;

double MemoStep(StepMemo* memo, double lo, double hi)
{
    if (memo == nullptr) {
        return NiceStep(lo, hi);
    }
    if (!memo->valid || memo->lo != lo || memo->hi != hi) {
        *memo = {lo, hi, NiceStep(lo, hi), true};
    }
    return memo->step;
}

void Regraduate(AxisScale& a, double v, bool always, AxisChange& change, StepMemo* memo)
{
    const double lo = std::min(a.min, v);
    const double hi = std::max(a.max, v);
    if (always) {
        const double step = MemoStep(memo, lo, hi);
        change.graduationChanged = change.graduationChanged || step != a.graduation;
        a.graduation = step;
        return;
    }
    if (a.graduation == 0) {
        a.graduation = 10;
    }
    const double steps = (hi - lo) / a.graduation;
    if (steps > 6 || steps < 3) {
        const double step = MemoStep(memo, lo, hi);
        change.graduationChanged = change.graduationChanged || step != a.graduation;
        a.graduation = step;
    }
}
}  // namespace

double RoundSignificant(double x, int digits, bool up)
{
    if (x == 0 || !std::isfinite(x)) {
        return x;
    }
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer - 1, x, std::chars_format::scientific, 14);
    *r.ptr = '\0';
    char* e = std::strchr(buffer, 'e');
    const int exponent = static_cast<int>(std::strtol(e + 1, nullptr, 10));
    *e = '\0';
    const double mantissa = std::strtod(buffer, nullptr);
    const double scale = std::pow(10.0, digits - 1);
    // Rounding noise of the mantissa must not push an exact value up a step.
    const double scaled = std::round(mantissa * scale * 1e9) / 1e9;
    const double rounded = up ? std::ceil(scaled) : std::floor(scaled);
    return rounded / scale * std::pow(10.0, exponent);
}

double NiceStep(double lo, double hi)
{
    const double s = (hi - lo) / 10;
    double r = RoundSignificant(s, 1, true);
    if (r == 0) {
        r = s;
    }
    if (r == 0 || !std::isfinite(r)) {
        r = 1;
    }
    return r;
}

AxisChange WidenAxis(AxisScale& a, double v, bool alwaysRegraduate, bool roundLimits, StepMemo* memo)
{
    AxisChange change;
    if (!std::isfinite(v)) {
        return change;
    }
    Regraduate(a, v, alwaysRegraduate, change, memo);
    // A graduation of 0 or below would never reach the value.
    const double step = a.graduation > 0 ? a.graduation : std::max(std::abs(a.graduation), 1.0);
    if (v > a.max) {
        double max = a.min;
        if ((v - max) / step < kMaxSteps) {
            while (max < v) {
                max += step;
            }
        } else {
            max += std::ceil((v - max) / step) * step;
        }
        a.max = roundLimits ? RoundSignificant(max, 2, true) : max;
        change.maxChanged = true;
    }
    if (v < a.min) {
        double min = a.max;
        if ((min - v) / step < kMaxSteps) {
            while (min > v) {
                min -= step;
            }
        } else {
            min -= std::ceil((min - v) / step) * step;
        }
        a.min = roundLimits ? RoundSignificant(min, 2, false) : min;
        change.minChanged = true;
    }
    Regraduate(a, v, alwaysRegraduate, change, memo);
    if (v > a.maxRead) {
        a.maxRead = v;
        change.maxReadChanged = true;
    }
    if (v < a.minRead) {
        a.minRead = v;
        change.minReadChanged = true;
    }
    return change;
}

}  // namespace sondalog
