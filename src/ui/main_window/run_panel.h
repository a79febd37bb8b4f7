#pragma once
// The buttons that drive a run (test COM, Start, Go, Stop + save, exit + save) with the questions
// each asks, and the row they stand in: open, demonstration, instrument, parameters, charts, help.
// The orderings are the run controller's; this panel asks, shows and forwards.

#include "recording/recording_writer.h"
#include "ui/main_window/main_context.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace sondalog {

/// The exit question (F12, "exit + save", the close box): what "exit" does before the program ends.
inline const char* const kExitQuestion =
    QT_TRANSLATE_NOOP("sondalog::Messages", "\nQuitter Sondalog ?\n\nLes mesures non enregistrées, les paramètres et le tableau sont "
                   "enregistrés avant la fin.\n[Échap] ou « annuler » : rester.\n");

class RunPanel : public QWidget {
    Q_OBJECT
public:
    RunPanel(MainContext& context, QWidget* parent);

    QPushButton* Button_test_com = nullptr;
    QPushButton* Button_START = nullptr;
    QPushButton* Button_stop = nullptr;
    QPushButton* Button_exit_ = nullptr;
    QPushButton* Button_open_file = nullptr;
    QCheckBox* CheckBox_demo = nullptr;
    QLabel* Label_multimetre = nullptr;
    QLabel* Label_config = nullptr;
    QPushButton* Button_enreg_param = nullptr;
    QPushButton* Button_parametres = nullptr;
    QPushButton* Button1 = nullptr;  ///< the charts window
    QToolButton* SpeedButton_aide = nullptr;
    QFrame* Panel_message = nullptr;  ///< the session's messages, over the window until clicked
    QLabel* Label21 = nullptr;

    /// The program's end (tests replace it).
    std::function<void(int code)> endProcess;
    /// The settings and the table written before the exit; the failures.
    std::function<QStringList()> saveConfiguration;

    void Button_test_comClick();
    void Button_STARTClick();
    /// Why the active instrument cannot run (a fluorometer without a calibration that converts), or nothing.
    QString InstrumentRefusal();
    void Button_goClick();
    void Button_stopClick();
    void Button_exit_Click();
    void SpeedButton_questionClick();
    /// The parameters window's "Open COM": the open sequence and a run, without resetting.
    void OpenAndRead();

    /// The exit ran to its end: the window may close.
    bool exitFinished() const { return exitFinished_; }
    /// The session said something over the window.
    void ShowSessionMessage(const QString& text);
    /// The run ended by itself (a link test's port closed).
    void OnRunFinished();
    void OnStateChanged(RunState state);
    /// A recording loaded to be continued: Start continues it.
    void ShowContinued();
    /// The recording written by a save (not a backup): the report, or the failure said.
    void ShowSave(const SaveResult& result, bool autoSaving);
    /// The chooser closed: the focus goes to the button the operator needs next.
    void FocusNextButton(bool validated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The session settings and configuration Start and "Open COM" open the link with.
    LinkRequest MakeLinkRequest();
    void BaselineMessage();
    void ExitSequence();

    MainContext& ctx_;
    bool exitFinished_ = false;
    bool quietFailures_ = false;  ///< the exit gathers the failures into one message
};

}  // namespace sondalog
