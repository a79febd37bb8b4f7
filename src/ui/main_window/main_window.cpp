#include "ui/main_window/main_window.h"
#include "app/settings_file.h"

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

MainWindow::MainWindow(const ConfigPaths& paths, const Regional& regional, QWidget* parent)
    : QMainWindow(parent), paths_(paths), regional_(regional)
{
    controller_ = new RunController(clock_, regional_, this);
    setObjectName(QStringLiteral("TForm1"));
    InstallHintStyle();
    setWindowTitle(QStringLiteral("Sondalog  ") + kProgramVersion);
    confirm = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral(" S o n d a L O G "), BoundedMessage(question)) ==
               QMessageBox::Yes;
    };
    info = [this](const QString& text) { ShowMessage(text); };
    openEditor = [this](const QString& folder, const QString& fileName) {
        const QString editor = CollectSettings().Edit_nom_blocnote;
        QProcess::startDetached(editor, {QDir(folder).filePath(fileName)});
    };
    endProcess = [](int code) { QCoreApplication::exit(code); };
    controller_->confirm = [this](const QString& q) { return confirm(q); };
    controller_->info = [this](const QString& t) { info(t); };
    AcquisitionSession* session_ = &controller_->session();
    BuildControls();
    BuildQuestionPanel();
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    }
    params_ = new ParametersWindow(this);
    recordModel_ = new RecordListModel(Run().records, this);
    Memo2->setModel(recordModel_);
    params_->Memo2->setModel(recordModel_);
    charts_ = new ChartsWindow(this);
    charts_->SetSource(&Run().state.series, &regional_);
    charts_->onClose = [this] {
        show();
        activateWindow();
    };
    Run().feed = [this](int, const Sample&) { charts_->FeedCharts(); };
    connect(controller_, &RunController::stateChanged, this, &MainWindow::OnStateChanged);
    connect(controller_, &RunController::runReset, this, &MainWindow::OnRunReset);
    connect(controller_, &RunController::recordsChanged, this, &MainWindow::ShowRecordTail);
    connect(controller_, &RunController::saveDone, this, &MainWindow::ShowSave);
    connect(controller_, &RunController::recordingContinued, this, &MainWindow::ShowContinuedRecording);
    WireParameters();
    ResetRun();

    // Creating the parameters window: table, configuration, settings.
    LoadParameterFile();
    ApplyTable();
    LoadSettingsIntoControls();

    openFile = OpenWithSystemViewer;
    auto help = [this] { OpenHelp(QCoreApplication::applicationDirPath(), info, openFile); };
    connect(SpeedButton_aide, &QToolButton::clicked, this, help);
    connect(params_->SpeedButton_aide, &QToolButton::clicked, this, help);
    connect(session_, &AcquisitionSession::logLine, this, &MainWindow::LogLine);
    connect(session_, &AcquisitionSession::readingProcessed, this, &MainWindow::OnReading);
    connect(session_, &AcquisitionSession::counterChanged, this,
            [this](int n) { params_->Label_nlecture->setText(QString::number(n)); });
    connect(session_, &AcquisitionSession::countdownChanged, this, [this](const QString& c) { Button_go->setText(c); });
    connect(session_, &AcquisitionSession::label21Changed, this, [this](const QString& c) {
        Label21->setText(c);
        Panel_message->adjustSize();
        Panel_message->show();
        Panel_message->raise();
    });
    connect(session_, &AcquisitionSession::messageRequested, this, &MainWindow::ShowMessage);
    connect(session_, &AcquisitionSession::openFailed, this, &MainWindow::ShowMessage);
    connect(session_, &AcquisitionSession::linkLost, this, [this](const QString& m) {
        // With the time: the operator coming back to the laptop sees since when.
        ShowLinkNote(m + QStringLiteral("\n(") + clock_.Now().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + u')', true);
    });
    connect(session_, &AcquisitionSession::linkRestored, this, [this](const QString&) { Panel2->hide(); });
    connect(session_, &AcquisitionSession::undecoded, this, [this](const QString& m) {
        LogLine(m);
        ShowLinkNote(m, true);
    });
    connect(session_, &AcquisitionSession::finished, this, &MainWindow::OnRunFinished);
    connect(&mouseGuide_, &QTimer::timeout, this, [this] {
        if (guideStep_ >= guidePath_.size()) {
            mouseGuide_.stop();
            return;
        }
        QCursor::setPos(guidePath_[guideStep_++]);
    });
    mouseGuide_.setInterval(1);
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        controller_->OfferRecovery(AxisLimits());
        if (controller_->continuing()) {
            Label22->setText(QFileInfo(controller_->continuedPath()).fileName());
        }
        charts_->SourceChanged();
        Redraw();
    });
    KeepEditsSingleLine(this);
    startupDone_ = true;
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::LoadSettingsIntoControls()
{
    settings_ = LoadSettings(paths_.SettingsFile(), settings_, regional_.decimalSign, [this](const QString& t) { info(t); });
    workingDir_ = settings_.Edit_repertoire;
    if (workingDir_.isEmpty() || !QFileInfo(workingDir_).isDir()) {
        workingDir_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    workingDir_ = WithTrailingSeparator(workingDir_);
    UpdateRecordingSetup();
    Edit_repertoire->setText(workingDir_);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + workingDir_ + QStringLiteral("   "));
    CheckBox_demo->setChecked(settings_.CheckBox_demo);
    Edit_Prefixe->setText(settings_.Edit_Prefixe);
    graphColour_ = ToQColor(settings_.graphColour);
    savedBackground_ = graphColour_;
    windowColour_ = ToQColor(settings_.windowColour);
    windowMaximised_ = settings_.maximised;
    params_->ShowSettings(settings_);
    controller_->backupTimer().setInterval(settings_.autoSaveIntervalMs);
    if (settings_.CheckBox_demo) {
        Label_multimetre->setText(kDemoCaption);
    }
    Redraw();
}

