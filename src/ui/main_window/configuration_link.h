#pragma once
// The main window's side of the configuration: the parameter file loaded and saved, the instrument
// table applied to the axes and captions, the settings loaded into the panels and written as they
// change, and the parameters window's buttons and choices wired to the run.

#include "ui/main_window/main_context.h"

#include <QObject>
#include <QStringList>

namespace sondalog {

class ConfigurationLink : public QObject {
    Q_OBJECT
public:
    ConfigurationLink(MainContext& context, QObject* parent);

    /// The parameters window's buttons and choices wired to the store, the panels and the run.
    void WireParameters();
    /// The table read at start (a missing one made from the example).
    void LoadParameterFile();
    /// The table applied: configuration, captions, colours, the axes when they are new to the graph.
    void ApplyTable();
    /// The settings file read into the store and shown by the panels.
    void LoadSettings();
    /// Writes the settings file now; false when it could not be written.
    bool SaveSettingsNow();
    /// A setting changed: the settings file is written at once (a crash keeps the port, the mode and the folder).
    void SettingsChanged();
    /// The settings and the changed table written before the exit: the failures.
    QStringList SaveBeforeExit();

    /// The first activation's question when the recordings' decimal sign is not the PC's (asked once answered no more).
    void AskDecimalSign();

    void Button_enreg_paramClick();
    void CheckBox_demoClick();
    void Button_parametresClick();
    /// "étalonnage du fluorimètre…": the calibration dialog over the parameters window; saved, it is the store's.
    void OpenCalibration();
    /// The charts window, as large as the main window, centred on its screen.
    void Button1Click();

    /// Set once the panels hold the stored settings: changes after it are the user's.
    bool startupDone = false;

private:
    /// The parameter file's buttons: save, load, load the example.
    void WireTableButtons();

    MainContext& ctx_;
    QStringList appliedTableAxes_;  ///< the table's axis texts last applied to the graph
};

}  // namespace sondalog
