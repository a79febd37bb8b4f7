#include "ui/main_window/panel_fit.h"

#include "plot/axis_controls.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/view_panel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>

namespace sondalog {

void FitPanelsToWindow(const MainContext& ctx, QMainWindow& window)
{
    ViewPanel* view = ctx.view;
    RecordingPanel* recording = ctx.recording;
    const QRect panel(view->Panel1->mapTo(&window, QPoint(0, 0)), view->Panel1->size());
    const int prefixRight = recording->Edit_Prefixe->mapTo(&window, QPoint(recording->Edit_Prefixe->width(), 0)).x();
    // The share the record list gets of the bottom row, not its width now: once hidden it has none, and would stay
    // hidden for good.
    const MainLayout l = FormResizeLayout(window.size(), panel.top(), window.centralWidget()->width() * 3 / 5, prefixRight);
    ctx.records->Memo2->setVisible(l.memo2Visible);
    for (QWidget* w : std::initializer_list<QWidget*>{ctx.runPanel->Label_config, recording->CheckBox_date_heure,
                                                     view->CheckBox_y2, recording->Label11}) {
        w->setVisible(l.wideControlsVisible);
    }
    recording->Edit_Prefixe->setVisible(l.prefixVisible);
    if (auto* label16 = recording->findChild<QLabel*>(QStringLiteral("Label16"))) {
        label16->setVisible(l.prefixVisible);
    }
}

}  // namespace sondalog
