#pragma once
// A fluorometer as a line instrument: its calibration and corrections (the calibration file of the
// configuration folder), and how the instrument table describes its rows — quantity 1's "repère" names
// the lamp read (L1, L2 or L3: the tracer read on it), its "séparateur" and "occurence" the rows'
// separator and the column of L1 (L2–L4 follow it), quantity 2's "occurence" the column of T, and the
// row's "fin de bloc" the missing-value mark ("-" when left at its default).

#include "fluorometer/calibration.h"
#include "fluorometer/corrections.h"
#include "instrument/instrument_config.h"

#include <QString>

#include <optional>

namespace sondalog {

inline const QString kCalibrationFileName = QStringLiteral("Sondalog.cal");

/// The calibration and its corrections, as the calibration file keeps them.
struct FluorometerSetup {
    FluorometerCalibration calibration;
    FluorometerCorrections corrections;
    QString error;  ///< why the file gave no usable calibration; empty when it did
    bool Ready() const { return error.isEmpty() && calibration.Problem().isEmpty(); }
};

/// A missing file gives no calibration (and says so); a file that cannot convert says why. The file holds our own
/// lines or the instrument's constants file as it is.
FluorometerSetup LoadFluorometerSetup(const QString& path);
/// Empty text on success, else why the file could not be written (an earlier one is kept).
QString SaveFluorometerSetup(const QString& path, const FluorometerSetup& setup);
/// The corrections of a calibration file's lines ("etalonnage.correction.…").
FluorometerCorrections CorrectionsFromLines(const QStringList& lines, QString* error = nullptr);
/// The calibration's and the corrections' lines: the calibration file, and a recording's header.
QStringList FluorometerSetupLines(const FluorometerSetup& setup);

/// How a live row is laid out, as the instrument table tells it.
struct FluorometerRowLayout {
    int lamp = 1;              ///< the lamp quantity 1 follows (its tracer)
    QChar separator = u' ';    ///< blank (runs of blanks are one) or tab
    int lamp1Column = 4;       ///< 1-based
    int temperatureColumn = 10;
    QString missing = QStringLiteral("-");
};

/// The layout when the active instrument is a fluorometer (quantity 1's marker L1, L2 or L3), else nullopt.
std::optional<FluorometerRowLayout> FluorometerRowLayoutOf(const InstrumentConfig& config);

/// One row read live: its lamps and temperature, the time as it stands; nullopt (and why, in French) for a row
/// that lacks a lamp or holds a value that is neither a number nor the missing mark.
struct LiveRow {
    std::array<std::optional<double>, kLamps> lamps;
    std::optional<double> temperature;
    QString time;  ///< the logger's time, yyyy-MM-dd hh:mm:ss (empty when the row has none)
};
std::optional<LiveRow> ReadLiveRow(const QString& row, const FluorometerRowLayout& layout, QString& why);

/// The row's tracers in ppb by the calibration and the corrections that work reading by reading (turbidity,
/// temperature, cross-talk; the natural background needs the whole record); by the calibration alone when not
/// `corrected` (the raw tracer the graph shows beside the corrected one).
std::array<std::optional<double>, kMaxTracers> LiveConcentrations(const LiveRow& row, const FluorometerSetup& setup,
                                                                  bool corrected = true);

}  // namespace sondalog
