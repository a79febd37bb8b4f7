#pragma once
// TForm1, the main window: a shell that places its panels (run buttons, figures, axes and graph,
// recording, record list, analysis, question) and wires them to the run controller and the settings
// store. What a panel shows and does is in its own file.

#include "app/config_paths.h"
#include "ui/main_window/main_context.h"
#include "util/clock.h"
#include "util/regional.h"

#include <QColor>
#include <QMainWindow>

#include <functional>
#include <optional>

namespace sondalog {

class ConfigurationLink;
class RunDisplay;

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
    /// The panels, the controller and the store, as the shell placed and wired them.
    MainContext& panels() { return ctx_; }
    const MainContext& panels() const { return ctx_; }

    /// "open", with the window's answers to its questions.
    void Button_open_fileClick();

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
    void FormActivate();
    void FormKeyUp(int key);

    SystemClock clock_;
    RunController* controller_ = nullptr;
    SettingsStore* store_ = nullptr;
    MainContext ctx_;
    ConfigurationLink* configuration_ = nullptr;
    RunDisplay* display_ = nullptr;
    bool firstActivation_ = true;
};

}  // namespace sondalog
