#include "instrument/instrument_table_model.h"

#include <QCoreApplication>

#include "util/text_utils.h"

namespace sondalog {

InstrumentTableModel::InstrumentTableModel(InstrumentTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), shownRows_(table.RowCount()), shownColumns_(table.ColumnCount())
{
}

int InstrumentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int InstrumentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownColumns_;
}

namespace {
// The headers as the parameter file names them; only their display is translated.
const char* const kHeaders[] = {
    QT_TRANSLATE_NOOP("sondalog::Column", "n"),          QT_TRANSLATE_NOOP("sondalog::Column", "actif"),
    QT_TRANSLATE_NOOP("sondalog::Column", "multimètre"), QT_TRANSLATE_NOOP("sondalog::Column", "COMx"),
    QT_TRANSLATE_NOOP("sondalog::Column", "vitesse"),    QT_TRANSLATE_NOOP("sondalog::Column", "intervalle"),
    QT_TRANSLATE_NOOP("sondalog::Column", "grandeur"),   QT_TRANSLATE_NOOP("sondalog::Column", "max"),
    QT_TRANSLATE_NOOP("sondalog::Column", "min"),        QT_TRANSLATE_NOOP("sondalog::Column", "graduation"),
    QT_TRANSLATE_NOOP("sondalog::Column", "couleur"),    QT_TRANSLATE_NOOP("sondalog::Column", "épaisseur"),
    QT_TRANSLATE_NOOP("sondalog::Column", "repère"),     QT_TRANSLATE_NOOP("sondalog::Column", "séparateur"),
    QT_TRANSLATE_NOOP("sondalog::Column", "occurence"),  QT_TRANSLATE_NOOP("sondalog::Column", "rep hms"),
    QT_TRANSLATE_NOOP("sondalog::Column", "fin de bloc")};
}  // namespace

QString ShownHeader(const QString& header)
{
    for (const char* h : kHeaders) {
        if (header.trimmed() == QString::fromUtf8(h)) {
            return QCoreApplication::translate("sondalog::Column", h);
        }
    }
    return header;
}

QVariant InstrumentTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= table_.RowCount() || index.column() >= table_.ColumnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole && index.row() == 0) {
        return ShownHeader(table_.Cell(index.column(), index.row()));
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return table_.Cell(index.column(), index.row());
    }
    return {};
}

bool InstrumentTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() < 1 || index.row() >= table_.RowCount() ||
        index.column() >= table_.ColumnCount()) {
        return false;
    }
    // A pasted text with line breaks would split the row in the parameter file: one line, always.
    const QString text = SingleLine(value.toString());
    if (table_.Cell(index.column(), index.row()) == text) {
        return true;
    }
    table_.SetCell(index.column(), index.row(), text);
    // "x" in "actif" or a colour repaints the row.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), shownColumns_ - 1));
    emit cellEdited(index.row(), index.column());
    return true;
}

Qt::ItemFlags InstrumentTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.row() >= 1) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

void InstrumentTableModel::Reload()
{
    if (table_.RowCount() != shownRows_ || table_.ColumnCount() != shownColumns_) {
        beginResetModel();
        shownRows_ = table_.RowCount();
        shownColumns_ = table_.ColumnCount();
        endResetModel();
        return;
    }
    // The same shape: the cells change in place, so that the current cell and an open editor stay.
    if (shownRows_ > 0 && shownColumns_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1));
    }
}

}  // namespace sondalog
