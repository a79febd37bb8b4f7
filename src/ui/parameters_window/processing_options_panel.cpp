#include "ui/parameters_window/processing_options_panel.h"

#include "util/named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sondalog {

ProcessingOptionsPanel::ProcessingOptionsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProcessingOptionsPanel"));
    auto edit = [this](const char* name, const QString& text, const QString& hint) {
        auto* e = Named(new QLineEdit(text, this), name);
        e->setToolTip(hint);
        return e;
    };
    Edit_nb_decimale_1 = edit("Edit_nb_decimale_1", QStringLiteral("µ=0;m=3;k=1;F=3"),
                              tr("nombre de décimales pour la grandeur1 Ex:µ=0;m=3;k=1;F=3   (F=> fichier de sortie)  "));
    Edit_start_inject = edit("Edit_start_inject", tr("traçage => t0"),
                             tr("message affiché pour marquer le début du traçage (t0)"));
    Edit_facteur = edit("Edit_facteur", QStringLiteral("1.02"), tr("  facteur multiplicatif pour le calcul de l'aire   "));
    Edit_nom_blocnote = edit("Edit_nom_blocnote", tr("notepad.exe"), tr("notepad.exe ou notepad++.exe"));
    Edit_pH = edit("Edit_pH", tr("pH"), tr("repère de la valeur du pH dans les lignes reçues"));
    Edit_ox = edit("Edit_ox", tr("Ox"), tr("repère de la valeur de l'oxygène dissous dans les lignes reçues"));
    CheckBox_ph_ox_3sondes = Named(new QCheckBox(tr("3 sondes : Cond, T°C, pH et Ox"), this), "CheckBox_ph_ox_3sondes");
    CheckBox_ph_ox_3sondes->setToolTip(tr("multimètre à 3 sondes : conductivité, température, pH et "
                                                      "oxygène dissous"));
    ComboBox_cond_ph_ox = Named(new QComboBox(this), "ComboBox_cond_ph_ox");
    ComboBox_cond_ph_ox->addItems({QStringLiteral("Cond"), QStringLiteral("pH"), QStringLiteral("Ox")});
    ComboBox_cond_ph_ox->setEditable(true);
    ComboBox_cond_ph_ox->setToolTip(tr("pour que les 4 grandeurs soient du même pas de temps"));
    Label10 = Named(new QLabel(tr("décimales"), this), "Label10");
    Label10->setToolTip(Edit_nb_decimale_1->toolTip());
    Button5 = Named(new QPushButton(tr("Graphique 2,3 sondes sur WTW3430"), this), "Button5");
    Button5->setToolTip(tr("conductivité, température, pH et oxygène sur quatre graphiques"));
    Button5->setEnabled(false);
    connect(CheckBox_ph_ox_3sondes, &QCheckBox::toggled, Button5, &QPushButton::setEnabled);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(Label10, Edit_nb_decimale_1);
    form->addRow(tr("message t0"), Edit_start_inject);
    form->addRow(tr("facteur aire"), Edit_facteur);
    form->addRow(tr("éditeur de texte"), Edit_nom_blocnote);
    form->addRow(CheckBox_ph_ox_3sondes, Button5);
    form->addRow(tr("repère pH"), Edit_pH);
    form->addRow(tr("repère Ox"), Edit_ox);
    form->addRow(tr("dernière grandeur du bloc"), ComboBox_cond_ph_ox);
}

}  // namespace sondalog
