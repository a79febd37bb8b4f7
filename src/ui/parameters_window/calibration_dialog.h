#pragma once
// "étalonnage du fluorimètre": the water blank, 1 to 3 tracers with their lamp and standards, the
// turbidity standards and the corrections, typed or imported from the instrument's constants file;
// saved into the configuration folder's calibration file once it converts.

#include "fluorometer/calibration_form.h"

#include <QDialog>

#include <functional>

class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace sondalog {

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(const FluorometerSetup& setup, const QString& calibrationFile, QWidget* parent);

    /// The constants file to import (a file dialog; tests replace it).
    std::function<QString()> pickConstantsFile;
    /// The setup saved, once "Enregistrer" succeeded.
    const FluorometerSetup& saved() const { return saved_; }

    void Show(const CalibrationForm& form);
    CalibrationForm Read() const;
    /// Imports the instrument's constants file into the boxes (nothing changed, and why, when it cannot).
    void Import(const QString& path);
    /// Checks and writes the file; the dialog closes only when both succeeded.
    void Save();

    QLineEdit* Edit_instrument = nullptr;
    QDateEdit* Date_etalonnage = nullptr;
    QLineEdit* Edit_eau = nullptr;
    QLineEdit* Edit_nom[kMaxTracers] = {};
    QSpinBox* Spin_lampe[kMaxTracers] = {};
    QLineEdit* Edit_etalons[kMaxTracers] = {};
    QLineEdit* Edit_lampes[kMaxTracers] = {};
    QLineEdit* Edit_turbidite = nullptr;
    QDoubleSpinBox* Spin_force_turbidite = nullptr;
    QLineEdit* Edit_temperature = nullptr;
    QLineEdit* Edit_diaphonie = nullptr;
    QLineEdit* Edit_fond = nullptr;
    QLineEdit* Edit_fenetre = nullptr;
    QLabel* Label_etat = nullptr;  ///< what the calibration says, or why it cannot convert

private:
    QString file_;
    FluorometerSetup saved_;
};

}  // namespace sondalog
