#pragma once
// Two or three conduits: a curve made of the passages of one tracer through several flow paths, fitted as the
// sum of 1 to 3 advection–dispersion curves, each with its velocity, dispersion and share of the mass; the count
// chosen by Akaike's information criterion (AIC = n ln(RSS/n) + 2p), a component more kept only when it lowers
// it by 10 or more (Field & Leij 2012, multi-dispersion model).

#include "analysis/ade_fit.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace sondalog {

struct ConduitComponent {
    double velocity = 0;  ///< m/h
    double dispersion = 0;  ///< m²/s
    double fraction = 0;  ///< share of the fitted mass, 0..1
};

struct ConduitsFit {
    bool ok = false;
    QString message;
    std::vector<ConduitComponent> components;  ///< fastest first
    std::optional<double> recovery;            ///< % of the mass injected, the sum of the components
    double aic = 0;
};

/// `components`: 1, 2 or 3, or 0 for the count the criterion chooses. `single` is the one-curve fit, the start.
ConduitsFit FitConduits(const std::vector<std::pair<double, double>>& curve, double distance, const AdeFit& single,
                        int components, std::optional<double> massKg, std::optional<double> dischargeLs,
                        double injectionSeconds = 0);

}  // namespace sondalog
