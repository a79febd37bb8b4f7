#pragma once
// What a fluorometer's lamps see besides the dye, taken off in one fixed order, each step on or off:
//   1. turbidity: from the turbidity standards, each tracer lamp's share of a turbidity signal on L4
//      (ln(Lk − Lk,water) fitted against ln(L4 − L4,water)), times a strength S, subtracted;
//   2. temperature: the signal above the water brought to T_ref, ΔF_ref = ΔF_obs · exp(n · (T − T_ref));
//   3. natural background: each tracer lamp regressed on other lamps (plus a constant) over the readings
//      outside the passage window, the prediction taken off (the water's own level kept);
//   4. cross-talk: the dyes' signals on each other's lamps (the standards' every-lamp signals per ppb)
//      solved for the dyes' concentrations (linear standards), or iterated through the non-linear ones.
// The raw millivolts are never changed: a file can be corrected again with other settings.

#include "fluorometer/calibration.h"
#include "fluorometer/fluorometer_file.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace sondalog {

struct FluorometerCorrections {
    double turbidityStrength = 0;  ///< S, 0 (off) to 2
    std::array<double, kMaxTracers> temperatureN{};  ///< per tracer, 1/°C (0: off)
    double referenceTemperature = 25;
    bool background = false;
    std::vector<int> backgroundLamps;  ///< 1–4, the regressors
    double windowStartHours = 0;       ///< the passage, hours since t0: readings outside it make the fit
    double windowEndHours = 0;
    std::vector<int> crosstalkTracers;  ///< 1-based tracers present together (two or three); empty: off

    /// Whether a correction that works reading by reading (turbidity, temperature, cross-talk) is on.
    bool AnyReadingByReading() const;

    /// "ordre : …" and each step's setting, as written in a recording's header and the calibration file.
    QStringList Lines() const;
    /// Reads them back; unknown keys passed over.
    static FluorometerCorrections FromLines(const QStringList& lines, QString* error = nullptr);
};

/// Each reading's tracers in ppb after the corrections.
struct CorrectedReadings {
    std::vector<std::array<std::optional<double>, kMaxTracers>> ppb;  ///< one per reading, tracer 1 … 3
    std::array<std::optional<double>, kLamps> backgroundR2;  ///< per lamp, when its background was fitted
    QString error;  ///< empty when done; else why nothing was corrected (a singular matrix, a missing standard)
};

/// The turbidity fit of one tracer lamp (1–3): ln ΔLk = a + b ln ΔL4 over the turbidity standards.
struct TurbidityShare {
    double a = 0, b = 0;
    bool ok = false;
    double At(double l4AboveWater) const;  ///< mV on the lamp for that much L4 above water; 0 for ≤ 0
};
TurbidityShare FitTurbidityShare(const FluorometerCalibration& c, int lamp);

/// `t0Ms` the instant hours are counted from (the background's window).
CorrectedReadings CorrectReadings(const FluorometerFile& file, const FluorometerCalibration& c,
                                  const FluorometerCorrections& k, qint64 t0Ms);

/// Conductivity brought to 25 °C by the same form, κ25 = κ · exp(−α (T − 25)), α 0.021 per °C by default.
double ConductivityAt25(double conductivity, double temperature, double alpha = 0.021);

}  // namespace sondalog