Settings MainWindow::CollectSettings() const
{
    Settings s = params_->ReadSettings(settings_);
    s.Edit_repertoire = workingDir_;
    if (!s.Edit_repertoire.isEmpty() && !s.Edit_repertoire.endsWith(u'/') && !s.Edit_repertoire.endsWith(u'\\')) {
        s.Edit_repertoire += QDir::separator();
    }
    s.CheckBox_demo = CheckBox_demo->isChecked();
    s.Edit_Prefixe = Edit_Prefixe->text();
    s.maximised = windowMaximised_;
    s.graphColour = ToRgb(graphColour_);
    s.windowColour = ToRgb(windowColour_);
    s.contrastMode = contrastMode_;
    QString factor = s.Edit_facteur;
    NormalizeDecimal(factor, regional_.decimalSign);
    s.areaFactor = ParseReal(factor, regional_.decimalSign).value;
    return s;
}

bool MainWindow::SaveSettingsNow()
{
    return SaveSettings(paths_.SettingsFile(), CollectSettings());
}

void MainWindow::SettingsChanged()
{
    // Written as they change, not only at exit: a crash keeps the port, the mode and the folder.
    if (!startupDone_) {
        return;
    }
    if (!SaveSettingsNow()) {
        LogLine(QStringLiteral("Impossible de créer le fichier %1").arg(paths_.SettingsFile()));
    }
}

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(e);
}

