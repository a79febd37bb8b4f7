// The main window's events: placed on its screen at activation, the first activation's questions,
// the keys of the whole window, the close box that asks the exit question; and the few handlers the
// program's scenes and tests press directly, forwarded to the panel that owns them.
#include "ui/main_window/main_window.h"

#include "app/run_state.h"
#include "plot/axis_controls.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/panel_fit.h"
#include "ui/main_window/configuration_link.h"
#include "ui/main_window/message_queue.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/main_window/view_panel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace sondalog {

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(e);
}

void MainWindow::FormActivate()
{
    ctx_.recording->PlacePanel2();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    ctx_.runPanel->CheckBox_demo->setVisible(true);
    if (firstActivation_ && store_->settings.maximised) {
        showMaximized();
    } else if (!isMaximized() && !isFullScreen()) {
        // Widened to the screen minus 300 and centred, but never beyond the screen: a 1366 x 768
        // laptop keeps the title bar and the record list in view.
        const QRect frame = frameGeometry();
        const QRect client = geometry();
        const QMargins margins(client.left() - frame.left(), std::max(client.top() - frame.top(), 0),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
        const QRect placed = PlaceMainWindow(size(), available, margins);
        if (placed != client) {
            setGeometry(placed);
        }
    }
    if (firstActivation_) {
        firstActivation_ = false;
        if (!ctx_.recording->ChooserOpen()) {
            ctx_.recording->OpenChooser();  // the operator says where this test is written before anything else
        }
        configuration_->AskDecimalSign();
    }
    if (isVisible()) {
        QTimer::singleShot(0, ctx_.messages, &MessageQueue::ShowNextMessage);
    }
}

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    QTimer::singleShot(0, ctx_.messages, &MessageQueue::ShowNextMessage);  // start-up messages, in front of the window
    if (!firstActivation_ || store_->settings.maximised) {
        return;
    }
    // Before the window manager tells its frame: a title bar of about 40 pixels is assumed, so that
    // a 1366 x 768 screen shows the whole window even if it is never activated.
    if (const QScreen* s = screen()) {
        const QRect placed = PlaceMainWindow(size(), s->availableGeometry(), QMargins(4, 40, 4, 4));
        resize(placed.size());
        move(placed.topLeft() - QPoint(4, 40));
    }
}

void MainWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    ctx_.recording->PlacePanel2();
    FitPanelsToWindow(ctx_, *this);
    // FormCanResize: "maximised" means as wide as the screen, whatever the window manager calls it.
    if (isVisible() && !firstActivation_) {
        if (const QScreen* s = screen()) {
            store_->settings.maximised = frameGeometry().width() >= s->geometry().width();
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (ctx_.view && ctx_.view->ListBox1 && ctx_.view->ViewEvent(watched, e)) {
        return true;
    }
    if (e->type() == QEvent::KeyRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && (w == this || isAncestorOf(w)) && w->window() == this) {
            FormKeyUp(static_cast<QKeyEvent*>(e)->key());
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::FormKeyUp(int key)
{
    ViewPanel* view = ctx_.view;
    if (key == Qt::Key_Escape && ctx_.question->isVisible()) {
        ctx_.question->hide();
    } else if (key == Qt::Key_Escape && run().state.series.sampleCount == 0 && view->SpeedButton_annuler_couleur->isVisible()) {
        view->RestoreStoredColours();
    } else if (key == Qt::Key_Escape && view->ListBox1->isVisible()) {
        view->ListBox1->hide();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ctx_.recording->ChooserOpen()) {
        ctx_.recording->SpeedButton_valider_repertoireClick();
    } else if (key == Qt::Key_F4) {
        view->Button_zoomClick();
    } else if (key == Qt::Key_F5) {
        view->Button_contrasteClick();
    } else if (key == Qt::Key_F12) {
        ctx_.runPanel->Button_exit_Click();
    }
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // No window closes with unsaved readings: the close box asks the exit question instead.
    if (ctx_.runPanel->exitFinished()) {
        e->accept();
        return;
    }
    e->ignore();
    if (controller_->state() != RunState::Exiting) {
        ctx_.runPanel->Button_exit_Click();
    }
}

void MainWindow::ShowMessage(const QString& text) { ctx_.messages->ShowMessage(text); }
void MainWindow::Button_open_fileClick()
{
    ctx_.opener->choose = choose;
    ctx_.opener->openFileName = openFileName;
    ctx_.opener->Button_open_fileClick();
}

}  // namespace sondalog
