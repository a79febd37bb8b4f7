#include "instrument/instrument_config.h"
#include "instrument/row_text.h"
#include "instrument/table_editing.h"

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
InstrumentTable ExampleTable()
{
    InstrumentTable t;
    for (int r = 1; r < t.RowCount(); ++r) {
        t.SetRow(r, FieldsToCells(ReadRowFields(ExampleRowText(r))));
    }
    return t;
}
}  // namespace

TEST(TableEditing, WhatADoubleClickChooses)
{
    const InstrumentTable t = ExampleTable();
    struct Case {
        QString header;
        int row;
        CellChoice choice;
        int listSize;
        QString first;
    };
    const QList<Case> cases = {
        {col::actif, 3, CellChoice::MarkActive, 0, {}},
        {col::actif, 4, CellChoice::None, 0, {}},
        {col::comx, 1, CellChoice::KeptList, 0, {}},
        {col::comx, 2, CellChoice::None, 0, {}},
        {col::vitesse, 1, CellChoice::NewList, 8, QStringLiteral("1200")},
        {col::vitesse, 2, CellChoice::None, 0, {}},
        {col::separateur, 2, CellChoice::NewList, 4, QStringLiteral("espace")},
        {col::couleur, 2, CellChoice::Colour, 0, {}},
        {col::grandeur, 1, CellChoice::None, 0, {}},
        {col::actif, 0, CellChoice::None, 0, {}},  // the header row
    };
    for (const Case& c : cases) {
        const DoubleClickPlan plan = PlanDoubleClick(t, t.ColumnByName(c.header), c.row);
        EXPECT_EQ(plan.title, QStringLiteral("choix ") + c.header) << c.header.toStdString();
        EXPECT_EQ(plan.choice, c.choice) << c.header.toStdString() << " row " << c.row;
        EXPECT_EQ(plan.list.size(), c.listSize) << c.header.toStdString();
        if (c.listSize > 0) {
            EXPECT_EQ(plan.list.first(), c.first);
        }
    }
    EXPECT_EQ(PlanDoubleClick(t, t.ColumnByName(col::vitesse), 1).list.last(), QStringLiteral("115200"));
    EXPECT_EQ(PlanDoubleClick(t, 99, 1).choice, CellChoice::None);
}

TEST(TableEditing, OneActivePairAndHowCellsArePainted)
{
    InstrumentTable t = ExampleTable();
    const int actif = t.ColumnByName(col::actif);
    t.SetCell(actif, 5, QStringLiteral("x"));  // a second mark, as a hand-edited file may hold
    MarkActiveRow(t, 3);
    for (int r = 1; r < t.RowCount(); ++r) {
        EXPECT_EQ(t.Cell(actif, r), r == 3 ? QStringLiteral("x") : QString()) << r;
    }
    struct Case {
        QString header;
        int row;
        CellPaint::Kind kind;
    };
    const QList<Case> cases = {
        {col::actif, 0, CellPaint::Kind::ChoiceHeader},  {col::separateur, 0, CellPaint::Kind::ChoiceHeader},
        {col::grandeur, 0, CellPaint::Kind::Normal},     {col::actif, 4, CellPaint::Kind::Unused},
        {col::intervalle, 4, CellPaint::Kind::Unused},   {col::grandeur, 4, CellPaint::Kind::Normal},
        {col::grandeur, 3, CellPaint::Kind::ActivePair}, {col::actif, 3, CellPaint::Kind::ActivePair},
        {col::grandeur, 1, CellPaint::Kind::Normal},     {col::couleur, 3, CellPaint::Kind::ColourFill},
        {col::couleur, 4, CellPaint::Kind::ColourFill},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PaintOfCell(t, t.ColumnByName(c.header), c.row).kind, c.kind)
            << c.header.toStdString() << " row " << c.row;
    }
    EXPECT_EQ(PaintOfCell(t, t.ColumnByName(col::grandeur), 3).fill, kActiveFill);
    EXPECT_EQ(PaintOfCell(t, t.ColumnByName(col::grandeur), 3).text, kHighlightText);
    EXPECT_TRUE(PaintOfCell(t, t.ColumnByName(col::actif), 0).bold);
    EXPECT_FALSE(PaintOfCell(t, t.ColumnByName(col::actif), 4).drawText);
    // " x" is not "x": only an exact mark highlights.
    t.SetCell(actif, 3, QStringLiteral(" x"));
    EXPECT_EQ(PaintOfCell(t, t.ColumnByName(col::grandeur), 3).kind, CellPaint::Kind::Normal);

    // Colour cells: the colour shown keeps the low 8 bits of each component.
    t.SetCell(t.ColumnByName(col::couleur), 2, QStringLiteral("300,0,0"));
    EXPECT_EQ(PaintOfCell(t, t.ColumnByName(col::couleur), 2).fill, (Rgb{44, 0, 0}));
    EXPECT_EQ(ColourCellText(ColourFromCell(QStringLiteral("300,0,0"))), QStringLiteral("44,0,0"));
    EXPECT_EQ(ColourCellText(ColourFromCell(QStringLiteral("rouge"))), QStringLiteral("0,0,0"));
}

TEST(TableEditing, NumericColumnsAndHints)
{
    const InstrumentTable t = ExampleTable();
    QStringList numeric;
    for (int c = 0; c < t.ColumnCount(); ++c) {
        if (IsNumericColumn(c)) {
            numeric << t.Header(c).trimmed();
        }
    }
    EXPECT_EQ(numeric, (QStringList{col::vitesse, col::intervalle, col::max, col::min, col::graduation, col::epaisseur}));
    EXPECT_TRUE(ColumnHint(QStringLiteral(" repère ")).startsWith(QStringLiteral("chaine pour repérer")));
    EXPECT_EQ(ColumnHint(QString()), QStringLiteral("explications pour les colonnes"));
    EXPECT_TRUE(ColumnHint(col::couleur).contains(QStringLiteral("oouleur")));
    for (int c = 0; c < t.ColumnCount(); ++c) {
        EXPECT_NE(ColumnHint(t.Header(c)), QStringLiteral("explications pour les colonnes")) << c;
    }
}
