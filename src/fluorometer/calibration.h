#pragma once
// A field fluorometer's calibration: the water blank and each tracer's standards on its lamp, the
// turbidity standards on the fourth. A lamp's signal above the blank (ΔmV) becomes a concentration:
// one standard, a line through zero; two or three, ln C as the polynomial of ln ΔmV of degree
// (standards − 1) through them; ΔmV ≤ 0 gives 0.

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace sondalog {

inline constexpr int kLamps = 4;        ///< L1–L3 the tracers' lamps, L4 turbidity
inline constexpr int kMaxTracers = 3;
using LampSignals = std::array<double, kLamps>;  ///< mV of L1 … L4

/// A standard: a known concentration (ppb, or NTU for turbidity) and the signal it gave, mV.
struct Standard {
    double value = 0;
    double millivolts = 0;
};

struct TracerCalibration {
    QString name;   ///< "Uranine", "SrhodaminB", …
    int lamp = 1;   ///< 1 to 3: the lamp the tracer is read on
    std::vector<Standard> standards;  ///< 1 to 3, increasing, on its own lamp
    /// Every lamp's signal for one standard of the tracer (the constants file's block): what the dye puts on
    /// the other lamps, for their cross-talk. Empty when unknown.
    std::optional<LampSignals> allLamps;
    double allLampsPpb = 0;  ///< the concentration of that standard
};

/// A turbidity standard: every lamp's signal in a suspension of that turbidity.
struct TurbidityStandard {
    double ntu = 0;
    LampSignals millivolts{};
};

struct FluorometerCalibration {
    QString instrument;  ///< the instrument's number, as its files give it
    QDate date;          ///< of the calibration
    std::optional<LampSignals> water;  ///< the blank, mV of each lamp in clean water
    std::vector<TracerCalibration> tracers;  ///< tracer 1, 2, 3
    std::vector<TurbidityStandard> turbidity;  ///< increasing NTU

    /// Empty when the calibration can convert; else why not, in French (no water blank, standards that do not
    /// increase, a standard not above the water, a lamp out of 1–3).
    QString Problem() const;
    /// The concentration of tracer `index` (0-based) for its lamp's signal, ppb; nullopt when the calibration
    /// cannot convert (check Problem() first) or the tracer is not in it.
    std::optional<double> Ppb(int index, double millivolts) const;
    /// Turbidity in NTU from L4 by the turbidity standards; nullopt without them.
    std::optional<double> Ntu(double l4Millivolts) const;
};

/// The value for a signal `delta` mV above the blank, from standards given above the same blank: a line
/// through zero for one standard, the polynomial in logarithms through two or three; 0 for delta ≤ 0.
double FromStandards(const std::vector<Standard>& aboveBlank, double delta);

}  // namespace sondalog
