#include "ui/parameters_window/tracer_inputs_group.h"

#include "util/named.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sondalog {

namespace {
QString Text(std::optional<double> v)
{
    return v ? QString::number(*v, 'g', 10).replace(u'.', u',') : QString();
}
}  // namespace

TracerInputsGroup::TracerInputsGroup(QWidget* parent) : QGroupBox(tr("analyse du traçage"), parent)
{
    setObjectName(QStringLiteral("GroupBox_tracage"));
    Edit_distance = Named(new QLineEdit(this), "Edit_distance");
    Edit_masse = Named(new QLineEdit(this), "Edit_masse");
    Edit_debit = Named(new QLineEdit(this), "Edit_debit");
    Edit_k = Named(new QLineEdit(this), "Edit_k");
    Edit_etalons = Named(new QLineEdit(this), "Edit_etalons");
    Edit_fichier_debit = Named(new QLineEdit(this), "Edit_fichier_debit");
    Edit_fichier_debit->setToolTip(tr("débit variable : fichier de lignes « date-heure;L/s » ou « heures depuis "
                                                  "t0;L/s » (vide : le débit ci-dessus, constant)"));
    Label_k = Named(new QLabel(this), "Label_k");
    Edit_distance->setToolTip(tr("distance du point d'injection au point de mesure, en m"));
    Edit_masse->setToolTip(tr("masse de sel injectée, en kg"));
    Edit_debit->setToolTip(tr("débit au point de mesure, en L/s (constant pendant l'essai)"));
    Edit_k->setToolTip(tr("concentration en mg/L par µS/cm (0,5 pour NaCl à 25 °C)"));
    Edit_etalons->setToolTip(tr("étalons concentration:conductivité séparés par ; (ex. 100:210;200:415) : "
                                            "la pente de leur droite donne le facteur"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("distance (m)"), Edit_distance);
    form->addRow(tr("masse injectée (kg)"), Edit_masse);
    form->addRow(tr("débit (L/s)"), Edit_debit);
    form->addRow(tr("fichier de débit"), Edit_fichier_debit);
    form->addRow(tr("k (mg/L par µS/cm)"), Edit_k);
    form->addRow(tr("étalons"), Edit_etalons);
    form->addRow(Label_k);
    Button_etalonnage = Named(new QPushButton(tr("étalonnage du fluorimètre…"), this), "Button_etalonnage");
    Button_etalonnage->setToolTip(tr("traçage aux colorants : eau, étalons de chaque traceur, turbidité, "
                                                 "corrections ; importer le fichier de constantes de l'instrument"));
    form->addRow(Button_etalonnage);
    for (QLineEdit* e : {Edit_distance, Edit_masse, Edit_debit, Edit_fichier_debit, Edit_k, Edit_etalons}) {
        connect(e, &QLineEdit::editingFinished, this, [this] {
            ShowFactorInUse();
            if (onChanged) {
                onChanged();
            }
        });
    }
}

void TracerInputsGroup::Show(const TracerSettings& s)
{
    Edit_distance->setText(Text(s.inputs.distance));
    Edit_masse->setText(Text(s.inputs.mass));
    Edit_debit->setText(Text(s.inputs.discharge));
    Edit_k->setText(Text(s.inputs.factor));
    QStringList standards;
    for (const auto& [c, g] : s.standards) {
        standards << Text(c) + u':' + Text(g);
    }
    Edit_etalons->setText(standards.join(u';'));
    Edit_fichier_debit->setText(s.dischargeFile);
    ShowFactorInUse();
}

TracerSettings TracerInputsGroup::Read() const
{
    TracerSettings s;
    s.inputs.distance = OptionalNumber(Edit_distance->text());
    s.inputs.mass = OptionalNumber(Edit_masse->text());
    s.inputs.discharge = OptionalNumber(Edit_debit->text());
    if (const std::optional<double> k = OptionalNumber(Edit_k->text()); k && *k > 0) {
        s.inputs.factor = *k;
    }
    for (const QString& pair : Edit_etalons->text().split(u';', Qt::SkipEmptyParts)) {
        const std::optional<double> c = OptionalNumber(pair.section(u':', 0, 0));
        const std::optional<double> g = OptionalNumber(pair.section(u':', 1, 1));
        if (c && g) {
            s.standards.emplace_back(*c, *g);
        }
    }
    s.dischargeFile = Edit_fichier_debit->text().trimmed();
    ReadDischargeFile(s);
    return s;
}

void TracerInputsGroup::ShowFactorInUse()
{
    const TracerSettings s = Read();
    const std::optional<double> fromStandards = FactorFromStandards(s.standards);
    Label_k->setText((fromStandards ? tr("k des étalons = ") + Text(*fromStandards)
                                    : tr("k utilisé = ") + Text(s.inputs.factor)) +
                     (s.dischargeError.isEmpty() ? QString() : u'\n' + s.dischargeError));
}

}  // namespace sondalog
