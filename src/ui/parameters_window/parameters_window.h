#pragma once
// TForm2, "P A R A M E T R E S": the instrument table, the serial and run options, the raw lines
// and the record list. It holds controls and forwards their events; the logic is in the core.

#include "app/settings.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "instrument/instrument_table_model.h"
#include "serial/port_discovery.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMouseEvent;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace sondalog {

class ChoicePanel;
class ProcessingOptionsPanel;
class ReadingModePanel;
class RunOptionsPanel;
class TracerInputsGroup;
class PortProber;
class TableCellDelegate;

class ParametersWindow : public QWidget {
    Q_OBJECT
public:
    /// `table` is the settings store's: the window edits it in place.
    ParametersWindow(InstrumentTable& table, QWidget* parent = nullptr);
    ~ParametersWindow() override;

    InstrumentTable& table;

    /// Shows the table in the grid (after a load).
    void ShowTable();
    /// The settings held by this window's controls, over `base` (the main window's part).
    Settings ReadSettings(Settings base) const;
    /// Puts the settings into this window's controls.
    void ShowSettings(const Settings& s);
    int ReadMode() const;
    void SetReadMode(int mode);
    void SetDemo(bool on);

    /// The first row of the active pair, kept by the main window as the table is applied.
    int activeRow = 1;

    // The grid's editing aids.
    void stringgrid1DblClick();
    void Button_validerClick();
    void Button_annulerClick();
    /// Makes (row, column) the grid's current cell.
    void SetCurrentCell(int row, int column);

    // Finding the port.
    void Button1Click();       ///< "liste COMx"
    void SpeedButton1Click();  ///< "NEW"
    bool IsProbing() const;
    /// Tests replace the way ports are tried and listed.
    void SetPortProbe(PortProbe probe, int limitMs);

    QTableView* stringgrid1 = nullptr;  ///< a view of the store's instrument table
    InstrumentTableModel* tableModel = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QListView* Memo2 = nullptr;  ///< the record list, a view of the main window's model
    QLabel* Label_nlecture = nullptr;
    QLabel* Label_n = nullptr;
    QLabel* Label_config = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button_openCOM_read = nullptr;
    QPushButton* Button_close_COM = nullptr;
    QPushButton* Button_enreg_param = nullptr;
    QPushButton* Button_charger_param = nullptr;
    QPushButton* Button_exemple = nullptr;
    QToolButton* SpeedButton_question_close = nullptr;
    QToolButton* SpeedButton_aide = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button2 = nullptr;
    QCheckBox* CheckBox_demo = nullptr;
    QCheckBox* CheckBox_demo_rapide = nullptr;
    QCheckBox* CheckBox_save_sans_confirmation = nullptr;
    QCheckBox* CheckBox_sauve_auto = nullptr;
    QLineEdit* Edit_sos_mn = nullptr;
    QRadioButton* RadioButton_virgule = nullptr;
    QRadioButton* RadioButton_point = nullptr;
    QButtonGroup* RadioGroup_signe_decimal = nullptr;
    QButtonGroup* RadioGroup_souris = nullptr;
    QRadioButton* RadioButton_car_par_car = nullptr;
    QRadioButton* RadioButton_par_chaine_CSV = nullptr;
    QLineEdit* Edit_timeouts = nullptr;
    QCheckBox* CheckBox_DTR = nullptr;
    QCheckBox* CheckBox_RTS = nullptr;
    QCheckBox* CheckBox_lecture_sans_traitement = nullptr;
    QLineEdit* Edit_nom_blocnote = nullptr;
    QLineEdit* Edit_nb_decimale_1 = nullptr;
    QLineEdit* Edit_start_inject = nullptr;
    QLineEdit* Edit_facteur = nullptr;
    QCheckBox* CheckBox_ph_ox_3sondes = nullptr;
    QLineEdit* Edit_pH = nullptr;
    QLineEdit* Edit_ox = nullptr;
    QComboBox* ComboBox_cond_ph_ox = nullptr;
    QLabel* Panel_aide = nullptr;
    ChoicePanel* Panel_choix = nullptr;
    QComboBox* ComboBox1 = nullptr;  ///< the choice panel's list
    QLabel* Label_choix = nullptr;
    QLabel* Label_ecran = nullptr;
    QLabel* Label10 = nullptr;
    QGroupBox* GroupBox_lectureRS232 = nullptr;
    QPushButton* Button1 = nullptr;      ///< "liste COMx"
    QToolButton* SpeedButton1 = nullptr; ///< "NEW"
    QPushButton* Button5 = nullptr;      ///< the charts window
    TracerInputsGroup* GroupBox_tracage = nullptr;

    /// The table was edited and applied (Enter, focus leaving the grid, "X ").
    std::function<void()> onTableApplied;
    /// The demonstration box changed.
    std::function<void(bool)> onDemoChanged;
    /// "actif" moved to another pair (its first row).
    std::function<void(int row)> onActiveRowChanged;
    /// A cell the port description is made of changed.
    std::function<void()> onDescriptionChanged;
    /// The three-probe box changed.
    std::function<void(bool)> onThreeProbesChanged;
    /// Edit_facteur changed.
    std::function<void(const QString&)> onFactorChanged;
    /// The window was activated: the main window's demonstration box, copied here.
    std::function<bool()> mainDemo;
    /// The raw-lines log (both windows' memos, 100 lines at most each).
    std::function<void(const QString&)> logLine;
    /// The ports a running acquisition holds: reported busy, never opened.
    std::function<QStringList()> portsInUse;
    /// The ports the system knows, in a stable order.
    std::function<QStringList()> systemPorts;
    /// The main window's working directory (for the automatic backup's hint).
    std::function<QString()> workingDir;
    /// The message dialogs of the port finding (an error dialog when `error`).
    std::function<void(const QString& text, bool error)> showDialog;
    /// The colour dialog: the colour chosen, nothing when cancelled.
    std::function<std::optional<QColor>(const QColor& preset)> pickColour;

signals:
    /// A setting's control changed (a box, a check box, a choice): ReadSettings has the new value.
    void settingsEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* content_ = nullptr;  ///< everything but the frame, in a scroll area
    void BuildControls();
    void BuildPanels();
    void WireControls();
    void BuildLayout();
    void WireGrid();
    void WireHints();
    void OnCellChanged();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void OnEditorCreated(QWidget* editor, int column);
    bool CloseCellEditor(bool keepText);
    void RadioButton_car_par_carClick();
    void ApplyTable();
    void DescriptionChanged();
    void ShowHint(const QString& text);
    QString HintOf(QObject* control) const;
    void FinishPortListing(const QStringList& names, const QList<bool>& opened);
    void FinishComTest(const QStringList& ports, const QString& speedCell, const QList<bool>& opened);
    void SetProbing(bool on);

    RunOptionsPanel* runOptions_ = nullptr;
    ReadingModePanel* readingMode_ = nullptr;
    ProcessingOptionsPanel* processingOptions_ = nullptr;
    TableCellDelegate* delegate_ = nullptr;
    QPointer<QWidget> editor_;
    PortProber* prober_ = nullptr;
    int probeLimitMs_ = 1500;
    /// The controls that feed the explanation strip, and what each one shows there.
    QHash<QObject*, std::function<QString()>> hints_;
    enum class Probing { None, ComTest, Listing };
    Probing probing_ = Probing::None;
    QStringList comTestPorts_;
    QString comTestSpeed_;
};

}  // namespace sondalog
