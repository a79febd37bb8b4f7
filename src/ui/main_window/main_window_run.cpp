// The main window's run: the buttons that drive an acquisition (test COM, Start, Go, Stop + save,
// exit + save), the question panel that asks before each step, and the exit sequence.
#include "ui/main_window/main_window.h"

#include "acquisition/demo_generator.h"
#include "ui/main_window/record_list_model.h"
#include "ui/widgets/text_colour.h"
#include "ui/charts_window/charts_window.h"
#include "ui/dialogs/directory_chooser.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/help_buttons.h"
#include "ui/widgets/line_edits.h"
#include "app/run_options.h"
#include "instrument/parameter_file.h"
#include "ui/parameters_window/parameters_window.h"
#include "plot/graph_painter.h"
#include "ui/widgets/graph_widget.h"
#include "acquisition/stored_files.h"
#include "serial/port_description.h"
#include "serial/raw_log.h"
#include "util/named.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

void MainWindow::OpenAndRead()
{
    ApplyTable();
    const Settings s = CollectSettings();
    InstrumentConfig config = config_;
    config.q1.axisMin = run_.state.axisY1.min;
    config.q1.axisMax = run_.state.axisY1.max;
    config.q2.axisMin = run_.state.axisY2.min;
    config.q2.axisMax = run_.state.axisY2.max;
    config.q2.graduation = run_.state.axisY2.graduation;
    run_.config = config;
    run_.options = MakeProcessOptions(s, params_->table, config_, regional_);
    run_.blockOptions = MakeBlockOptions(s);
    SessionSettings ss;
    ss.demo = s.CheckBox_demo;
    ss.fast = s.CheckBox_demo_rapide;
    ss.mode = s.readMode == 1 && !s.CheckBox_demo ? ReadMode::StringCsv : ReadMode::Character;
    ss.portDescription = config_.active.portDescription;
    ss.timeoutsText = s.Edit_timeouts;
    ss.dtr = s.CheckBox_DTR;
    ss.rts = s.CheckBox_RTS;
    // The session resets the run itself unless this run continues the series as it stands.
    ss.continuing = true;
    ss.runStartTime = clock_.Now();
    ss.startInjectText = s.Edit_start_inject;
    ss.intervalSeconds = std::max(1, ActiveCellInt(params_->table, config_.active.activeRow, col::intervalle, 0,
                                                   regional_.decimalSign));
    session_->Start(ss);
}

void MainWindow::CloseSerial()
{
    session_->CloseSerial();
}

