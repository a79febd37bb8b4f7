#include "ui/main_window/main_window.h"

#include "app/run_state.h"
#include "ui/charts_window/charts_window.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/configuration_link.h"
#include "ui/main_window/figures_panel.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/message_queue.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/record_list_model.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_display.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/main_window/view_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/widgets/help_buttons.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/line_edits.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

MainWindow::MainWindow(const ConfigPaths& paths, const Regional& regional, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    InstallHintStyle();
    setWindowTitle(tr("Sondalog  ") + kProgramVersion);
    confirm = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral(" S o n d a L O G "), BoundedMessage(question)) == QMessageBox::Yes;
    };
    info = [this](const QString& text) { ShowMessage(text); };
    openEditor = [this](const QString& folder, const QString& fileName) {
        QProcess::startDetached(store_->settings.Edit_nom_blocnote, {QDir(folder).filePath(fileName)});
    };
    endProcess = [](int code) { QCoreApplication::exit(code); };
    openFile = OpenWithSystemViewer;

    controller_ = new RunController(clock_, regional, this);
    store_ = new SettingsStore(paths, regional, this);
    ctx_.controller = controller_;
    ctx_.store = store_;
    ctx_.regional = regional;
    ctx_.confirm = [this](const QString& q) { return confirm(q); };
    ctx_.info = [this](const QString& t) { info(t); };
    ctx_.openEditor = [this](const QString& folder, const QString& file) {
        if (openEditor) {
            openEditor(folder, file);
        }
    };
    controller_->confirm = ctx_.confirm;
    controller_->info = ctx_.info;
    BuildPanels();
    WireController();
    display_->WireSession();
    configuration_->WireParameters();
    controller_->ResetRun(ctx_.view->AxisLimits());
    configuration_->LoadParameterFile();
    configuration_->ApplyTable();
    configuration_->LoadSettings();
    QTimer::singleShot(0, this, [this] {
        controller_->OfferRecovery(ctx_.view->AxisLimits());
        if (controller_->continuing()) {
            ctx_.recording->Label22->setText(QFileInfo(controller_->continuedPath()).fileName());
        }
        ctx_.charts->SourceChanged();
        ctx_.redraw();
    });
    qApp->installEventFilter(this);
    KeepEditsSingleLine(this);
    configuration_->startupDone = true;
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::BuildPanels()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    ctx_.params = new ParametersWindow(store_->table, this);
    ctx_.charts = new ChartsWindow(this);
    ctx_.charts->SetSource(&controller_->run().state.series, &ctx_.regional);
    ctx_.charts->onClose = [this] {
        show();
        activateWindow();
    };
    ctx_.messages = new MessageQueue(this);
    ctx_.question = new QuestionPanel(central);
    ctx_.question->mouseMode = [this] { return store_->settings.RadioGroup_souris; };
    ctx_.figures = new FiguresPanel(central);
    ctx_.view = new ViewPanel(ctx_, central);
    pickColour = ctx_.view->pickColour;  // the colour dialog, unless a test answers instead
    ctx_.view->pickColour = [this](const QColor& c) { return pickColour ? pickColour(c) : std::optional<QColor>(); };
    ctx_.recording = new RecordingPanel(ctx_, central);
    ctx_.records = new RecordListPanel(ctx_, central);
    ctx_.analysis = new AnalysisPanel(ctx_, central);
    ctx_.runPanel = new RunPanel(ctx_, central);
    ctx_.runPanel->endProcess = [this](int code) {
        if (endProcess) {
            endProcess(code);
        }
    };
    ctx_.redraw = [this] { ctx_.view->Redraw(); };
    configuration_ = new ConfigurationLink(ctx_, this);
    ctx_.applyTable = [this] { configuration_->ApplyTable(); };
    ctx_.settingsChanged = [this] { configuration_->SettingsChanged(); };
    ctx_.opener = new StoredFileOpener(ctx_, this);
    display_ = new RunDisplay(ctx_, central);
    ctx_.params->Memo2->setModel(ctx_.records->model());

    auto* root = new QVBoxLayout(central);
    root->addWidget(ctx_.runPanel);
    root->addWidget(ctx_.figures);
    root->addWidget(ctx_.view, 1);
    root->addWidget(ctx_.recording);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ctx_.records, 3);
    bottom->addWidget(ctx_.analysis, 2);
    root->addLayout(bottom);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    }
    resize(1280, 800);
}

void MainWindow::WireController()
{
    RunPanel* run = ctx_.runPanel;
    connect(controller_, &RunController::stateChanged, run, &RunPanel::OnStateChanged);
    connect(controller_, &RunController::runReset, display_, &RunDisplay::OnRunReset);
    connect(controller_, &RunController::recordsChanged, ctx_.records, &RecordListPanel::ShowRecordTail);
    connect(controller_, &RunController::saveDone, ctx_.recording, &RecordingPanel::ShowSave);
    connect(controller_, &RunController::saveDone, run, &RunPanel::ShowSave);
    connect(controller_, &RunController::recordingContinued, display_, &RunDisplay::OnContinued);
    run->saveConfiguration = [this] { return configuration_->SaveBeforeExit(); };
    connect(run->Button_open_file, &QPushButton::clicked, this, &MainWindow::Button_open_fileClick);
    connect(run->Button_parametres, &QPushButton::clicked, configuration_, &ConfigurationLink::Button_parametresClick);
    connect(run->Button1, &QPushButton::clicked, configuration_, &ConfigurationLink::Button1Click);
    connect(run->Button_enreg_param, &QPushButton::clicked, configuration_, &ConfigurationLink::Button_enreg_paramClick);
    connect(run->CheckBox_demo, &QCheckBox::clicked, configuration_, &ConfigurationLink::CheckBox_demoClick);
    auto help = [this] { OpenHelp(QCoreApplication::applicationDirPath(), info, openFile); };
    connect(run->SpeedButton_aide, &QToolButton::clicked, this, help);
    connect(ctx_.params->SpeedButton_aide, &QToolButton::clicked, this, help);
    connect(ctx_.recording, &RecordingPanel::chooserClosed, run, &RunPanel::FocusNextButton);
    connect(ctx_.opener, &StoredFileOpener::loadingChanged, this, [run](bool loading) { run->Button_open_file->setEnabled(!loading); });
    connect(ctx_.opener, &StoredFileOpener::loaded, display_, &RunDisplay::OnLoaded);
    controller_->run().feed = [this](int, const Sample&) { ctx_.charts->FeedCharts(); };
}

}  // namespace sondalog
