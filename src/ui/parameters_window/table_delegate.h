#pragma once
// Paints the grid's cells as the table asks: the choice columns' headers, the colour cells, the
// cells a second row does not use, and the active instrument's first row.

#include <QStyledItemDelegate>

#include <functional>

namespace sondalog {

class InstrumentTable;

class TableCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TableCellDelegate(const InstrumentTable& table, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// Told of every cell editor the grid opens (its keys and double-clicks are the grid's).
    std::function<void(QWidget* editor, int column)> onEditorCreated;

private:
    const InstrumentTable& table_;
};

}  // namespace sondalog
