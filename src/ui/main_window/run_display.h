#pragma once
// What the run shows as it goes: the session's readings, log lines and link notes written into the
// panels, a new run's screen cleared, a recording continued or a file opened shown.

#include "ui/main_window/main_context.h"

#include <QObject>

class QWidget;

namespace sondalog {

inline const QString kLinkTestCaption = QStringLiteral("test COM : ");

class RunDisplay : public QObject {
    Q_OBJECT
public:
    /// `area` holds the captions processing names (the main window's central widget).
    RunDisplay(MainContext& context, QWidget* area);

    /// The session's signals wired to the panels.
    void WireSession();
    /// A reading's captions, by the names processing gives them.
    void OnReading(const DisplayTexts& texts);
    /// The controller said a new run: the previous run's figures leave the screen.
    void OnRunReset();
    /// A recording loaded to be continued: its figures, instrument and name.
    void OnContinued(const OwnRecordingLoad& load);
    /// A stored file became the run.
    void OnLoaded(const QString& path, bool asAuto, const DisplayTexts& shown, const AutoFileLoad& autoLoad);

private:
    MainContext& ctx_;
    QWidget* area_;
};

}  // namespace sondalog
