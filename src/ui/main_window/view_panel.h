#pragma once
// The graph and what frames it: the six axis boxes with their proposed values, the extremes read,
// zoom, contrast, the background colours, and the drawing of the run with its fitted curve. The
// rules are in plot/axis_controls and plot/graph_painter.

#include "instrument/instrument_config.h"
#include "ui/main_window/main_context.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace sondalog {

class GraphWidget;

class ViewPanel : public QWidget {
    Q_OBJECT
public:
    ViewPanel(MainContext& context, QWidget* parent);

    QLabel* Label_grand1 = nullptr;
    QLabel* Label_grandeur2 = nullptr;
    QLineEdit* Edit_max_y1 = nullptr;
    QLineEdit* Edit_min_y1 = nullptr;
    QLineEdit* Edit_y1_graduation = nullptr;
    QLineEdit* Edit_max_y2 = nullptr;
    QLineEdit* Edit_min_y2 = nullptr;
    QLineEdit* Edit_y2_graduation = nullptr;
    QLabel* Label_y1_max_lu = nullptr;
    QLabel* Label_y1_min_lu = nullptr;
    QLabel* Label_y2_max_lu = nullptr;
    QLabel* Label_y2_min_lu = nullptr;
    QCheckBox* CheckBox_y2 = nullptr;
    QCheckBox* CheckBox_af_integrale = nullptr;
    QCheckBox* CheckBox_brut = nullptr;  ///< a corrected tracer's raw curve in the lower band (shown for such a run)
    QPushButton* Button_zoom = nullptr;
    QPushButton* Button_contraste = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
    QToolButton* SpeedButton_annuler_couleur = nullptr;
    QListWidget* ListBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    GraphWidget* ImageA = nullptr;
    QLabel* Label_zero = nullptr;
    QLabel* Label_hauteur = nullptr;

    /// The colour dialog: the chosen colour, nothing when cancelled.
    std::function<std::optional<QColor>(const QColor& initial)> pickColour;

    /// The graph drawn again from the run (and its fitted curve).
    void Redraw();
    /// The axis limits the boxes show, for a new run.
    InstrumentConfig AxisLimits() const;
    /// The boxes show the axes of the run (a box keeps the user's text while it reads as the value).
    void ShowAxisBoxes();
    /// The table's bounds become the axes.
    void TakeTableAxes(const InstrumentConfig& config);
    /// The quantities' names and colours from the configuration.
    void ShowQuantities(const InstrumentConfig& config);
    /// Filters the window's events for the view: true when it took the event.
    bool ViewEvent(QObject* watched, QEvent* event);
    /// The graph's and the window's colours as the settings keep them.
    void ShowStoredColours(const Settings& settings);
    /// The colours and the contrast mode, into the settings.
    void WriteColours(Settings& settings) const;
    /// The stored colours back (Esc before the first reading, "annuler couleurs").
    void RestoreStoredColours();

    void Button_zoomClick();
    void Button_contrasteClick();
    void ListBox1DblClick();
    void SpeedButton_annuler_couleurClick();
    void FormDblClick();
    void ImageADblClick();

    int zoomState() const { return zoomState_; }
    int contrastMode() const { return contrastMode_; }
    QColor graphColour() const { return graphColour_; }

private:
    QList<QLineEdit*> AxisBoxes() const;
    QGridLayout* BuildAxes();
    void BuildViewControls(QGridLayout* axes, int row);
    void ApplyAxisEdit(QLineEdit* edit);
    void ToggleProposedList(QLineEdit* edit);
    void ApplyContrast();
    void KeepTextReadable();
    void SetWindowColour(const QColor& colour);

    MainContext& ctx_;
    QColor graphColour_ = Qt::white;
    QColor savedBackground_ = Qt::white;  ///< the background of contrast mode 0
    QColor windowColour_;
    QColor shownColour1_;
    QColor shownColour2_;
    int zoomState_ = 0;
    int contrastMode_ = 0;
    QString listBoxTarget_;
};

}  // namespace sondalog
