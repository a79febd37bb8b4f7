#pragma once
// The parameters window's serial reading: character by character or by string and CSV (with its
// time-outs), DTR and RTS, reading without processing, and the counts of lines and readings.

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace sondalog {

class ReadingModePanel : public QWidget {
    Q_OBJECT
public:
    explicit ReadingModePanel(QWidget* parent);

    QGroupBox* GroupBox_lectureRS232 = nullptr;
    QRadioButton* RadioButton_car_par_car = nullptr;
    QRadioButton* RadioButton_par_chaine_CSV = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit_timeouts = nullptr;
    QCheckBox* CheckBox_DTR = nullptr;
    QCheckBox* CheckBox_RTS = nullptr;
    QCheckBox* CheckBox_lecture_sans_traitement = nullptr;
    QLabel* Label_nlecture = nullptr;
    QLabel* Label_n = nullptr;

    /// 0 character by character, 1 by string and CSV.
    int ReadMode() const { return readMode_; }
    void SetReadMode(int mode);

signals:
    /// The mode was taken (after its radio buttons told their change).
    void readModeChanged(int mode);

private:
    int readMode_ = 0;
};

}  // namespace sondalog
