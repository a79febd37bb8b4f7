#pragma once
// The background under a breakthrough curve: the level before t0 and, once the curve is back, after the
// passage; between the two a straight line (a probe fouling, a spring warming), its slope the drift.
// Without readings after the passage the background is the level before t0 and there is no drift.

#include <vector>

namespace sondalog {

struct CurvePoint;

struct Background {
    double level = 0;   ///< at t0
    double slope = 0;   ///< per second: the drift
    double sd = 0;      ///< the readings' spread about it, before t0
    bool afterPassage = false;  ///< readings after the passage took part (the drift is measured)
    double At(double seconds) const { return level + slope * seconds; }
};

/// `before`: readings up to t0 (times ≤ 0); `curve`: readings from t0 on. The readings after the passage
/// are the record's last fifth after the peak, taken only when they lie flat on the line they make with
/// the level before t0 (a falling limb does not).
Background FitBackground(const std::vector<CurvePoint>& before, const std::vector<CurvePoint>& curve);

/// The plain level of the readings before t0 and their spread.
Background LevelBackground(const std::vector<CurvePoint>& before);

}  // namespace sondalog
