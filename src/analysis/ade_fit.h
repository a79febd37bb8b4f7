#pragma once
// The advection–dispersion fit of a breakthrough curve: the flux-concentration solution for an
// instantaneous injection (Kreft & Zuber 1978),
//   C(t) = R · (M / Q) · x / √(4π D t³) · exp(−(x − v t)² / (4 D t)),
// plus a constant offset of the background, fitted by non-linear least squares (GSL's Levenberg–Marquardt)
// for v, D, A = R · M / Q and the offset.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace sondalog {

/// C(t) in mg/L for t in s, x in m, v in m/s, D in m²/s, amplitude A = R M / Q in mg·s/L.
double AdeConcentration(double t, double x, double v, double d, double amplitude);

struct AdeFit {
    bool ok = false;
    QString message;  ///< why there is no fit, in French
    double velocity = 0;  ///< m/h
    double velocitySe = 0;
    double dispersion = 0;  ///< m²/s
    double dispersionSe = 0;
    double amplitude = 0;  ///< mg·s/L
    double offset = 0;     ///< mg/L: what the background taken off still held under the curve
    double offsetSe = 0;
    std::optional<double> recovery;  ///< % (R × 100), with the mass and the discharge
    std::optional<double> recoverySe;
    double rmse = 0;  ///< mg/L, of the fitted curve against every reading
    double r2 = 0;    ///< the share of the readings' variance the curve explains
    int points = 0;  ///< the points fitted (long curves are averaged by packets of time, never across a gap)
    /// 95 % intervals (half widths): 1.96 standard errors.
    double velocityCi95 = 0;
    double dispersionCi95 = 0;
    std::optional<double> recoveryCi95;
    /// A fit that explains less than 90 % of the variance, or whose interval is wider than its value, is no result.
    bool reliable = false;
};

/// A first guess: velocity in m/s, dispersion in m²/s, amplitude in mg·s/L.
struct AdeGuess {
    double velocity = 0;
    double dispersion = 0;
    double amplitude = 0;
};

/// C(t) of an injection spread evenly over `injectionSeconds` from t0 (the same mass): the instant solution
/// averaged over the pulse (32 steps); the instant one for 0.
double AdePulseConcentration(double t, double x, double v, double d, double amplitude, double injectionSeconds);

/// Fits `curve` (seconds from t0, mg/L). `massKg` and `dischargeLs` turn A into R. An injection that lasted
/// `injectionSeconds` is fitted as that pulse, not as an instant.
AdeFit FitAde(const std::vector<std::pair<double, double>>& curve, double distance, const AdeGuess& guess,
              std::optional<double> massKg, std::optional<double> dischargeLs, double injectionSeconds = 0);

}  // namespace sondalog
