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

LinkRequest MainWindow::MakeLinkRequest()
{
    ApplyTable();
    const Settings s = CollectSettings();
    LinkRequest request;
    request.config = config_;
    request.config.q1.axisMin = Run().state.axisY1.min;
    request.config.q1.axisMax = Run().state.axisY1.max;
    request.config.q2.axisMin = Run().state.axisY2.min;
    request.config.q2.axisMax = Run().state.axisY2.max;
    request.config.q2.graduation = Run().state.axisY2.graduation;
    request.options = MakeProcessOptions(s, params_->table, config_, regional_);
    request.blockOptions = MakeBlockOptions(s);
    SessionSettings& ss = request.session;
    ss.demo = s.CheckBox_demo;
    ss.fast = s.CheckBox_demo_rapide;
    ss.mode = s.readMode == 1 && !s.CheckBox_demo ? ReadMode::StringCsv : ReadMode::Character;
    ss.portDescription = config_.active.portDescription;
    ss.timeoutsText = s.Edit_timeouts;
    ss.dtr = s.CheckBox_DTR;
    ss.rts = s.CheckBox_RTS;
    ss.startInjectText = s.Edit_start_inject;
    ss.intervalSeconds = std::max(1, ActiveCellInt(params_->table, config_.active.activeRow, col::intervalle, 0,
                                                   regional_.decimalSign));
    return request;
}

void MainWindow::OpenAndRead()
{
    controller_->OpenLink(MakeLinkRequest());
}

void MainWindow::CloseSerial()
{
    controller_->session().CloseSerial();
}

void MainWindow::Button_test_comClick()
{
    if (ChooserOpen()) {
        SpeedButton_valider_repertoireClick();
    }
    Label18->hide();
    Panel2->hide();
    if (Button_test_com->text() == QLatin1String("test COM")) {
        if (!controller_->StartLinkTest([this] { return MakeLinkRequest(); }, AxisLimits())) {
            return;
        }
        Button_test_com->setText(QStringLiteral("stop COM"));
        Button_START->setEnabled(false);
        Button_stop->setEnabled(false);
        Panel_question->hide();
    } else {
        Button_test_com->setText(QStringLiteral("test COM"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(true);
        controller_->StopLinkTest();
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
    const bool continuing = controller_->continuing();
    if (!controller_->Start([this] { return MakeLinkRequest(); }, AxisLimits(), params_->CheckBox_sauve_auto->isChecked(),
                            settings_.autoSaveIntervalMs)) {
        return;
    }
    if (!continuing) {
        charts_->ResetCharts();
    }
    Button_START->setText(QStringLiteral("Restart(base)"));
    if (!CheckBox_demo->isChecked()) {
        CheckBox_demo->hide();
    }
    Button_START->setEnabled(false);
    Button_stop->setEnabled(true);
    Button_go->setText(QStringLiteral("00:00:05"));
    BaselineMessage();
}

void MainWindow::BaselineMessage()
{
    Label_mess->setText(sondalog::BaselineMessage(params_->Edit_start_inject->text()));
    SpeedButton_question->hide();
    Button_go->show();
    Button_go->setEnabled(Run().state.series.sampleCount > 0);  // offered once the baseline holds a reading
    ShowQuestionPanel(true);
    Button_go->setFocus();
}

void MainWindow::Button_goClick()
{
    if (!controller_->MarkT0()) {
        return;  // no baseline yet: t0 would stand before any reading
    }
    Panel_question->hide();
    Button_stop->setEnabled(true);
    Button_stop->setFocus();
    GuideMouseTo(Button_stop->mapToGlobal(Button_stop->rect().center()) + QPoint(0, 20));
}

void MainWindow::Button_stopClick()
{
    if (params_->CheckBox_save_sans_confirmation->isChecked()) {
        // The save comes first: when it fails the run goes on as it was and nothing is cleared.
        const StopOutcome out = controller_->StopAndSave();
        if (!out.stopped) {
            return;
        }
        Button_START->setText(QStringLiteral("Restart(base)"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
        Button_test_com->setText(QStringLiteral("test COM"));
        if (out.save.written) {
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
        if (!controller_->StopAndSave().stopped) {
            Panel_question->hide();  // the run goes on; the error box says what failed
            return;
        }
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
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
    SpeedButton_question->setText(QStringLiteral("EXIT AUTO..."));
    SpeedButton_question->setAutoRaise(true);
    SpeedButton_annuler->hide();
    Panel_question->repaint();

    // The settings and the table first, then the readings: the controller stops at any failure.
    const auto saveConfiguration = [this] {
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
        return failures;
    };
    SaveResult saved;
    quietFailures_ = true;
    const QStringList failures = controller_->Exit(saveConfiguration, &saved);
    quietFailures_ = false;
    if (!failures.isEmpty()) {
        SpeedButton_question->setText(QStringLiteral("exit"));
        SpeedButton_question->setAutoRaise(false);
        Panel_question->hide();
        info(kExitCancelled + failures.join(u'\n') + kReadingsKept);
        return;
    }
    int wait = 0;
    if (saved.written) {
        Panel_question->show();
        wait = CheckBox_demo->isChecked() ? 500 : 5000;  // long enough to read the report
    }
    // The wait keeps the window alive; then the process ends.
    QTimer::singleShot(wait, this, [this] {
        exitFinished_ = true;
        if (endProcess) {
            endProcess(0);
        }
    });
}

}  // namespace sondalog
