#include "ui/parameters_window/reading_mode_panel.h"

#include "util/named.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sondalog {

ReadingModePanel::ReadingModePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReadingModePanel"));
    GroupBox_lectureRS232 = Named(new QGroupBox(tr("lecture RS232"), this), "GroupBox_lectureRS232");
    RadioButton_car_par_car = Named(new QRadioButton(tr("caractère par caractère"), GroupBox_lectureRS232),
                                    "RadioButton_car_par_car");
    RadioButton_par_chaine_CSV = Named(
        new QRadioButton(tr("par chaîne de caractères et CSV"), GroupBox_lectureRS232), "RadioButton_par_chaine_CSV");
    RadioButton_car_par_car->setChecked(true);
    Label3 = Named(new QLabel(tr("TIMEOUTS"), GroupBox_lectureRS232), "Label3");
    Edit_timeouts = Named(new QLineEdit(QStringLiteral("500"), GroupBox_lectureRS232), "Edit_timeouts");
    Edit_timeouts->setToolTip(tr("valeur à modifier en cas de bloquage (par chaîne de caractères)"));
    CheckBox_DTR = Named(new QCheckBox(tr("DTR"), this), "CheckBox_DTR");
    CheckBox_RTS = Named(new QCheckBox(tr("RTS"), this), "CheckBox_RTS");
    CheckBox_RTS->setToolTip(tr("nécessaire pour les anciens 340i"));
    CheckBox_lecture_sans_traitement = Named(new QCheckBox(tr("lecture sans traitement (pour les tests)"), this),
                                             "CheckBox_lecture_sans_traitement");
    CheckBox_lecture_sans_traitement->setToolTip(tr("les lignes reçues sont affichées sans être décodées"));
    Label_nlecture = Named(new QLabel(QStringLiteral("0"), this), "Label_nlecture");
    Label_n = Named(new QLabel(QString(), this), "Label_n");

    auto* mode = new QVBoxLayout(GroupBox_lectureRS232);
    mode->addWidget(RadioButton_car_par_car);
    mode->addWidget(RadioButton_par_chaine_CSV);
    auto* timeouts = new QHBoxLayout;
    timeouts->addWidget(Label3);
    timeouts->addWidget(Edit_timeouts);
    mode->addLayout(timeouts);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(GroupBox_lectureRS232);
    form->addRow(CheckBox_DTR, CheckBox_RTS);
    form->addRow(CheckBox_lecture_sans_traitement);
    form->addRow(tr("lectures :"), Label_nlecture);
    form->addRow(tr("n :"), Label_n);
    for (QRadioButton* b : {RadioButton_car_par_car, RadioButton_par_chaine_CSV}) {
        connect(b, &QRadioButton::clicked, this, [this] { SetReadMode(RadioButton_par_chaine_CSV->isChecked() ? 1 : 0); });
    }
}

void ReadingModePanel::SetReadMode(int mode)
{
    readMode_ = mode;
    (mode == 1 ? RadioButton_par_chaine_CSV : RadioButton_car_par_car)->setChecked(true);
    // The time-outs only matter when reading whole lines.
    Edit_timeouts->setVisible(mode == 1);
    Label3->setVisible(mode == 1);
    emit readModeChanged(mode);  // the radio buttons told before the mode was taken
}

}  // namespace sondalog
