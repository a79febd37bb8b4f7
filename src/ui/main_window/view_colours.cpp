// The graph's colours and its drawing: the contrast modes, the background colours chosen by a double
// click before the first reading (and undone), captions kept readable on any background, and the run
// drawn with its fitted curve.
#include "ui/main_window/view_panel.h"

#include "plot/axis_controls.h"
#include "plot/colour.h"
#include "plot/graph_painter.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/question_panel.h"
#include "ui/widgets/graph_widget.h"
#include "ui/widgets/text_colour.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

namespace sondalog {

namespace {
/// The least contrast a caption keeps with its background (large text).
constexpr double kLeastContrast = 3.0;
}  // namespace

void ViewPanel::Button_contrasteClick()
{
    contrastMode_ = (contrastMode_ + 1) % 3;
    ApplyContrast();
}

void ViewPanel::ApplyContrast()
{
    const InstrumentConfig& config = ctx_.store->config;
    const ContrastScheme s = ContrastFor(contrastMode_, savedBackground_, ToQColor(config.q1.colour), ToQColor(config.q2.colour));
    graphColour_ = s.background;
    shownColour1_ = s.colour1;
    shownColour2_ = s.colour2;
    QWidget* central = parentWidget();
    auto paint = [central](const QStringList& names, const QColor& colour) {
        for (const QString& name : names) {
            if (auto* w = central->findChild<QWidget*>(name)) {
                SetTextColour(w, colour);
            }
        }
    };
    paint(s.otherLabels, s.otherColour);
    paint({QStringLiteral("CheckBox_y2")}, s.checkBoxY2Colour);
    paint({QStringLiteral("Label_multimetre")}, s.multimetreColour);
    paint(s.quantity1Labels, s.colour1);
    paint(s.quantity2Labels, s.colour2);
    ctx_.question->ShowContrast(contrastMode_, s.questionPanel);
    QPalette p = window()->palette();
    p.setColor(QPalette::Window, s.background);
    window()->setPalette(p);
    KeepTextReadable();
    Redraw();
}

void ViewPanel::KeepTextReadable()
{
    // Whatever the mode, no caption may vanish into its background: one that reads too faintly on what is behind
    // it takes black or white.
    QWidget* top = window();
    for (QWidget* w : parentWidget()->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w)) {
            continue;
        }
        const QWidget* behind = w->parentWidget();
        while (behind && !behind->autoFillBackground() && behind != top) {
            behind = behind->parentWidget();
        }
        const QColor background = (behind ? behind : top)->palette().color(QPalette::Window);
        if (ContrastRatio(w->palette().color(QPalette::WindowText), background) < kLeastContrast) {
            SetTextColour(w, ReadableOn(background));
        }
    }
}

void ViewPanel::SetWindowColour(const QColor& colour)
{
    QPalette p = window()->palette();
    p.setColor(QPalette::Window, colour);
    window()->setPalette(p);
}

void ViewPanel::FormDblClick()
{
    if (ctx_.run().state.series.sampleCount != 0 || !pickColour) {
        return;
    }
    if (const std::optional<QColor> c = pickColour(window()->palette().color(QPalette::Window))) {
        SetWindowColour(*c);
        windowColour_ = *c;
        SpeedButton_annuler_couleur->show();
    }
}

void ViewPanel::ImageADblClick()
{
    if (!pickColour) {
        return;
    }
    // Before the first reading the dialog starts on the current background; after, on its own.
    const QColor initial = ctx_.run().state.series.sampleCount == 0 ? graphColour_ : QColor(Qt::white);
    if (const std::optional<QColor> c = pickColour(initial)) {
        graphColour_ = *c;
        if (contrastMode_ == 0) {
            savedBackground_ = *c;
        }
        SpeedButton_annuler_couleur->show();
        Redraw();
    }
}

void ViewPanel::SpeedButton_annuler_couleurClick()
{
    if (!ctx_.confirm(tr("annuler les couleurs ?"))
) {
        return;
    }
    RestoreStoredColours();
}

void ViewPanel::ShowStoredColours(const Settings& settings)
{
    graphColour_ = ToQColor(settings.graphColour);
    savedBackground_ = graphColour_;
    windowColour_ = ToQColor(settings.windowColour);
}

void ViewPanel::WriteColours(Settings& settings) const
{
    settings.graphColour = ToRgb(graphColour_);
    settings.windowColour = ToRgb(windowColour_);
    settings.contrastMode = contrastMode_;
}

void ViewPanel::RestoreStoredColours()
{
    ShowStoredColours(ctx_.store->Stored());
    SetWindowColour(windowColour_);
    Redraw();
}

void ViewPanel::Redraw()
{
    if (!ctx_.params || !ImageA || !ctx_.store) {
        return;
    }
    const InstrumentConfig& config = ctx_.store->config;
    const int interval = std::max(1, ActiveCellInt(ctx_.store->table, config.active.activeRow, col::intervalle, 0,
                                                   ctx_.regional.decimalSign));
    QuantityDrawing q1;
    q1.quantity = 1;
    q1.interval = interval;
    q1.colour = contrastMode_ != 0 ? shownColour1_ : ToQColor(config.q1.colour);
    q1.radius = config.q1.thickness;
    q1.labelColour = q1.colour;
    q1.background = graphColour_;
    q1.integral = CheckBox_af_integrale->isChecked();
    q1.decimalSign = ctx_.regional.decimalSign;
    q1.cache = &ImageA->paintCache();
    QuantityDrawing q2 = q1;
    q2.quantity = 2;
    q2.colour = contrastMode_ != 0 ? shownColour2_ : ToQColor(config.q2.colour);
    q2.radius = config.q2.thickness;
    ProcessingState& state = ctx_.run().state;
    // A corrected tracer's raw curve takes the lower band when asked: the same axis, under the corrected one.
    const bool hasRaw = ctx_.run().options.rawColumn > 0;
    if (CheckBox_brut->isHidden() == hasRaw) {
        CheckBox_brut->setVisible(hasRaw);
    }
    const bool raw = hasRaw && CheckBox_brut->isChecked();
    if (raw) {
        q2.quantity = kRawQuantity;
        q2.radius = q1.radius;
        q2.integral = false;
    }
    const bool twoBands = raw || CheckBox_y2->isChecked();
    sondalog::Redraw(ImageA->image(), state, q1, q2, twoBands);
    if (ctx_.analysis) {
        ctx_.analysis->DrawFit(ImageA->image(), state, twoBands);
    }
    ImageA->update();
}

}  // namespace sondalog
