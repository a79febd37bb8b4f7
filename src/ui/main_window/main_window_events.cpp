// The main window's events: placed on its screen at activation, the first activation's questions,
// the keys of the whole window, the close box that asks the exit question; and the few handlers the
// program's scenes and tests press directly, forwarded to the panel that owns them.
#include "ui/main_window/main_window.h"

#include "app/run_state.h"
#include "app/settings_file.h"
#include "plot/axis_controls.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/configuration_link.h"
#include "ui/main_window/message_queue.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/main_window/view_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/widgets/text_colour.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
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
        AskDecimalSign();
    }
    if (isVisible()) {
        QTimer::singleShot(0, ctx_.messages, &MessageQueue::ShowNextMessage);
    }
}

void MainWindow::AskDecimalSign()
{
    const int choice = store_->settings.RadioGroup_signe_decimal;
    const QChar pcSign = ctx_.regional.decimalSign;
    const QString question = DecimalSignQuestion(choice, pcSign);
    const QString settingsFile = store_->paths().SettingsFile();
    if (question.isEmpty() || ReadSettingsLine(settingsFile, kDecimalQuestionDeclinedLine) == QString(pcSign)) {
        return;
    }
    // Asked once the start-up messages are read, and not again once answered.
    ctx_.messages->AfterMessages([this, choice, pcSign, question, settingsFile] {
        if (confirm(question)) {
            (choice == 0 ? ctx_.params->RadioButton_point : ctx_.params->RadioButton_virgule)->setChecked(true);
            configuration_->SettingsChanged();
        } else {
            SetTextColour(ctx_.params->Label2, Qt::red);
            QStringList lines = ReadSettingsLines(settingsFile);
            lines[kDecimalQuestionDeclinedLine - 1] = QString(pcSign);
            WriteSettingsLines(settingsFile, lines);
        }
    });
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
    FormResize();
    // FormCanResize: "maximised" means as wide as the screen, whatever the window manager calls it.
    if (isVisible() && !firstActivation_) {
        if (const QScreen* s = screen()) {
            store_->settings.maximised = frameGeometry().width() >= s->geometry().width();
        }
    }
}

void MainWindow::FormResize()
{
    ViewPanel* view = ctx_.view;
    RecordingPanel* recording = ctx_.recording;
    const QRect panel(view->Panel1->mapTo(this, QPoint(0, 0)), view->Panel1->size());
    const int prefixRight = recording->Edit_Prefixe->mapTo(this, QPoint(recording->Edit_Prefixe->width(), 0)).x();
    // The share the record list gets of the bottom row, not its width now: once hidden it has none, and would stay
    // hidden for good.
    const MainLayout l = FormResizeLayout(size(), panel.top(), centralWidget()->width() * 3 / 5, prefixRight);
    ctx_.records->Memo2->setVisible(l.memo2Visible);
    for (QWidget* w : std::initializer_list<QWidget*>{ctx_.runPanel->Label_config, recording->CheckBox_date_heure,
                                                     view->CheckBox_y2, recording->Label11}) {
        w->setVisible(l.wideControlsVisible);
    }
    recording->Edit_Prefixe->setVisible(l.prefixVisible);
    if (auto* label16 = recording->findChild<QLabel*>(QStringLiteral("Label16"))) {
        label16->setVisible(l.prefixVisible);
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
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ChooserOpen()) {
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
const RunAnalysis& MainWindow::analysis() const { return ctx_.analysis->analysis(); }
void MainWindow::UpdateAnalysis() { ctx_.analysis->UpdateAnalysis(); }
bool MainWindow::FitRunning() const { return ctx_.analysis->FitRunning(); }
QString MainWindow::SaveAnalysisBeside(const QString& path) { return ctx_.analysis->SaveAnalysisBeside(path); }
bool MainWindow::LoadInProgress() const { return opener_->LoadInProgress(); }
void MainWindow::CancelLoad() { opener_->CancelLoad(); }
QProgressDialog* MainWindow::LoadProgressDialog() const { return opener_->LoadProgressDialog(); }
int MainWindow::zoomState() const { return ctx_.view->zoomState(); }
int MainWindow::contrastMode() const { return ctx_.view->contrastMode(); }
QColor MainWindow::graphColour() const { return ctx_.view->graphColour(); }
bool MainWindow::ChooserOpen() const { return ctx_.recording->ChooserOpen(); }
void MainWindow::Button_STARTClick() { ctx_.runPanel->Button_STARTClick(); }
void MainWindow::Button_goClick() { ctx_.runPanel->Button_goClick(); }
void MainWindow::Button_contrasteClick() { ctx_.view->Button_contrasteClick(); }
void MainWindow::Button_zoomClick() { ctx_.view->Button_zoomClick(); }
void MainWindow::Button1Click() { configuration_->Button1Click(); }
void MainWindow::ListBox1DblClick() { ctx_.view->ListBox1DblClick(); }
void MainWindow::SpeedButton_choix_repClick() { ctx_.recording->SpeedButton_choix_repClick(); }

void MainWindow::Button_open_fileClick()
{
    opener_->choose = choose;
    opener_->openFileName = openFileName;
    opener_->Button_open_fileClick();
}

}  // namespace sondalog
