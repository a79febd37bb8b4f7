#pragma once
// The tracer analysis of a run's series: the readings from t0 on become the curve, those before
// it the baseline, and the figures and the fit are made from them. Used live (once per reading
// for the figures, once a second for the fit), on stored files and by the command line.

#include "analysis/ade_fit.h"
#include "analysis/conduits_fit.h"
#include "analysis/tracer_analysis.h"
#include "processing/sample_series.h"

#include <QTimeZone>

namespace sondalog {

struct RunAnalysis {
    int t0 = 0;  ///< the first reading of the curve (0: no t0)
    TracerFigures figures;
    std::vector<std::pair<double, double>> concentrations;  ///< (seconds from t0, mg/L)
    AdeFit fit;
    ConduitsFit conduits;  ///< the sum of 1 to 3 curves, when asked for
    bool fitted = false;  ///< the fit was asked for
    double concentrationInMgL = 1;  ///< the curve's unit: 1 mg/L, or 0.001 for ppb
    double secondsPerReading = 0;  ///< the time base: 0 for the readings' PC times
    Background background;         ///< under the curve, in quantity 1's units
    QString error;                 ///< the analysis could not be made (a reading without time, time going back)
};

/// Figures of the readings t0 .. sampleCount; the background is the level of the (up to) 100 readings up to
/// t0 included and, once the curve is back, the line joining it to the level after the passage. Times are the
/// instants of the readings' PC times (read in `zone`, the clock that made them) from that of reading t0, or,
/// with `secondsPerReading`, the reading count times that interval (the demonstration's own clock).
RunAnalysis AnalyseSeries(const SampleSeries& series, int t0, const TracerInputs& inputs,
                          double secondsPerReading = 0, const QTimeZone& zone = QTimeZone::systemTimeZone());

/// The fit, started from the moments (or from the peak when they are missing).
void FitRun(RunAnalysis& analysis, const TracerInputs& inputs);

/// The fitted curve as quantity 1 would read it at reading n (nullopt outside the curve).
std::optional<double> FittedValue(const RunAnalysis& analysis, const SampleSeries& series, const TracerInputs& inputs,
                                  int n);

/// The curve's unit: "mg/L" for a salt, "ppb" for a dye (µg/L).
QString ConcentrationUnit(const RunAnalysis& analysis);
/// A recovered or injected mass as a test speaks of it: kg of salt, g of dye.
std::pair<std::optional<double>, QString> MassAsSaid(const RunAnalysis& analysis, std::optional<double> kg);

/// Every figure as key=value lines, units in the README; an empty value when it cannot be made.
QStringList AnalysisKeyValues(const RunAnalysis& analysis);

/// The report saved beside a recording, in French: inputs, figures with units, the fit.
QString AnalysisReport(const RunAnalysis& analysis, const TracerInputs& inputs, const QString& recordingName);

}  // namespace sondalog
