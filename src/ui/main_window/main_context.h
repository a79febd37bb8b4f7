#pragma once
// What the main window's panels share: the run controller, the settings store, the other windows,
// the other panels, and the shell's services (questions, messages, the editor), which tests replace
// on the window and the panels reach through here.

#include "app/run_controller.h"
#include "app/settings_store.h"
#include "util/messages.h"
#include "util/regional.h"

#include <QString>

#include <functional>

namespace sondalog {

class AnalysisPanel;
class ChartsWindow;
class FiguresPanel;
class MessageQueue;
class ParametersWindow;
class QuestionPanel;
class RecordListPanel;
class RecordingPanel;
class RunPanel;
class StoredFileOpener;
class ViewPanel;

struct MainContext {
    RunController* controller = nullptr;
    SettingsStore* store = nullptr;
    ParametersWindow* params = nullptr;
    ChartsWindow* charts = nullptr;
    Regional regional;

    RunPanel* runPanel = nullptr;
    FiguresPanel* figures = nullptr;
    ViewPanel* view = nullptr;
    RecordingPanel* recording = nullptr;
    RecordListPanel* records = nullptr;
    AnalysisPanel* analysis = nullptr;
    QuestionPanel* question = nullptr;
    MessageQueue* messages = nullptr;
    StoredFileOpener* opener = nullptr;

    Confirm confirm;
    InfoSink info;
    std::function<void(const QString& folder, const QString& fileName)> openEditor;
    /// The graph drawn again from the run.
    std::function<void()> redraw;
    /// The table applied to the axes and captions (after an edit or a load).
    std::function<void()> applyTable;
    /// The settings written at once (a crash keeps them).
    std::function<void()> settingsChanged;

    ReadingRun& run() const { return controller->run(); }
};

}  // namespace sondalog
