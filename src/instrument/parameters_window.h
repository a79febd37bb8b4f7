#pragma once
// TForm2, "P A R A M E T R E S": the instrument table, the serial and run options, the raw lines
// and the record list. It holds controls and forwards their events; the logic is in the core.

#include "app/settings.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"

#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

namespace sondalog {

class ParametersWindow : public QWidget {
    Q_OBJECT
public:
    explicit ParametersWindow(QWidget* parent = nullptr);

    InstrumentTable table;

    /// Shows the table in the grid (after a load).
    void ShowTable();
    /// The settings held by this window's controls, over `base` (the main window's part).
    Settings ReadSettings(Settings base) const;
    /// Puts the settings into this window's controls.
    void ShowSettings(const Settings& s);
    int ReadMode() const;
    void SetReadMode(int mode);
    void SetDemo(bool on);

    QTableWidget* stringgrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
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

    /// The table was edited and applied (Enter, focus leaving the grid, "X ").
    std::function<void()> onTableApplied;
    /// The demonstration box changed.
    std::function<void(bool)> onDemoChanged;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnCellChanged(int row, int column);
    void RadioButton_car_par_carClick();

    int readMode_ = 0;
    bool showingTable_ = false;
};

}  // namespace sondalog
