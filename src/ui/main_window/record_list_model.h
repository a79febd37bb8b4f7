#pragma once
// The record list as the windows show it: a model over the run's record store, so that a list
// view fetches only the lines in sight; nothing is copied per reading and nothing is capped.

#include "util/record_store.h"

#include <QAbstractListModel>

namespace sondalog {

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    RecordListModel(const RecordStore& store, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    /// Tells the views what changed in the store: lines added at its end, or a new list.
    void Refresh();

private:
    const RecordStore& store_;
    qsizetype shown_ = 0;
};

}  // namespace sondalog