void MainWindow::FormActivate()
{
    PlacePanel2();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    CheckBox_demo->setVisible(true);
    if (firstActivation_ && settings_.maximised) {
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
        if (!ChooserOpen()) {
            OpenChooser();  // the operator says where this test is written before anything else
        }
        const Settings s = CollectSettings();
        const QString question = DecimalSignQuestion(s.RadioGroup_signe_decimal, regional_.decimalSign);
        const QString declined = ReadSettingsLine(paths_.SettingsFile(), kDecimalQuestionDeclinedLine);
        if (!question.isEmpty() && declined != QString(regional_.decimalSign)) {
            // Asked once the start-up messages are read, and not again once answered.
            AfterMessages([this, s, question] {
                if (confirm(question)) {
                    (s.RadioGroup_signe_decimal == 0 ? params_->RadioButton_point : params_->RadioButton_virgule)
                        ->setChecked(true);
                    SettingsChanged();
                } else {
                    SetTextColour(params_->Label2, Qt::red);
                    QStringList lines = ReadSettingsLines(paths_.SettingsFile());
                    lines[kDecimalQuestionDeclinedLine - 1] = QString(regional_.decimalSign);
                    WriteSettingsLines(paths_.SettingsFile(), lines);
                }
            });
        }
    }
    if (isVisible()) {
        QTimer::singleShot(0, this, &MainWindow::ShowNextMessage);
    }
}

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    QTimer::singleShot(0, this, &MainWindow::ShowNextMessage);  // start-up messages, in front of the window
    if (!firstActivation_ || settings_.maximised) {
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
    PlacePanel2();
    FormResize();
    // FormCanResize: "maximised" means as wide as the screen, whatever the window manager calls it.
    if (isVisible() && !firstActivation_) {
        if (const QScreen* s = screen()) {
            windowMaximised_ = frameGeometry().width() >= s->geometry().width();
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (ListBox1 && ViewEvent(watched, e)) {
        return true;
    }
    if (watched == SpeedButton_choix_rep && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        PlacePanel2();
    }
    if (watched == Panel_message && e->type() == QEvent::MouseButtonPress) {
        Panel_message->hide();  // Panel_messageClick
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
    if (key == Qt::Key_Escape && Panel_question->isVisible()) {
        Panel_question->hide();
    } else if (key == Qt::Key_Escape && Run().state.series.sampleCount == 0 && SpeedButton_annuler_couleur->isVisible()) {
        RestoreStoredColours();
    } else if (key == Qt::Key_Escape && ListBox1->isVisible()) {
        ListBox1->hide();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ChooserOpen()) {
        SpeedButton_valider_repertoireClick();
    } else if (key == Qt::Key_F4) {
        Button_zoomClick();
    } else if (key == Qt::Key_F5) {
        Button_contrasteClick();
    } else if (key == Qt::Key_F12) {
        Button_exit_Click();
    }
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // No window closes with unsaved readings: the close box asks the exit question instead.
    if (exitFinished_) {
        e->accept();
        return;
    }
    e->ignore();
    if (controller_->state() != RunState::Exiting) {
        Button_exit_Click();
    }
}

void MainWindow::OnStateChanged(RunState state)
{
    // A second run cannot start inside a running one.
    Button_test_com->setEnabled(state != RunState::Baseline && state != RunState::Tracing && state != RunState::Exiting);
}

InstrumentConfig MainWindow::AxisLimits() const
{
    InstrumentConfig limits = config_;
    limits.q1.axisMax = ParseReal(Edit_max_y1->text(), regional_.decimalSign).value;
    limits.q1.axisMin = ParseReal(Edit_min_y1->text(), regional_.decimalSign).value;
    limits.q2.axisMax = ParseReal(Edit_max_y2->text(), regional_.decimalSign).value;
    limits.q2.axisMin = ParseReal(Edit_min_y2->text(), regional_.decimalSign).value;
    limits.q2.graduation = ParseReal(Edit_y2_graduation->text(), regional_.decimalSign).value;
    return limits;
}

void MainWindow::ResetRun()
{
    controller_->ResetRun(AxisLimits());
}

void MainWindow::OnRunReset()
{
    ShowAxisBoxes();
    // The previous run's figures go with it: nothing on screen may pass for this run's.
    for (QLabel* label : {Label_n, Label_val_grand1, Label_val_grand2, Label_zero, Label_hauteur, Label_tracage,
                          Label_heure}) {
        label->clear();
    }
    if (params_) {
        params_->Label_n->clear();
    }
    Edit_repertoire->setText(workingDir_);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + workingDir_ + QStringLiteral("   "));
    Memo1->clear();
    ShowRecordTail();
    ImageA->Fill(graphColour_);
    questionColour_ = QColor(85, 240, 182);
    QPalette p = Panel_question->palette();
    p.setColor(QPalette::Window, questionColour_);
    Panel_question->setPalette(p);
    if (params_) {
        params_->table.modified = false;
    }
    analysis_ = RunAnalysis();
    if (Panel_analyse) {
        ShowAnalysis();
    }
}

void MainWindow::ShowAxisBoxes()
{
    // A box keeps the user's own text while it reads as the axis value (e.g. "50" for 50,0).
    const QChar sign = regional_.decimalSign;
    auto show = [sign](QLineEdit* box, double value) {
        const Parsed<double> shown = ParseReal(box->text(), sign);
        if (shown.malformed || shown.value != value || box->text().trimmed().isEmpty()) {
            QString text = ShortestReal(value);
            text.replace(u'.', sign);
            box->setText(text);
        }
    };
    const AxisScale& y1 = Run().state.axisY1;
    const AxisScale& y2 = Run().state.axisY2;
    show(Edit_max_y1, y1.max);
    show(Edit_min_y1, y1.min);
    show(Edit_y1_graduation, y1.graduation);
    show(Edit_max_y2, y2.max);
    show(Edit_min_y2, y2.min);
    show(Edit_y2_graduation, y2.graduation);
}

void MainWindow::OnReading(const DisplayTexts& texts)
{
    for (const auto& [name, text] : texts.Captions()) {
        if (auto* label = findChild<QLabel*>(name)) {
            label->setText(text);
        } else if (auto* edit = findChild<QLineEdit*>(name)) {
            edit->setText(text);
        }
    }
    if (texts.Label_n_parametres) {
        params_->Label_n->setText(*texts.Label_n_parametres);
    }
    if (controller_->state() == RunState::LinkTest && texts.stored) {
        ShowLinkNote(kLinkTestCaption + QStringLiteral("mesure lue ") + Label_val_grand1->text() + QStringLiteral("  ") +
                         Label_val_grand2->text(),
                     false);
    }
    if (!Button_go->isEnabled() && Run().state.series.sampleCount > 0) {
        Button_go->setEnabled(true);
    }
    if (texts.showLabel7) {
        Label7->show();
    }
    if (!texts.recordLines.isEmpty()) {
        ShowRecordTail();
    }
    if (Run().state.t0Marked && !analysisTimer_.isActive()) {
        analysisTimer_.start();  // the figures follow the readings, at most five times a second
    }
    if (texts.redraw) {
        Redraw();
    }
}

void MainWindow::OnRunFinished()
{
    if (controller_->state() == RunState::LinkTest) {
        Button_test_com->setText(QStringLiteral("test COM"));
        Button_START->setEnabled(true);
        Button_stop->setEnabled(true);
        controller_->SetState(RunState::Idle);
    }
}

void MainWindow::Redraw()
{
    if (!params_ || !ImageA) {
        return;
    }
    const int interval = std::max(1, ActiveCellInt(params_->table, config_.active.activeRow, col::intervalle, 0,
                                                   regional_.decimalSign));
    QuantityDrawing q1;
    q1.quantity = 1;
    q1.interval = interval;
    q1.colour = contrastMode_ != 0 ? shownColour1_ : ToQColor(config_.q1.colour);
    q1.radius = config_.q1.thickness;
    q1.labelColour = q1.colour;
    q1.background = graphColour_;
    q1.integral = CheckBox_af_integrale->isChecked();
    q1.decimalSign = regional_.decimalSign;
    q1.cache = &ImageA->paintCache();
    QuantityDrawing q2 = q1;
    q2.quantity = 2;
    q2.colour = contrastMode_ != 0 ? shownColour2_ : ToQColor(config_.q2.colour);
    q2.radius = config_.q2.thickness;
    sondalog::Redraw(ImageA->image(), Run().state, q1, q2, CheckBox_y2->isChecked());
    if (analysis_.fit.ok) {
        const TracerInputs inputs = tracer_.Effective();
        sondalog::DrawFittedCurve(ImageA->image(), Run().state, CheckBox_y2->isChecked(), QColor(230, 120, 0),
                                  [this, inputs](int n) { return FittedValue(analysis_, Run().state.series, inputs, n); });
    }
    ImageA->update();
}

}  // namespace sondalog
