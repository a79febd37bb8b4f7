#pragma once
// The editing aids around the instrument grid, without widgets: what a double-click opens, which
// cell is active, how each cell is painted, which keys a column takes and the explanation texts.

#include "instrument/instrument_table.h"
#include "util/rgb.h"

#include <QString>
#include <QStringList>

namespace sondalog {

/// What a double-click on a cell does besides retitling the choice panel.
enum class CellChoice {
    None,         ///< only the title changes (second rows of "actif", "COMx", "vitesse"; other columns)
    MarkActive,   ///< "actif" on a first row: that pair becomes the active instrument
    KeptList,     ///< "COMx": the choice list as it was last filled
    NewList,      ///< "vitesse", "séparateur": the list becomes `list`
    Colour,       ///< "couleur": the colour dialog
};

struct DoubleClickPlan {
    QString title;  ///< "choix " + the column's header
    CellChoice choice = CellChoice::None;
    QStringList list;                 ///< for NewList: the entries, the first one selected
    bool rebuildDescription = false;  ///< the port description follows the change
};

DoubleClickPlan PlanDoubleClick(const InstrumentTable& table, int column, int row);

/// Puts the single "x" of the "actif" column on `row`; the other rows lose theirs.
void MarkActiveRow(InstrumentTable& table, int row);

/// The colour a "couleur" cell shows (components keep their low 8 bits) and the text written back.
QString ColourCellText(Rgb colour);

/// How the grid paints one cell over its normal drawing.
struct CellPaint {
    enum class Kind { Normal, ChoiceHeader, ColourFill, Unused, ActivePair };
    Kind kind = Kind::Normal;
    Rgb fill;
    Rgb text;  ///< used when the cell's text is drawn (drawText) in a look of its own
    bool bold = false;
    bool drawText = true;
};
inline constexpr Rgb kChoiceHeaderFill{233, 252, 252};
inline constexpr Rgb kUnusedFill{192, 192, 192};
inline constexpr Rgb kActiveFill{0, 255, 255};
inline constexpr Rgb kHighlightText{0, 0, 255};

CellPaint PaintOfCell(const InstrumentTable& table, int column, int row);

/// Columns that take numbers only (by position): vitesse, intervalle, max, min, graduation, épaisseur.
bool IsNumericColumn(int column);

/// The explanation strip's text for the column under the pointer ("" = off the columns).
QString ColumnHint(const QString& header);

inline const QString kSpeedChoices = QStringLiteral("1200,2400,4800,9600,19200,38400,57600,115200");
inline const QString kSeparatorChoices = QStringLiteral("espace,tabulation,#,|");
/// The fields of a comma-separated choice text, in order.
QStringList ChoiceList(const QString& commaSeparated);

}  // namespace sondalog
