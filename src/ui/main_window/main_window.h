#pragma once
// TForm1, the main window: the buttons that drive a run, the question panel, the live graph,
// the labels processing fills and the record list. Handlers are short: read the controls, call
// the core, show what it returns.

#include "app/run_controller.h"
#include "app/config_paths.h"
#include "app/run_state.h"
#include "app/settings.h"
#include "instrument/instrument_config.h"
#include "plot/colour.h"
#include "recording/recording_writer.h"
#include "analysis/run_analysis.h"
#include "analysis/tracer_inputs_file.h"
#include "acquisition/stored_file_load.h"
#include "recording/run_journal.h"
#include "util/clock.h"
#include "util/messages.h"
#include "util/regional.h"

#include <QMainWindow>
#include <QPointer>
#include <QMessageBox>
#include <QTimer>

#include <memory>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QFrame;
class QLabel;
class QGridLayout;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QToolButton;

namespace sondalog {

/// The least contrast a caption keeps with its background (large text).
inline constexpr double kLeastContrast = 3.0;
inline const QString kLinkTestCaption = QStringLiteral("test COM : ");
/// The exit question (F12, "exit + save", the close box): what "exit" does before the program ends.
inline const QString kExitQuestion =
    QStringLiteral("\nQuitter Sondalog ?\n\nLes mesures non enregistrées, les paramètres et le tableau sont "
                   "enregistrés avant la fin.\n[Échap] ou « annuler » : rester.\n");

class ChartsWindow;
class RecordListModel;
class DirectoryChooser;
class GraphWidget;
class ParametersWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(const ConfigPaths& paths, const Regional& regional, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What the user is asked and told, and the outside world; tests replace them.
    Confirm confirm;
    InfoSink info;
    std::function<void(const QString& folder, const QString& fileName)> openEditor;
    std::function<void(int code)> endProcess;

    ParametersWindow* parameters() const { return params_; }
    ChartsWindow* charts() const { return charts_; }
    RunState runState() const { return controller_->state(); }
    const ReadingRun& run() const { return controller_->run(); }
    RunController& controller() { return *controller_; }
    const QString& workingDirectory() const { return workingDir_; }

    // Controls, named as on the form.
    QPushButton* Button_test_com = nullptr;
    QPushButton* Button_START = nullptr;
    QPushButton* Button_stop = nullptr;
    QPushButton* Button_exit_ = nullptr;
    QPushButton* Button_parametres = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button_enreg_param = nullptr;
    QCheckBox* CheckBox_demo = nullptr;
    QCheckBox* CheckBox_y2 = nullptr;
    QCheckBox* CheckBox_af_integrale = nullptr;
    QCheckBox* CheckBox_date_heure = nullptr;
    QLabel* Label_multimetre = nullptr;
    QLabel* Label_config = nullptr;
    QLabel* Label_n = nullptr;
    QLabel* Label_heure = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label_tracage = nullptr;
    QLabel* Label_grandeur1 = nullptr;
    QLabel* Label_grand1 = nullptr;
    QLabel* Label_val_grand1 = nullptr;
    QLabel* Label_grandeur2 = nullptr;
    QLabel* Label_grand2 = nullptr;
    QLabel* Label_val_grand2 = nullptr;
    QLabel* Label_multiple_initial = nullptr;
    QLabel* Label_multiple_courant = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label_zero = nullptr;
    QLabel* Label_hauteur = nullptr;
    QLabel* Label_y1_max_lu = nullptr;
    QLabel* Label_y1_min_lu = nullptr;
    QLabel* Label_y2_max_lu = nullptr;
    QLabel* Label_y2_min_lu = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label_mess = nullptr;
    QLineEdit* Edit_max_y1 = nullptr;
    QLineEdit* Edit_min_y1 = nullptr;
    QLineEdit* Edit_y1_graduation = nullptr;
    QLineEdit* Edit_max_y2 = nullptr;
    QLineEdit* Edit_min_y2 = nullptr;
    QLineEdit* Edit_y2_graduation = nullptr;
    QLineEdit* Edit_Prefixe = nullptr;
    QLineEdit* Edit_repertoire = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QListView* Memo2 = nullptr;  ///< the record list (a view of the run's record store)
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel_question = nullptr;
    QFrame* Panel_message = nullptr;
    QToolButton* SpeedButton_question = nullptr;
    QToolButton* SpeedButton_choix_rep = nullptr;
    QToolButton* SpeedButton_annuler = nullptr;
    QToolButton* SpeedButton_croix_close = nullptr;
    QPushButton* Button_go = nullptr;
    GraphWidget* ImageA = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button_zoom = nullptr;
    QPushButton* Button_contraste = nullptr;
    QToolButton* SpeedButton_annuler_couleur = nullptr;
    DirectoryChooser* Panel_dir = nullptr;
    QToolButton* SpeedButton_aide = nullptr;
    /// Opens a local file in the system's viewer (tests replace it).
    std::function<bool(const QString& path)> openFile;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
    /// The colour dialog (tests answer it): the chosen colour, nothing when cancelled.
    std::function<std::optional<QColor>(const QColor& initial)> pickColour;
    // Opening stored files: the choice, the file dialog (tests answer them).
    std::function<int(const QString& message, const QStringList& captions)> choose;
    std::function<QString(const QString& title, const QString& filter)> openFileName;
    QPushButton* Button_open_file = nullptr;
    QLabel* Label_nmax_nf = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QLabel* Panel_analyse = nullptr;            ///< the tracer analysis, live
    QPushButton* Button_rapport = nullptr;     ///< saves the analysis report and the graph
    const RunAnalysis& analysis() const { return analysis_; }
    /// The analysis made again now (the panel otherwise follows the readings within 0.2 s).
    void UpdateAnalysis();
    /// Waits for a fit under way (tests).
    bool FitRunning() const { return fitRunning_; }
    /// Writes the report and the graph beside `recordingPath` (…_analyse.txt and .png).
    QString SaveAnalysisBeside(const QString& recordingPath);
    /// A stored file is being read or decoded (its progress dialog is up).
    bool LoadInProgress() const { return loading_ != nullptr; }
    /// Cancels the load under way: the run stays as it was before.
    void CancelLoad();
    QProgressDialog* LoadProgressDialog() const;
    int zoomState() const { return zoomState_; }
    int contrastMode() const { return contrastMode_; }
    QColor graphColour() const { return graphColour_; }

    // Event handlers.
    void Button_test_comClick();
    void Button_STARTClick();
    void Button_goClick();
    void Button_stopClick();
    void Button_exit_Click();
    void SpeedButton_questionClick();
    void SpeedButton_annulerClick();
    void SpeedButton_croix_closeClick();
    void Button_parametresClick();
    void Button_open_fileClick();
    void Button1Click();
    void Button_enreg_paramClick();
    void CheckBox_demoClick();
    void Button_zoomClick();
    void Button_contrasteClick();
    void ListBox1DblClick();
    void SpeedButton_annuler_couleurClick();
    void FormDblClick();
    void SpeedButton_choix_repClick();
    void SpeedButton_valider_repertoireClick();
    void SpeedButton_annuler_repertoireClick();
    void Edit_repertoireKeyUp();
    void DirectoryListBox1Change(const QString& folder);
    bool ChooserOpen() const;
    void ImageADblClick();
    /// The parameters window's "Open COM": the open sequence and a run, without resetting.
    void OpenAndRead();
    /// The parameters window's "Close COM".
    void CloseSerial();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    /// A message box that never waits for its OK and never outgrows the screen.
    void ShowMessage(const QString& text);
    /// Runs `step` once no message is on screen or waiting (start-up questions come after start-up messages).
    void AfterMessages(const std::function<void()>& step);

private:
    void BuildControls();
    void BuildQuestionPanel();
    void BuildViewControls(QGridLayout* axes, int row);
    QList<QLineEdit*> AxisBoxes() const;
    /// The view controls' share of the event filter: true when it took the event.
    bool ViewEvent(QObject* watched, QEvent* event);
    void ApplyAxisEdit(QLineEdit* edit);
    void ToggleProposedList(QLineEdit* edit);
    void ApplyContrast();
    void KeepTextReadable();
    void ShowNextMessage();
    void RestoreStoredColours();
    void FormResize();
    void BuildChooser();
    void OpenChooser();
    void SetWorkingDirectory(const QString& folder);
    void WireParameters();
    void LoadParameterFile();
    void ApplyTable();
    void LoadSettingsIntoControls();
    Settings CollectSettings() const;
    bool SaveSettingsNow();
    /// A setting changed (folder, reading mode, table): the settings file is written at once.
    void SettingsChanged();
    void PlacePanel2();
    void ShowAxisBoxes();
    /// A journal left by a run that did not end: offered at start, recovered and continued on Yes.
    /// The loaded recording's header and figures shown, the run set to continue it.
    void ShowContinuedRecording(const OwnRecordingLoad& load, const QString& header);
    /// The recording written or the backup: the status line, the clipboard, the report; a failure said.
    void ShowSave(const SaveResult& r, bool autoSaving);
    /// The session settings and configuration Start and "Open COM" open the link with.
    LinkRequest MakeLinkRequest();
    /// The axis limits the boxes show, for a new run.
    InstrumentConfig AxisLimits() const;
    /// The controller said a new run: the previous run's figures leave the screen.
    void OnRunReset();
    void OnStateChanged(RunState state);
    void OpenStoredFile(const QString& path, bool asAuto);
    void NewLoadingDialog(const QString& label);
    void DecodeStoredFile(const QString& path, bool asAuto, QStringList head, qint64 lineCount);
    void ApplyStoredFile(const QString& path, bool asAuto, const QString& header, StoredFileResult&& result);
    /// The record lists follow the record store (lines added or a new list).
    void ShowRecordTail();
    void EndLoad();
    void FormActivate();
    void FormKeyUp(int key);
    void ResetRun();
    void BaselineMessage();
    void ShowQuestionPanel(bool targetIsGo);
    void FitQuestionPanel();
    void GuideMouseTo(QPoint target);
    void ExitSequence();
    /// Where and under which name the recordings go, as the controls show it now.
    RecordingSetup RecordingSetupNow() const;
    /// The prefix, the folder, the date option or the demonstration changed: the controller is told.
    void UpdateRecordingSetup();
    void Redraw();
    void LogLine(const QString& line);
    /// The note under the graph (Panel2): what the link brings, or what is wrong with it; empty hides it.
    void ShowLinkNote(const QString& text, bool alarm);
    void OnReading(const DisplayTexts& texts);
    void OnRunFinished();

    ConfigPaths paths_;
    Regional regional_;
    SystemClock clock_;
    RunController* controller_ = nullptr;
    ReadingRun& Run() { return controller_->run(); }
    QStringList appliedTableAxes_;  ///< the table's axis texts last applied to the graph
    ParametersWindow* params_ = nullptr;
    ChartsWindow* charts_ = nullptr;
    TracerSettings tracer_;
    RunAnalysis analysis_;
    QTimer analysisTimer_;
    qint64 lastFitMs_ = 0;
    bool fitRunning_ = false;
    void BuildAnalysisPanel(QBoxLayout* bottom);
    void ShowAnalysis();
    int AnalysisT0() const;
    double AnalysisSecondsPerReading() const;
    RecordListModel* recordModel_ = nullptr;
    struct Loading;
    std::shared_ptr<Loading> loading_;
    InstrumentConfig config_;
    Settings settings_;
    bool firstActivation_ = true;
    QStringList pendingMessages_;                ///< messages waiting for the one on screen, or for the window
    QPointer<QMessageBox> openMessage_;
    QList<std::function<void()>> afterMessages_;  ///< questions asked once every message is read
    bool exitFinished_ = false;
    bool startupDone_ = false;  ///< the controls hold the stored settings: changes are the user's
    bool windowMaximised_ = false;  ///< as wide as the screen; kept in the settings file
    bool quietFailures_ = false;    ///< the exit gathers the failures into one message
    QString workingDir_;
    QColor graphColour_ = Qt::white;
    QColor savedBackground_ = Qt::white;  ///< the background of contrast mode 0
    QColor windowColour_ = ToQColor(kButtonFace);
    QColor shownColour1_;
    QColor shownColour2_;
    int zoomState_ = 0;
    int contrastMode_ = 0;
    QString listBoxTarget_;
    bool chooserOpen_ = false;
    QColor questionColour_ = QColor(85, 240, 182);
    QTimer mouseGuide_;
    std::vector<QPoint> guidePath_;
    std::size_t guideStep_ = 0;
};

}  // namespace sondalog
