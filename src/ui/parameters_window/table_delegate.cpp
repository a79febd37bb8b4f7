#include "ui/parameters_window/table_delegate.h"

#include "instrument/table_editing.h"
#include "plot/colour.h"

#include <QPainter>

namespace sondalog {

TableCellDelegate::TableCellDelegate(const InstrumentTable& table, QObject* parent)
    : QStyledItemDelegate(parent), table_(table)
{
}

QWidget* TableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor && onEditorCreated) {
        onEditorCreated(editor, index.column());
    }
    return editor;
}

void TableCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const CellPaint look = PaintOfCell(table_, index.column(), index.row());
    if (look.kind == CellPaint::Kind::Normal) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->fillRect(option.rect, ToQColor(look.fill));
    if (look.drawText) {
        QFont font = option.font;
        font.setBold(look.bold);
        painter->setFont(font);
        painter->setPen(ToQColor(look.text));
        painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }
    painter->restore();
}

}  // namespace sondalog
