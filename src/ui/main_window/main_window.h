#pragma once
// TForm1, the main window: a shell that places its panels (run buttons, figures, axes and graph,
// recording, record list, analysis, question) and wires them to the run controller and the settings
// store. What a panel shows and does is in its own file.

#include "app/config_paths.h"
#include "app/run_controller.h"
#include "app/settings_store.h"
#include "ui/main_window/main_context.h"
#include "util/clock.h"
#include "util/regional.h"

#include <QColor>
#include <QMainWindow>

#include <functional>
#include <optional>

class QProgressDialog;

namespace sondalog {

inline const QString kLinkTestCaption = QStringLiteral("test COM : ");

class ConfigurationLink;
class StoredFileOpener;
struct RunAnalysis;

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
    /// Opens a local file in the system's viewer (the manual).
    std::function<bool(const QString& path)> openFile;
    /// The colour dialog: the chosen colour, nothing when cancelled.
    std::function<std::optional<QColor>(const QColor& initial)> pickColour;
    /// Opening stored files: the choice of kind and the file dialog.
    std::function<int(const QString& message, const QStringList& captions)> choose;
    std::function<QString(const QString& title, const QString& filter)> openFileName;

    ParametersWindow* parameters() const { return ctx_.params; }
    ChartsWindow* charts() const { return ctx_.charts; }
    RunController& controller() { return *controller_; }
    RunState runState() const { return controller_->state(); }
    const ReadingRun& run() const { return controller_->run(); }
    const QString& workingDirectory() const { return store_->workingDir; }
    const RunAnalysis& analysis() const;
    void UpdateAnalysis();
    bool FitRunning() const;
    QString SaveAnalysisBeside(const QString& recordingPath);
    bool LoadInProgress() const;
    void CancelLoad();
    QProgressDialog* LoadProgressDialog() const;
    int zoomState() const;
    int contrastMode() const;
    QColor graphColour() const;
    bool ChooserOpen() const;

    // The handlers the program's scenes and tests press directly.
    void Button_STARTClick();
    void Button_goClick();
    void Button_contrasteClick();
    void Button_zoomClick();
    void Button1Click();
    void Button_open_fileClick();
    void ListBox1DblClick();
    void SpeedButton_choix_repClick();

    /// A message box that never waits for its OK and never outgrows the screen.
    void ShowMessage(const QString& text);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanels();
    void WireController();
    void WireSession();
    void FormActivate();
    void AskDecimalSign();
    void FormKeyUp(int key);
    void FormResize();
    void OnReading(const DisplayTexts& texts);
    void OnRunReset();
    void OnLoaded(const QString& path, bool asAuto, const DisplayTexts& shown, const AutoFileLoad& autoLoad);
    void OnContinued(const OwnRecordingLoad& load);

    SystemClock clock_;
    RunController* controller_ = nullptr;
    SettingsStore* store_ = nullptr;
    MainContext ctx_;
    ConfigurationLink* configuration_ = nullptr;
    StoredFileOpener* opener_ = nullptr;
    bool firstActivation_ = true;
};

}  // namespace sondalog