void MainWindow::Button_test_comClick()
{
    if (ChooserOpen()) {
        SpeedButton_valider_repertoireClick();
    }
    Label18->hide();
    Panel2->hide();
    if (Button_test_com->text() == QLatin1String("test COM")) {
        if (!MayClearReadings()) {
            return;
        }
        recordingRun_ = false;
        Button_test_com->setText(QStringLiteral("stop COM"));
        Button_START->setEnabled(false);
        Button_stop->setEnabled(false);
        Panel_question->hide();
        ClearRecordLists();
        ResetRun();
        SetState(RunState::LinkTest);
        OpenAndRead();
    } else {
        Button_test_com->setText(QStringLiteral("test COM"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(true);
        SetState(RunState::Idle);
        CloseSerial();
    }
}

void MainWindow::Button_STARTClick()
{
    if (ChooserOpen()) {
        SpeedButton_valider_repertoireClick();
    }
    Panel2->hide();
    Panel_message->hide();
    Panel_question->hide();
    Label22->setText(QStringLiteral("-/-"));
    if (WithTrailingSeparator(Edit_repertoire->text().trimmed()) != workingDir_) {
        Edit_repertoireKeyUp();  // a folder typed without Enter: taken, or the box shows where the recording goes
    }
    if (!continuingFile_ && !MayClearReadings()) {
        return;
    }
    run_.stopRequested = false;
    if (!continuingFile_) {
        ClearRecordLists();
        ResetRun();
        charts_->ResetCharts();
    }
    recordingRun_ = true;
    BeginJournal();
    Button_START->setText(QStringLiteral("Restart(base)"));
    Timer1->setInterval(settings_.autoSaveIntervalMs);
    if (params_->CheckBox_sauve_auto->isChecked()) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    if (!CheckBox_demo->isChecked()) {
        CheckBox_demo->hide();
    }
    Button_START->setEnabled(false);
    Button_stop->setEnabled(true);
    writer_.ForgetAutoSave();
    Button_go->setText(QStringLiteral("00:00:05"));
    SetState(RunState::Baseline);
    BaselineMessage();
    OpenAndRead();
    continuingFile_ = false;
}

void MainWindow::BaselineMessage()
{
    Label_mess->setText(sondalog::BaselineMessage(params_->Edit_start_inject->text()));
    SpeedButton_question->hide();
    Button_go->show();
    Button_go->setEnabled(run_.state.series.sampleCount > 0);  // offered once the baseline holds a reading
    ShowQuestionPanel(true);
    Button_go->setFocus();
}

void MainWindow::Button_goClick()
{
    if (run_.state.series.sampleCount == 0) {
        return;  // no baseline yet: t0 would stand before any reading
    }
    run_.MarkT0();
    Panel_question->hide();
    Button_stop->setEnabled(true);
    Button_stop->setFocus();
    GuideMouseTo(Button_stop->mapToGlobal(Button_stop->rect().center()) + QPoint(0, 20));
    SetState(RunState::Tracing);
}

void MainWindow::Button_stopClick()
{
    if (params_->CheckBox_save_sans_confirmation->isChecked()) {
        // The save comes first: when it fails the run goes on as it was and nothing is cleared.
        const SaveResult r = enregistrer_donnees();
        if (!r.error.isEmpty()) {
            return;
        }
        const bool saved = r.written;
        session_->RequestStop();
        SettleJournal();
        Button_START->setText(QStringLiteral("Restart(base)"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
        Timer1->stop();
        Button_test_com->setText(QStringLiteral("test COM"));
        SetState(RunState::Idle);
        if (saved) {
            // The report stays up until the user closes it.
            SpeedButton_question->hide();
            Button_go->hide();
            SpeedButton_annuler->hide();
            FitQuestionPanel();
            Panel_question->show();
            Panel_question->raise();
        }
        return;
    }
    CheckBox_demo->show();
    SpeedButton_question->show();
    Button_go->hide();
    SpeedButton_question->setText(QStringLiteral("Stop + save"));
    Label_mess->setText(QStringLiteral("\nArrêter le stockage des données en mémoire puis les enregistrer\n"));
    ShowQuestionPanel(false);
}

void MainWindow::Button_exit_Click()
{
    SpeedButton_question->show();
    SpeedButton_question->setText(QStringLiteral("exit"));
    Button_go->hide();
    QPalette p = Panel_question->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    Panel_question->setPalette(p);
    Label_mess->setText(kExitQuestion);
    ShowQuestionPanel(false);
}

void MainWindow::SpeedButton_questionClick()
{
    const QString caption = SpeedButton_question->text();
    if (caption == QLatin1String("Stop + save")) {
        if (!enregistrer_donnees().error.isEmpty()) {
            Panel_question->hide();  // the run goes on; the error box says what failed
            return;
        }
        session_->RequestStop();
        SettleJournal();
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
        Timer1->stop();
        SetState(RunState::Idle);
        GuideMouseTo(Button_stop->mapToGlobal(Button_stop->rect().center()));
        Panel_question->hide();
    } else if (caption == QLatin1String("exit")) {
        ExitSequence();
    }
}

void MainWindow::SpeedButton_annulerClick()
{
    Panel_question->hide();
    Label_mess->clear();
    FitQuestionPanel();
    QPalette p = Panel_question->palette();
    p.setColor(QPalette::Window, questionColour_);
    Panel_question->setPalette(p);
}

void MainWindow::SpeedButton_croix_closeClick()
{
    Panel_question->hide();
    Label_mess->clear();
    FitQuestionPanel();
}

void MainWindow::ShowQuestionPanel(bool targetIsGo)
{
    // Tested on Button_go's own flag: the panel itself may still be hidden here.
    SpeedButton_annuler->setVisible(Button_go->isHidden());
    FitQuestionPanel();
    Panel_question->show();
    Panel_question->raise();
    QWidget* target = targetIsGo ? static_cast<QWidget*>(Button_go) : static_cast<QWidget*>(SpeedButton_question);
    GuideMouseTo(target->mapToGlobal(target->rect().center()));
}

void MainWindow::FitQuestionPanel()
{
    const int width = std::min(FitQuestionPanelWidth(Label_mess->text()), std::max(centralWidget()->width() - 20, 300));
    Panel_question->adjustSize();
    const int height = std::max(Panel_question->sizeHint().height(), 150);
    Panel_question->setGeometry((centralWidget()->width() - width) / 2, 90, width, height);
}

void MainWindow::GuideMouseTo(QPoint target)
{
    const int mode = params_->RadioGroup_souris->checkedId();
    if (mode == 2) {
        QCursor::setPos(target);
    } else if (mode == 1) {
        guidePath_ = GuidePath(QCursor::pos(), target);
        guideStep_ = 0;
        mouseGuide_.start();
    }
}

void MainWindow::ExitSequence()
{
    const RunState before = state_;
    SetState(RunState::Exiting);
    SpeedButton_question->setText(QStringLiteral("EXIT AUTO..."));
    SpeedButton_question->setAutoRaise(true);
    SpeedButton_annuler->hide();
    Panel_question->repaint();

    // Everything is written before anything is closed: a save that fails stops the exit and
    // leaves the window, the run and its readings as they were.
    QStringList failures;
    if (!SaveSettingsNow()) {
        failures << QStringLiteral("Impossible de créer le fichier %1").arg(paths_.SettingsFile());
    }
    if (params_->table.modified) {
        QStringList told;
        const TableFileCallbacks cb{[this](const QString& q) { return confirm(q); },
                                    [&told](const QString& t) { told << t; }, {}};
        if (!SaveTableFile(params_->table, paths_.ParameterFile(), cb) && !told.isEmpty()) {
            failures << told;
        }
        ApplyTable();
    }
    int wait = 0;
    if (writer_.HasUnsavedLines(run_.records)) {
        quietFailures_ = true;
        const SaveResult r = enregistrer_donnees();
        quietFailures_ = false;
        if (!r.error.isEmpty()) {
            failures << r.error;
        } else if (r.written) {
            Panel_question->show();
            wait = CheckBox_demo->isChecked() ? 500 : 5000;  // long enough to read the report
        }
    }
    if (!failures.isEmpty()) {
        SetState(before);
        SpeedButton_question->setText(QStringLiteral("exit"));
        SpeedButton_question->setAutoRaise(false);
        Panel_question->hide();
        info(kExitCancelled + failures.join(u'\n') + kReadingsKept);
        return;
    }
    session_->ClosePorts();
    SettleJournal();
    journal_.Close();  // what was not saved stays in the journal, offered at the next start
    // The wait keeps the window alive; then the process ends.
    QTimer::singleShot(wait, this, [this] {
        exitFinished_ = true;
        if (endProcess) {
            endProcess(0);
        }
    });
}

}  // namespace sondalog
