#pragma once
// TForm3, "Graphiques et enregistrement": conductivity, temperature, pH and oxygen of a
// three-probe run on four stacked charts. What the charts hold is decided by ChartPackets;
// this window only hands its points to the charts.

#include "charts/chart_packets.h"
#include "util/regional.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sondalog {

class ChartView;

class ChartsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChartsWindow(QWidget* parent = nullptr);

    /// The run's series and the PC's date format (for the labels); both outlive the window.
    void SetSource(const SampleSeries* series, const Regional* regional);
    /// The four charts' units, as their vertical axes' titles.
    void SetUnits(const QStringList& units);
    /// The four charts' titles; empty: the multimeter's own (conductivity, temperature, pH, dissolved oxygen).
    void SetTitles(const QStringList& titles);

    void ResetCharts();
    /// After each stored reading. While the window is hidden nothing is drawn: it is rebuilt
    /// when it is shown.
    void FeedCharts();
    void RebuildCharts();
    /// The series was replaced (a file opened): rebuilt now when shown, else when next shown.
    void SourceChanged();

    ChartPackets packets;
    std::array<ChartView*, 4> charts{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QButtonGroup* RadioGroup_points_par_chart = nullptr;
    QButtonGroup* RadioGroup_traitement = nullptr;
    QWidget* GroupBox_points = nullptr;
    QWidget* GroupBox_traitement = nullptr;
    QCheckBox* CheckBox_options = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;

    /// "close": the main window comes back.
    std::function<void()> onClose;

protected:
    bool event(QEvent* event) override;

private:
    void Apply(const ChartUpdate& update);
    void ShowCaptions();
    void CheckBox_optionsClick();

    const SampleSeries* series_ = nullptr;
    const Regional* regional_ = nullptr;
    bool stale_ = true;  ///< readings came while hidden
};

}  // namespace sondalog
