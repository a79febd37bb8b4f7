#pragma once
// The parameters window's run options: demonstration, saves (without confirmation, automatic backup),
// the recordings' decimal sign, the mouse guidance, the screen's resolution.

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace sondalog {

class RunOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit RunOptionsPanel(QWidget* parent);

    QCheckBox* CheckBox_demo = nullptr;
    QCheckBox* CheckBox_demo_rapide = nullptr;
    QCheckBox* CheckBox_save_sans_confirmation = nullptr;
    QCheckBox* CheckBox_sauve_auto = nullptr;
    QLineEdit* Edit_sos_mn = nullptr;
    QRadioButton* RadioButton_virgule = nullptr;
    QRadioButton* RadioButton_point = nullptr;
    QButtonGroup* RadioGroup_signe_decimal = nullptr;
    QButtonGroup* RadioGroup_souris = nullptr;
    QLabel* Label2 = nullptr;       ///< the PC's decimal sign
    QLabel* Label_ecran = nullptr;  ///< the screen's resolution
};

}  // namespace sondalog
