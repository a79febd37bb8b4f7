#pragma once
// "analyse du traçage": what the hydrogeologist tells about the test — distance, mass injected,
// discharge, and the conversion of conductivity to concentration (a factor, or standards).

#include "analysis/tracer_inputs_file.h"

#include <QGroupBox>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sondalog {

class TracerInputsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TracerInputsGroup(QWidget* parent);

    void Show(const TracerSettings& settings);
    TracerSettings Read() const;

    QLineEdit* Edit_distance = nullptr;
    QLineEdit* Edit_masse = nullptr;
    QLineEdit* Edit_debit = nullptr;
    QLineEdit* Edit_k = nullptr;
    QLineEdit* Edit_etalons = nullptr;
    QLineEdit* Edit_fichier_debit = nullptr;  ///< a discharge that varied, beside Q
    QLabel* Label_k = nullptr;  ///< the factor in use (from the standards when they give one)
    QPushButton* Button_etalonnage = nullptr;  ///< a fluorometer's calibration and corrections

    /// An input was changed and left (or Enter pressed).
    std::function<void()> onChanged;

private:
    void ShowFactorInUse();
};

}  // namespace sondalog
