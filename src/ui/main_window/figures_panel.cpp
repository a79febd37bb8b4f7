#include "ui/main_window/figures_panel.h"

#include "util/named.h"

#include <QHBoxLayout>
#include <QLabel>

namespace sondalog {

FiguresPanel::FiguresPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FiguresPanel"));
    auto label = [this](const char* name, const QString& text) { return Named(new QLabel(text, this), name); };
    Label_n = label("Label_n", QStringLiteral("n = "));
    Label_nmax_nf = label("Label_nmax_nf", QString());
    Label_nmax_nf->hide();
    Label_heure = label("Label_heure", QString());
    Label15 = label("Label15", tr("durée traçage"));
    Label_tracage = label("Label_tracage", QStringLiteral("---"));
    Label_grandeur1 = label("Label_grandeur1", QString());
    Label_val_grand1 = label("Label_val_grand1", QString());
    Label_multiple_initial = label("Label_multiple_initial", QString());
    Label_multiple_courant = label("Label_multiple_courant", QString());
    Label_grand2 = label("Label_grand2", QString());
    Label_val_grand2 = label("Label_val_grand2", QString());
    Label7 = label("Label7", QString());
    Label7->hide();
    QFont value = Label_val_grand1->font();
    value.setPointSize(value.pointSize() + 8);
    value.setBold(true);
    Label_val_grand1->setFont(value);
    Label_val_grand2->setFont(value);
    Label_n->setFont(value);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{Label_n, Label_nmax_nf, Label_grandeur1, Label_val_grand1,
                                                     Label_multiple_initial, Label_multiple_courant, Label_grand2,
                                                     Label_val_grand2, Label15, Label_tracage, Label_heure, Label7}) {
        row->addWidget(w);
        row->addSpacing(12);
    }
    row->addStretch();
}

void FiguresPanel::Clear()
{
    for (QLabel* label : {Label_n, Label_val_grand1, Label_val_grand2, Label_tracage, Label_heure}) {
        label->clear();
    }
}

}  // namespace sondalog
