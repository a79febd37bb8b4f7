#pragma once
// The tracer test's inputs in their own file of the configuration folder, as key=value lines
// (a '.' for decimals, whatever the PC's sign): distance, masse, debit, facteur, etalons.

#include "analysis/tracer_analysis.h"

#include <QString>

namespace sondalog {

struct TracerSettings {
    TracerInputs inputs;
    /// Standards (concentration in mg/L, conductivity in µS/cm); two or more give k.
    std::vector<std::pair<double, double>> standards;
    /// A discharge that varied: its file, read when the settings are (its lines in `inputs.dischargeEntries`).
    QString dischargeFile;
    QString dischargeError;  ///< why the file gave no series, empty when it did (or when there is none)
    /// The inputs with k from the standards when they give one.
    TracerInputs Effective() const;
};

/// The demonstration's own test when the user gave none of distance, mass and discharge: a salt dilution 10 m
/// down a stream, 0.65 kg at 40 L/s, which its pulse (mean transit 177 s) makes a recovery near 100 % at about
/// 200 m/h. Inputs the user gave are kept as they are.
TracerInputs WithDemoInputs(TracerInputs inputs);

/// Reads `settings.dischargeFile` into the inputs' discharge entries (none, and the reason, when it cannot).
void ReadDischargeFile(TracerSettings& settings);

/// A missing or unreadable file gives the defaults (k = 0.5, nothing else).
TracerSettings LoadTracerSettings(const QString& path);
/// Empty text on success, else why the file could not be written (the earlier one is kept).
QString SaveTracerSettings(const QString& path, const TracerSettings& settings);

/// "12,5" or "12.5" as a number; empty or unreadable text as nothing.
std::optional<double> OptionalNumber(const QString& text);

}  // namespace sondalog
