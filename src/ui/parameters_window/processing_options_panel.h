#pragma once
// The parameters window's processing options: the decimals of quantity 1, the t0 message, the area
// factor, the text editor, the three-probe instrument with its markers and its last quantity.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sondalog {

class ProcessingOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProcessingOptionsPanel(QWidget* parent);

    QLabel* Label10 = nullptr;
    QLineEdit* Edit_nb_decimale_1 = nullptr;
    QLineEdit* Edit_start_inject = nullptr;
    QLineEdit* Edit_facteur = nullptr;
    QLineEdit* Edit_nom_blocnote = nullptr;
    QCheckBox* CheckBox_ph_ox_3sondes = nullptr;
    QPushButton* Button5 = nullptr;  ///< the charts window
    QLineEdit* Edit_pH = nullptr;
    QLineEdit* Edit_ox = nullptr;
    QComboBox* ComboBox_cond_ph_ox = nullptr;
};

}  // namespace sondalog
