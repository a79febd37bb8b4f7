#pragma once
// The commands of sondalog-cli; each returns the process exit status.

#include "analysis/run_analysis.h"
#include "cli/cli_options.h"

#include <QStringList>
#include <QTextStream>

namespace sondalog::cli {

int ConfigCommand(const QStringList& args);
int DemoCommand(const QStringList& args);
int ReplayCommand(const QStringList& args);
int AcquireCommand(const QStringList& args);
int ChartsCommand(const QStringList& args);
int AnalyseCommand(const QStringList& args);
int FluoCommand(const QStringList& args);

/// The fit, then every figure as key=value lines on stdout and why any is missing on `err`; 1 when the analysis
/// could not be made.
int PrintAnalysis(RunAnalysis analysis, const TracerInputs& inputs, QTextStream& err);
/// `analyse FILE --calibration CAL [--tracer N]`: a fluorometer's file analysed in ppb (t0 the reading `t0`, or
/// the first).
int AnalyseFluorometerFile(const Options& o, TracerInputs inputs, std::optional<int> t0, QTextStream& err);

}  // namespace sondalog::cli
