#pragma once
// A fluorometer's calibration in and out of files: the instrument's own calibration constants file
// (imported), and Sondalog's calibration file (key=value lines, '.' decimals), which is also written
// into the header of each recording made with it.

#include "fluorometer/calibration.h"

#include <QStringList>

namespace sondalog {

struct CalibrationRead {
    FluorometerCalibration calibration;
    QString error;  ///< empty when read; else why not, naming the line
};

/// The instrument's constants file: its title (the instrument's number), "Last calibration: yymmdd", blocks
/// between lines of dashes (a name, then L1 … L4 in mV: "Eau", the tracers' standards, "1 NTU" …), then the
/// program parameters, among them each tracer's "Full calibration" (log10 of the mass fraction and mV) and the
/// concentration of the blocks' standards.
CalibrationRead ReadConstantsFile(const QStringList& lines);

/// Sondalog's own lines (the calibration file, a recording's header), each "key=value".
QStringList CalibrationLines(const FluorometerCalibration& calibration);
/// Reads them back; lines with other keys are passed over (a recording's header holds more).
CalibrationRead ReadCalibrationLines(const QStringList& lines);

/// Either kind of file, told by its content.
CalibrationRead LoadCalibration(const QString& path);
/// Empty text on success, else why the file could not be written (an earlier one is kept).
QString SaveCalibration(const QString& path, const FluorometerCalibration& calibration);

/// The calibration keys' prefix in a recording's header.
inline const QString kCalibrationKeyPrefix = QStringLiteral("etalonnage.");

}  // namespace sondalog
