#include "ui/main_window/record_list_model.h"

namespace sondalog {

RecordListModel::RecordListModel(const RecordStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store), shown_(store.size())
{
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_) {
        return {};
    }
    return store_.at(index.row());
}

void RecordListModel::Refresh()
{
    const qsizetype now = store_.size();
    if (now > shown_) {
        beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(now - 1));
        shown_ = now;
        endInsertRows();
    } else if (now < shown_) {
        beginResetModel();
        shown_ = now;
        endResetModel();
    }
}

}  // namespace sondalog
