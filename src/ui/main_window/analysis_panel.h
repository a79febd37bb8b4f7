#pragma once
// The tracer analysis beside the record list: the figures that follow the readings from t0 on, the
// advection–dispersion fit made on a thread at most once a second and drawn over the graph, and the
// report saved beside a recording.

#include "analysis/run_analysis.h"
#include "ui/main_window/main_context.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace sondalog {

class AnalysisPanel : public QWidget {
    Q_OBJECT
public:
    AnalysisPanel(MainContext& context, QWidget* parent);

    QLabel* Panel_analyse = nullptr;
    QPushButton* Button_rapport = nullptr;

    const RunAnalysis& analysis() const { return analysis_; }
    /// The analysis made again now (it otherwise follows the readings within 0.2 s).
    void UpdateAnalysis();
    /// A new reading: the figures follow within 0.2 s once t0 is marked.
    void FollowReadings();
    /// A new run: the previous run's analysis leaves the screen.
    void Clear();
    /// A new run, a new file, new inputs: the analysis starts again, its fit at once.
    void Restart();
    bool FitRunning() const { return fitRunning_; }
    /// Writes the report and the graph beside `recordingPath` (…_analyse.txt and .png); the failure, empty when done.
    QString SaveAnalysisBeside(const QString& recordingPath);
    /// t0 of the analysis: the run's, or an opened recording's; 0 when none.
    int AnalysisT0() const;
    /// The fitted curve over quantity 1's band, when there is one.
    void DrawFit(QImage& image, const ProcessingState& state, bool showY2) const;

private:
    void ShowAnalysis();
    double AnalysisSecondsPerReading() const;
    /// The user's inputs; in the demonstration's own run, its test where the user gave none.
    TracerInputs AnalysisInputs() const;
    bool OwnDemonstration() const;

    MainContext& ctx_;
    RunAnalysis analysis_;
    QTimer analysisTimer_;
    qint64 lastFitMs_ = 0;
    bool fitRunning_ = false;
    // What the last analysis and the last fit cost: the next waits 200 times as long (together 1 % of a core at most,
    // however long the run), and never less than the usual 0.2 s and 1 s.
    qint64 figuresCostMs_ = 0;
    qint64 fitCostMs_ = 0;
};

}  // namespace sondalog
