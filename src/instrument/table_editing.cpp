#include "instrument/table_editing.h"

#include "instrument/instrument_config.h"
#include "instrument/instrument_table_model.h"
#include "util/text_utils.h"

#include <QCoreApplication>
#include <QHash>

namespace sondalog {

namespace {
bool IsFirstRowOfPair(int row)
{
    return row >= 1 && row % 2 == 1;
}
}  // namespace

QStringList ChoiceList(const QString& commaSeparated)
{
    QStringList list;
    const int count = static_cast<int>(commaSeparated.count(u',')) + 1;
    for (int i = 1; i <= count; ++i) {
        list << FieldText(commaSeparated, i, u',');
    }
    return list;
}

DoubleClickPlan PlanDoubleClick(const InstrumentTable& table, int column, int row)
{
    DoubleClickPlan plan;
    if (column < 0 || column >= table.ColumnCount() || row < 0 || row >= table.RowCount()) {
        return plan;
    }
    const QString header = table.Header(column).trimmed();
    plan.title = QCoreApplication::translate("sondalog::ColumnHint", "choix ") + ShownHeader(table.Header(column));
    if (row == 0) {
        return plan;  // the header row holds no value to choose
    }
    if (header == col::actif && IsFirstRowOfPair(row)) {
        plan.choice = CellChoice::MarkActive;
        plan.rebuildDescription = true;
    } else if (header == col::comx && IsFirstRowOfPair(row)) {
        plan.choice = CellChoice::KeptList;
        plan.rebuildDescription = true;
    } else if (header == col::vitesse && IsFirstRowOfPair(row)) {
        plan.choice = CellChoice::NewList;
        plan.list = ChoiceList(kSpeedChoices);
        plan.rebuildDescription = true;
    } else if (header == col::separateur) {
        plan.choice = CellChoice::NewList;
        plan.list = ChoiceList(kSeparatorChoices);
        plan.rebuildDescription = true;
    } else if (header == col::couleur) {
        plan.choice = CellChoice::Colour;
    }
    return plan;
}

void MarkActiveRow(InstrumentTable& table, int row)
{
    const int actif = table.ColumnByName(col::actif);
    if (actif < 0 || row < 1 || row >= table.RowCount()) {
        return;
    }
    for (int r = 1; r < table.RowCount(); ++r) {
        table.SetCell(actif, r, QString());
    }
    table.SetCell(actif, row, QStringLiteral("x"));
}

QString ColourCellText(Rgb colour)
{
    return RgbText(colour);
}

CellPaint PaintOfCell(const InstrumentTable& table, int column, int row)
{
    CellPaint p;
    if (column < 0 || column >= table.ColumnCount() || row < 0 || row >= table.RowCount()) {
        return p;
    }
    const QString header = table.Header(column).trimmed();
    if (row == 0) {
        if (header == col::actif || header == col::comx || header == col::vitesse || header == col::couleur ||
            header == col::separateur) {
            p.kind = CellPaint::Kind::ChoiceHeader;
            p.fill = kChoiceHeaderFill;
            p.text = kHighlightText;
            p.bold = true;
        }
        return p;
    }
    if (header == col::couleur) {
        p.kind = CellPaint::Kind::ColourFill;
        p.fill = ColourFromCell(table.Cell(column, row));
        p.drawText = false;
        return p;
    }
    const int actif = table.ColumnByName(col::actif);
    const int intervalle = table.ColumnByName(col::intervalle);
    if (row % 2 == 0 && actif >= 0 && column >= actif && column <= intervalle) {
        p.kind = CellPaint::Kind::Unused;
        p.fill = kUnusedFill;
        p.drawText = false;
        return p;
    }
    if (actif >= 0 && table.Cell(actif, row) == QLatin1String("x")) {
        p.kind = CellPaint::Kind::ActivePair;
        p.fill = kActiveFill;
        p.text = kHighlightText;
    }
    return p;
}

bool IsNumericColumn(int column)
{
    return column == 4 || column == 5 || column == 7 || column == 8 || column == 9 || column == 11;
}

QString ColumnHint(const QString& header)
{
    static const QHash<QString, const char*> hints = {
        {col::n, QT_TRANSLATE_NOOP("sondalog::ColumnHint", " deux grandeurs pour chaque description de multimètre, en 1 => paramétrage "
                                "communication 1 => repères dans les caractères reçus")},
        {col::actif, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "double clik pour activer un seul des multimètre sur les lignes 1")},
        {col::multimetre, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "nom du multimètre ou appareil")},
        {col::comx, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "double clik pour choisir parmi les COMx avec x<10 sinon changer ce n° voir dans "
                                   "l'aide")},
        {col::vitesse, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "double clik pour choisir parmi les vitesses possibles, celle réglée sur "
                                      "l'appareil")},
        {col::intervalle, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "Intervalle supposé en secondes d'envoi des données du multimètre ( valeur "
                                         "utilisée uniquement pour l'affichage )")},
        {col::grandeur, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "nom affiché de la grandeur ciblée 1 et 2 AVEC l'unité de base sans préfixe ex "
                                       ": Conductivité-{S/cm} ou température-{°F} (si inexistant alors S/cm ou °C)")},
        {col::max, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "valeur maximum de l'axe des ordonnées ")},
        {col::min, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "valeur minimum de l'axe des ordonnées ")},
        {col::graduation, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "valeur de la graduation de l'axe des ordonnées")},
        {col::couleur, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "double clik pour choisir la oouleur relative à la grandeur visualisée, le "
                                      "résultat correspond au codage RVB, rouge, vert bleu , 3 valeur entre 0 et 255")},
        {col::epaisseur, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "épaisseur du trait et des points sur le graphique")},
        {col::repere, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "chaine pour repérer la ligne contenant la grandeur ciblée à l'exclusion de {...} "
                                     ", ex :  Cond-{pH/Cond}")},
        {col::separateur, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "double clik pour choisir le caractère pour repérer les différents  paquets "
                                         "de données sur la ligne (lecture RS232 par chaîne de caractères et CSV)")},
        {col::occurence, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "occurence par rapport au [repère] pour repérer la grandeur ciblée séparée par "
                                        "caractères séparateurs (que pour : lecture RS232 par chaîne de caractères et "
                                        "CSV)")},
        {col::repHms, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "caractères pour repérer la ligne contenant l'heure de la mesure du multimètre ( "
                                     "2 sont recherchés [::] car 00:00:00 mais un seul est possible [:] 00:00)")},
        {col::finDeBloc, QT_TRANSLATE_NOOP("sondalog::ColumnHint", "chaine de caractères (sans espaces) pour repérer la fin de bloc de mesure en "
                                        "ASCII , souvent ____  ou Multi")},
    };
    return QCoreApplication::translate(
        "sondalog::ColumnHint", hints.value(header.trimmed(), QT_TRANSLATE_NOOP("sondalog::ColumnHint", "explications pour les colonnes")));
}

}  // namespace sondalog
