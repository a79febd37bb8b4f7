#include "ui/parameters_window/run_options_panel.h"

#include "util/named.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace sondalog {

RunOptionsPanel::RunOptionsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RunOptionsPanel"));
    CheckBox_demo = Named(new QCheckBox(tr("démo"), this), "CheckBox_demo");
    CheckBox_demo->setChecked(true);
    CheckBox_demo_rapide = Named(new QCheckBox(tr("rapide"), this), "CheckBox_demo_rapide");
    CheckBox_demo_rapide->setChecked(true);
    CheckBox_save_sans_confirmation =
        Named(new QCheckBox(tr("save sans confirmation"), this), "CheckBox_save_sans_confirmation");
    CheckBox_save_sans_confirmation->setChecked(true);
    CheckBox_sauve_auto = Named(new QCheckBox(tr("sauvegarde automatique (en  mn)"), this), "CheckBox_sauve_auto");
    CheckBox_sauve_auto->setToolTip(tr("Sauvegarde dans le sous-dossier"));
    Edit_sos_mn = Named(new QLineEdit(QStringLiteral("5"), this), "Edit_sos_mn");

    auto* signGroup = Named(new QGroupBox(tr("signe décimal du fichier d'enregistrement"), this), "RadioGroup_signe_decimal");
    RadioButton_virgule = Named(new QRadioButton(tr("virgule"), signGroup), "RadioButton_virgule");
    RadioButton_point = Named(new QRadioButton(tr("point"), signGroup), "RadioButton_point");
    RadioGroup_signe_decimal = new QButtonGroup(this);
    RadioGroup_signe_decimal->addButton(RadioButton_virgule, 0);
    RadioGroup_signe_decimal->addButton(RadioButton_point, 1);
    RadioButton_virgule->setChecked(true);
    auto* signLayout = new QHBoxLayout(signGroup);
    signLayout->addWidget(RadioButton_virgule);
    signLayout->addWidget(RadioButton_point);
    Label2 = Named(new QLabel(this), "Label2");

    auto* mouseGroup = Named(new QGroupBox(tr("souris"), this), "RadioGroup_souris");
    RadioGroup_souris = new QButtonGroup(this);
    auto* mouseLayout = new QHBoxLayout(mouseGroup);
    const QStringList mouseItems = {tr("habituelle"), tr("guidée"), tr("saut")};
    for (int i = 0; i < mouseItems.size(); ++i) {
        auto* b = new QRadioButton(mouseItems[i], mouseGroup);
        b->setObjectName(QStringLiteral("RadioGroup_souris_%1").arg(i));
        RadioGroup_souris->addButton(b, i);
        mouseLayout->addWidget(b);
    }
    RadioGroup_souris->button(0)->setChecked(true);
    Label_ecran = Named(new QLabel(this), "Label_ecran");

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(CheckBox_demo, CheckBox_demo_rapide);
    form->addRow(CheckBox_save_sans_confirmation);
    form->addRow(CheckBox_sauve_auto, Edit_sos_mn);
    form->addRow(signGroup);
    form->addRow(Label2);
    form->addRow(mouseGroup);
    form->addRow(Label_ecran);
}

}  // namespace sondalog
