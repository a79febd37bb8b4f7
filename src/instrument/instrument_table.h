#pragma once
// The instrument description table: 17 text columns, a header row, then pairs of rows
// (quantity 1 and quantity 2 of one instrument), exactly one pair marked active.

#include "util/messages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace sondalog {

inline constexpr int kTableColumns = 17;
inline constexpr int kTableRows = 11;

// Column headers: columns are always found by these texts.
namespace col {
inline const QString n = QStringLiteral("n");
inline const QString actif = QStringLiteral("actif");
inline const QString multimetre = QStringLiteral("multimètre");
inline const QString comx = QStringLiteral("COMx");
inline const QString vitesse = QStringLiteral("vitesse");
inline const QString intervalle = QStringLiteral("intervalle");
inline const QString grandeur = QStringLiteral("grandeur");
inline const QString max = QStringLiteral("max");
inline const QString min = QStringLiteral("min");
inline const QString graduation = QStringLiteral("graduation");
inline const QString couleur = QStringLiteral("couleur");
inline const QString epaisseur = QStringLiteral("épaisseur");
inline const QString repere = QStringLiteral("repère");
inline const QString separateur = QStringLiteral("séparateur");
inline const QString occurence = QStringLiteral("occurence");
inline const QString repHms = QStringLiteral("rep hms");
inline const QString finDeBloc = QStringLiteral("fin de bloc");
}  // namespace col

/// The example description of quantity 1 and 2, in row text format without the first two cells.
extern const QString kExampleRow1;
extern const QString kExampleRow2;
/// The full example row text for table row i (pair number, "x" on row 1 only, the example).
QString ExampleRowText(int row);

class InstrumentTable {
public:
    InstrumentTable();

    /// 11 rows, 17 columns, the headers and widths, "1"/"2" in column n.
    void InitTableLayout();

    int ColumnCount() const { return kTableColumns; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    /// Rows added are empty but for column n; rows beyond the count are dropped.
    void SetRowCount(int count);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    const QStringList& Row(int row) const { return rows_.at(row); }
    void SetRow(int row, const QStringList& cells);

    QString Header(int column) const { return rows_.at(0).at(column); }
    int ColumnWidth(int column) const;

    /// Number of the last column whose trimmed header equals the trimmed `header`; -1 (with a
    /// message when `header` is not empty) when none does.
    int ColumnByName(const QString& header, const InfoSink& info = {}) const;

    /// Set when the user may have edited the table; cleared by a save.
    bool modified = false;

private:
    QList<QStringList> rows_;
};

/// Trimmed text of `header` in row activeRow + k (k = 0 quantity 1, 1 quantity 2).
QString ActiveCell(const InstrumentTable& table, int activeRow, const QString& header, int k,
                   const InfoSink& info = {});
int ActiveCellInt(const InstrumentTable& table, int activeRow, const QString& header, int k,
                  QChar decimalSign, const InfoSink& info = {});
void SetActiveCell(InstrumentTable& table, int activeRow, const QString& value, const QString& header,
                   int k, const InfoSink& info = {});

struct Braced {
    QString first;
    QString second;
};
/// "Conductivité-{S/cm}" gives "Conductivité" and "S/cm"; a text without "-{" is all first.
Braced SplitBraced(const QString& text);

/// "COM7: bauds=9600 parity=N data=8 stop=1" from the active row.
QString PortDescription(const InstrumentTable& table, int activeRow);

}  // namespace sondalog
