#include "ui/main_window/run_panel.h"

#include "acquisition/demo_generator.h"
#include "app/run_options.h"
#include "ui/charts_window/charts_window.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/view_panel.h"
#include "util/named.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

RunPanel::RunPanel(MainContext& context, QWidget* parent) : QWidget(parent), ctx_(context)
{
    setObjectName(QStringLiteral("RunPanel"));
    auto button = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = Named(new QPushButton(text, this), name);
        b->setToolTip(hint);
        return b;
    };
    Button_test_com = button("Button_test_com", tr("test COM"), tr("bouton de test initial et d'arrêt du test  "));
    Button_START = button("Button_START", tr("Start (base)"), tr("  acquisition de la ligne de base  "));
    Button_stop = button("Button_stop", tr("Stop + save"), tr("arrêt de l'acquisition et enregistrement"));
    Button_stop->setEnabled(false);
    Button_exit_ = button("Button_exit_", tr("exit + save"), tr("sortie avec enregistrement (F12)"));
    Button_open_file = button("Button_open_file", tr("open"),
                              tr(" permet de visualiser un fichier existant ou de le  compléter   "));
    Button_parametres = button("Button_parametres", tr("Paramètres"), QString());
    Button1 = button("Button1", tr("Graphiques associés"), tr("si 3 sondes connectées "));
    Button1->setEnabled(false);  // with three probes only (the parameters window says)
    Button_enreg_param = button("Button_enreg_param", tr("save paramètres"),
                                tr("enregistre les modifications dans le fichier des paramètres"));
    CheckBox_demo = Named(new QCheckBox(tr("démo"), this), "CheckBox_demo");
    CheckBox_demo->setChecked(true);
    Label_multimetre = Named(new QLabel(this), "Label_multimetre");
    QFont big = Label_multimetre->font();
    big.setBold(true);
    Label_multimetre->setFont(big);
    Label_config = Named(new QLabel(this), "Label_config");
    SpeedButton_aide = Named(new QToolButton(this), "SpeedButton_aide");
    SpeedButton_aide->setText(QStringLiteral("?"));
    SpeedButton_aide->setToolTip(tr("Aide"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{Button_test_com, Button_START, Button_stop, Button_exit_,
                                                     Button_open_file, CheckBox_demo, Label_multimetre, Label_config}) {
        row->addWidget(w);
    }
    row->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{Button_enreg_param, Button_parametres, Button1, SpeedButton_aide}) {
        row->addWidget(w);
    }

    Panel_message = Named(new QFrame(parent), "Panel_message");
    Panel_message->setFrameShape(QFrame::Box);
    Panel_message->setAutoFillBackground(true);
    QPalette warn = Panel_message->palette();
    warn.setColor(QPalette::Window, QColor(255, 230, 160));
    Panel_message->setPalette(warn);
    Label21 = Named(new QLabel(Panel_message), "Label21");
    (new QVBoxLayout(Panel_message))->addWidget(Label21);
    Panel_message->installEventFilter(this);
    Panel_message->hide();

    connect(Button_test_com, &QPushButton::clicked, this, &RunPanel::Button_test_comClick);
    connect(Button_START, &QPushButton::clicked, this, &RunPanel::Button_STARTClick);
    connect(Button_stop, &QPushButton::clicked, this, &RunPanel::Button_stopClick);
    connect(Button_exit_, &QPushButton::clicked, this, &RunPanel::Button_exit_Click);
    connect(CheckBox_demo, &QCheckBox::toggled, this, [this](bool on) {
        ctx_.store->settings.CheckBox_demo = on;
        ctx_.controller->SetRecordingSetup(ctx_.recording->Setup());
    });
    connect(ctx_.question->SpeedButton_question, &QToolButton::clicked, this, &RunPanel::SpeedButton_questionClick);
    connect(ctx_.question->Button_go, &QPushButton::clicked, this, &RunPanel::Button_goClick);
}

