#pragma once
// What a tracer test is for, computed from the breakthrough curve after t0: arrival and peak
// times, moments of the curve (mean transit time, variance), velocities, longitudinal dispersion,
// dispersivity, Péclet number, recovered mass. Concentration C = k × (value1 − baseline), in mg/L
// when k is in mg/L per µS/cm; times in seconds from t0.

#include "analysis/background.h"
#include "analysis/discharge_series.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sondalog {

/// What the hydrogeologist tells about the test; an empty one disables only the figures needing it.
struct TracerInputs {
    std::optional<double> distance;   ///< m, injection to measuring point
    std::optional<double> mass;       ///< kg of salt injected
    std::optional<double> discharge;  ///< L/s at the measuring point
    double factor = 0.5;              ///< k, mg/L per µS/cm (NaCl at 25 °C)
    double injectionSeconds = 0;      ///< how long the injection lasted (0: an instant)
    /// The concentration's unit in mg/L: 1 for a salt (mg/L), 0.001 for a dye in ppb (µg/L).
    double concentrationInMgL = 1;
    std::optional<double> endSeconds; ///< the end of the passage as the user sets it, seconds from t0
 int components = 1;               ///< conduits fitted: 1, 2, 3, or 0 for the count the criterion chooses
    /// A discharge that varied: the file's lines, and the series in seconds from t0 they give once t0 is known.
    std::vector<DischargeEntry> dischargeEntries;
    DischargeSeries dischargeSeries;
};

/// One reading after t0.
struct CurvePoint {
    double seconds = 0;  ///< from t0
    double value = 0;    ///< quantity 1, as read
};

struct TracerFigures {
    int n = 0;  ///< readings after t0
    double baseline = 0;
    std::optional<double> firstSeconds;
    std::optional<double> peakSeconds;
    std::optional<double> peakConcentration;  ///< mg/L
    std::optional<double> meanSeconds;        ///< first moment
    std::optional<double> variance;           ///< s², second central moment
    std::optional<double> velocityFirst;      ///< m/h
    std::optional<double> velocityPeak;
    std::optional<double> velocityMean;
    std::optional<double> dispersion;         ///< m²/s
    std::optional<double> dispersivity;       ///< m
    std::optional<double> peclet;
    std::optional<double> recoveredKg;
    std::optional<double> recoveryPercent;
    double drift = 0;                         ///< the background's drift, per hour (0 without readings after the passage)
    /// The concentration's unit in mg/L: 1 for a salt (mg/L), 0.001 for a dye in ppb (µg/L).
    double concentrationInMgL = 1;
    std::optional<double> endSeconds;         ///< the end of the passage: the curve back within its noise
    std::optional<double> tailPercent;        ///< the share of the area extrapolated past the passage
    bool provisional = false;  ///< the curve is not back to its baseline yet ("courbe incomplète")
    QStringList notes;         ///< why a figure is missing, in French
};

/// The baseline's spread: the standard deviation of the readings it was taken from.
double StandardDeviation(const std::vector<double>& values);

/// The figures of a curve over its background. The first arrival is the first of consecutive readings (at least
/// three, over at least five minutes) above the background + 3 sd; the moments are taken over the passage (until
/// the curve is back within its noise) and the tail past it is extrapolated by an exponential fitted on the
/// falling limb.
TracerFigures AnalyseCurve(const std::vector<CurvePoint>& curve, const Background& background,
                           const TracerInputs& inputs);
/// The same over a level background (`baselineSd` its spread).
TracerFigures AnalyseCurve(const std::vector<CurvePoint>& curve, double baseline, double baselineSd,
                           const TracerInputs& inputs);

/// k from standards: the slope of the least-squares line of concentration against conductivity.
std::optional<double> FactorFromStandards(const std::vector<std::pair<double, double>>& concentrationConductivity);

}  // namespace sondalog
