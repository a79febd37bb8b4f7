// The grid's model edits the table itself: what a view writes is what the parameter file saves.
#include "instrument/instrument_table_model.h"
#include "support/qt_printers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(InstrumentTableModel, EditsTheTableItselfOneLinePerCellNeverTheHeader)
{
    InstrumentTable table;
    table.InitTableLayout();
    InstrumentTableModel model(table);
    ASSERT_EQ(model.rowCount(), table.RowCount());
    ASSERT_EQ(model.columnCount(), kTableColumns);
    const int comx = table.ColumnByName(col::comx);
    struct Case {
        int row;
        QString typed;
        bool taken;
        QString cell;  ///< what the table holds after
    };
    const Case cases[] = {
        {1, QStringLiteral("COM7"), true, QStringLiteral("COM7")},
        // A pasted text with a line break would split the row in the parameter file.
        {2, QStringLiteral("COM\n8"), true, QStringLiteral("COM 8")},
        // The header names the columns: columns are found by it, it is never edited.
        {0, QStringLiteral("port"), false, col::comx},
    };
    for (const Case& c : cases) {
        QSignalSpy edited(&model, &InstrumentTableModel::cellEdited);
        const QModelIndex at = model.index(c.row, comx);
        EXPECT_EQ(model.flags(at).testFlag(Qt::ItemIsEditable), c.row >= 1);
        EXPECT_EQ(model.setData(at, c.typed), c.taken) << c.typed.toStdString();
        EXPECT_EQ(table.Cell(comx, c.row).trimmed(), c.cell) << c.typed.toStdString();
        EXPECT_EQ(model.data(at, Qt::DisplayRole).toString(), table.Cell(comx, c.row));
        EXPECT_EQ(edited.count(), c.taken ? 1 : 0);
    }
    // A table loaded with another row count: the views are told to start again, with its rows.
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    table.SetRowCount(5);
    model.Reload();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_FALSE(model.data(model.index(7, comx), Qt::DisplayRole).isValid());
}