bool RunPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Panel_message && e->type() == QEvent::MouseButtonPress) {
        Panel_message->hide();  // Panel_messageClick
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

LinkRequest RunPanel::MakeLinkRequest()
{
    ctx_.applyTable();
    const Settings s = ctx_.store->Complete();
    const InstrumentConfig& config = ctx_.store->config;
    const ProcessingState& state = ctx_.run().state;
    LinkRequest request;
    request.config = config;
    request.config.q1.axisMin = state.axisY1.min;
    request.config.q1.axisMax = state.axisY1.max;
    request.config.q2.axisMin = state.axisY2.min;
    request.config.q2.axisMax = state.axisY2.max;
    request.config.q2.graduation = state.axisY2.graduation;
    request.options = MakeProcessOptions(s, ctx_.store->table, config, ctx_.regional);
    request.blockOptions = MakeBlockOptions(s);
    PrepareInstrumentRun(s, ctx_.store->fluorometer, request.config, request.options, request.blockOptions);
    SessionSettings& ss = request.session;
    ss.demo = s.CheckBox_demo;
    ss.fast = s.CheckBox_demo_rapide;
    ss.mode = s.readMode == 1 && !s.CheckBox_demo ? ReadMode::StringCsv : ReadMode::Character;
    ss.portDescription = config.active.portDescription;
    ss.timeoutsText = s.Edit_timeouts;
    ss.dtr = s.CheckBox_DTR;
    ss.rts = s.CheckBox_RTS;
    ss.startInjectText = s.Edit_start_inject;
    ss.intervalSeconds = std::max(1, ActiveCellInt(ctx_.store->table, config.active.activeRow, col::intervalle, 0,
                                                   ctx_.regional.decimalSign));
    return request;
}

void RunPanel::OpenAndRead()
{
    ctx_.controller->OpenLink(MakeLinkRequest());
}

void RunPanel::Button_test_comClick()
{
    if (ctx_.recording->ChooserOpen()) {
        ctx_.recording->SpeedButton_valider_repertoireClick();
    }
    ctx_.recording->Label18->hide();
    ctx_.recording->Panel2->hide();
    if (Button_test_com->text() == tr("test COM")) {
        if (const QString why = InstrumentRefusal(); !why.isEmpty()) {
            ctx_.info(why);
            return;
        }
        if (!ctx_.controller->StartLinkTest([this] { return MakeLinkRequest(); }, ctx_.view->AxisLimits())) {
            return;
        }
        Button_test_com->setText(tr("stop COM"));
        Button_START->setEnabled(false);
        Button_stop->setEnabled(false);
        ctx_.question->hide();
    } else {
        Button_test_com->setText(tr("test COM"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(true);
        ctx_.controller->StopLinkTest();
    }
}

QString RunPanel::InstrumentRefusal()
{
    ctx_.applyTable();
    InstrumentConfig config = ctx_.store->config;
    ProcessOptions options;
    BlockOptions block;
    return PrepareInstrumentRun(ctx_.store->Complete(), ctx_.store->fluorometer, config, options, block);
}

void RunPanel::Button_STARTClick()
{
    if (const QString why = InstrumentRefusal(); !why.isEmpty()) {
        ctx_.info(why);  // a fluorometer without a calibration that converts: no run of lamps without ppb
        return;
    }
    RecordingPanel* recording = ctx_.recording;
    if (recording->ChooserOpen()) {
        recording->SpeedButton_valider_repertoireClick();
    }
    recording->Panel2->hide();
    Panel_message->hide();
    ctx_.question->hide();
    recording->Label22->setText(QStringLiteral("-/-"));
    if (WithTrailingSeparator(recording->Edit_repertoire->text().trimmed()) != ctx_.store->workingDir) {
        recording->Edit_repertoireKeyUp();  // a folder typed without Enter: taken, or the box shows where the recording goes
    }
    const bool continuing = ctx_.controller->continuing();
    const Settings& s = ctx_.store->settings;
    if (!ctx_.controller->Start([this] { return MakeLinkRequest(); }, ctx_.view->AxisLimits(), s.CheckBox_sauve_auto,
                                s.autoSaveIntervalMs)) {
        return;
    }
    if (!continuing) {
        ctx_.charts->ResetCharts();
    }
    Button_START->setText(tr("Restart(base)"));
    if (!CheckBox_demo->isChecked()) {
        CheckBox_demo->hide();
    }
    Button_START->setEnabled(false);
    Button_stop->setEnabled(true);
    ctx_.question->Button_go->setText(QStringLiteral("00:00:05"));
    BaselineMessage();
}

void RunPanel::BaselineMessage()
{
    QuestionPanel* q = ctx_.question;
    q->Label_mess->setText(sondalog::BaselineMessage(ctx_.store->settings.Edit_start_inject));
    q->SpeedButton_question->hide();
    q->Button_go->show();
    q->Button_go->setEnabled(ctx_.run().state.series.sampleCount > 0);  // offered once the baseline holds a reading
    q->Ask(true);
    q->Button_go->setFocus();
}

void RunPanel::Button_goClick()
{
    if (!ctx_.controller->MarkT0()) {
        return;  // no baseline yet: t0 would stand before any reading
    }
    ctx_.question->hide();
    Button_stop->setEnabled(true);
    Button_stop->setFocus();
    ctx_.question->GuideMouseTo(Button_stop->mapToGlobal(Button_stop->rect().center()) + QPoint(0, 20));
}

void RunPanel::Button_stopClick()
{
    QuestionPanel* q = ctx_.question;
    if (ctx_.store->settings.CheckBox_save_sans_confirmation) {
        // The save comes first: when it fails the run goes on as it was and nothing is cleared.
        const StopOutcome out = ctx_.controller->StopAndSave();
        if (!out.stopped) {
            return;
        }
        Button_START->setText(tr("Restart(base)"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
        Button_test_com->setText(tr("test COM"));
        if (out.save.written) {
            q->ShowReport();  // the report stays up until the user closes it
        }
        return;
    }
    CheckBox_demo->show();
    q->SpeedButton_question->show();
    q->Button_go->hide();
    q->SpeedButton_question->setText(tr("Stop + save"));
    q->Label_mess->setText(tr("\nArrêter le stockage des données en mémoire puis les enregistrer\n"));
    q->Ask(false);
}

void RunPanel::Button_exit_Click()
{
    QuestionPanel* q = ctx_.question;
    q->SpeedButton_question->show();
    q->SpeedButton_question->setText(tr("exit"));
    q->Button_go->hide();
    q->Tint(QColor(192, 192, 192));
    q->Label_mess->setText(Message(kExitQuestion));
    q->Ask(false);
}

void RunPanel::SpeedButton_questionClick()
{
    QuestionPanel* q = ctx_.question;
    const QString caption = q->SpeedButton_question->text();
    if (caption == QLatin1String("Stop + save")) {
        if (!ctx_.controller->StopAndSave().stopped) {
            q->hide();  // the run goes on; the error box says what failed
            return;
        }
        Button_START->setEnabled(true);
        Button_stop->setEnabled(false);
        q->GuideMouseTo(Button_stop->mapToGlobal(Button_stop->rect().center()));
        q->hide();
    } else if (caption == QLatin1String("exit")) {
        ExitSequence();
    }
}

void RunPanel::ExitSequence()
{
    QuestionPanel* q = ctx_.question;
    q->SpeedButton_question->setText(tr("EXIT AUTO..."));
    q->SpeedButton_question->setAutoRaise(true);
    q->SpeedButton_annuler->hide();
    q->repaint();
    // The settings and the table first, then the readings: the controller stops at any failure.
    SaveResult saved;
    quietFailures_ = true;
    const QStringList failures = ctx_.controller->Exit(saveConfiguration, &saved);
    quietFailures_ = false;
    if (!failures.isEmpty()) {
        q->SpeedButton_question->setText(tr("exit"));
        q->SpeedButton_question->setAutoRaise(false);
        q->hide();
        ctx_.info(Message(kExitCancelledMessage) + failures.join(u'\n') + Message(kReadingsKeptMessage));
        return;
    }
    int wait = 0;
    if (saved.written) {
        q->show();
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

void RunPanel::ShowSave(const SaveResult& r, bool autoSaving)
{
    if (!r.error.isEmpty()) {
        if (!autoSaving && !quietFailures_) {
            ctx_.info(r.error + Message(kReadingsKeptMessage));
        } else if (autoSaving) {
            ctx_.info(r.error);
        }
    } else if (r.written) {
        QGuiApplication::clipboard()->setText(ClipboardText(ctx_.run().records));
        if (r.openInEditor && ctx_.openEditor) {
            const QFileInfo file(r.path);
            ctx_.openEditor(file.absolutePath(), file.fileName());
        }
    }
    if (autoSaving) {
        return;
    }
    QuestionPanel* q = ctx_.question;
    q->SpeedButton_annuler->hide();
    if (r.written) {
        QString report = SaveReport(static_cast<int>(ctx_.run().records.size()) - 1, r.path);
        if (ctx_.analysis->AnalysisT0() != 0) {
            // Beside the recording: the analysis in French and the graph with its fitted curve.
            const QString failure = ctx_.analysis->SaveAnalysisBeside(r.path);
            report += failure.isEmpty() ? tr("\n+ analyse du traçage dans le dossier analyses")
                                        : QStringLiteral("\n") + failure;
        }
        q->Label_mess->setText(report);
        q->Fit();
        q->repaint();
    }
}

void RunPanel::ShowSessionMessage(const QString& text)
{
    Label21->setText(text);
    Panel_message->adjustSize();
    Panel_message->show();
    Panel_message->raise();
}

void RunPanel::OnRunFinished()
{
    if (ctx_.controller->state() == RunState::LinkTest) {
        Button_test_com->setText(tr("test COM"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(true);
        ctx_.controller->SetState(RunState::Idle);
    }
}

void RunPanel::OnStateChanged(RunState state)
{
    // A second run cannot start inside a running one.
    Button_test_com->setEnabled(state != RunState::Baseline && state != RunState::Tracing && state != RunState::Exiting);
}

void RunPanel::ShowContinued()
{
    Button_START->setText(tr("Continue"));
}

void RunPanel::FocusNextButton(bool validated)
{
    if (!validated) {
        if (Button_START->isVisible() && Button_START->isEnabled()) {
            Button_START->setFocus();
        }
    } else if (Button_START->text() != tr("Restart(base)")) {
        Button_test_com->setFocus();
    } else if (Button_START->isEnabled()) {
        Button_START->setFocus();
    } else if (Button_stop->isEnabled()) {
        Button_stop->setFocus();
    }
}

}  // namespace sondalog
