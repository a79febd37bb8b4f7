#pragma once
// The instrument table as a model for the windows' grid: a view shows and edits the table itself, with
// no copy kept in widget items. The header row is shown but not edited; a cell takes one line.

#include "instrument/instrument_table.h"

#include <QAbstractTableModel>

namespace sondalog {

/// A header of the instrument table as the window shows it: in the interface's language (the file keeps its own).
QString ShownHeader(const QString& header);

class InstrumentTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    InstrumentTableModel(InstrumentTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    InstrumentTable& table() { return table_; }
    /// The table changed outside the model (loaded, a choice applied): the views show it again.
    void Reload();

signals:
    /// The user edited a cell (the table already holds the new text).
    void cellEdited(int row, int column);

private:
    InstrumentTable& table_;
    int shownRows_ = 0;
    int shownColumns_ = 0;
};

}  // namespace sondalog
