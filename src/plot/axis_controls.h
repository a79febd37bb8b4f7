#pragma once
// The main window's axis and view controls as plain rules: cleaning what is typed in an axis box,
// applying it to the axes and to the instrument table, the proposed values, the zoom steps, the
// three contrast modes and the layout of the window at a given size. The window only shows them.

#include "instrument/instrument_table.h"
#include "processing/axis_scale.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace sondalog {

/// The French keyboard's digit row read as digits, then only + , - . digits and E kept, then
/// `NormalizeDecimal`; the first 255 characters only.
QString CleanNumberText(const QString& text, QChar decimalSign);

enum class AxisField { Max, Min, Graduation };

/// One of the six axis boxes: quantity 1 or 2 and the field it holds.
struct AxisBox {
    int quantity = 1;
    AxisField field = AxisField::Max;
};

/// Applies a box's text: cleaned (returned, for the box), set into the axis (0 when not a number)
/// and written into the active pair of the table ("max", "min" or "graduation").
QString ApplyAxisBox(const QString& text, AxisBox box, AxisScale& axisY1, AxisScale& axisY2, InstrumentTable& table,
                     int activeRow, QChar decimalSign);

/// Why a box's text cannot be applied (an empty box, a max not above the min, a graduation not above 0: each
/// would draw an inverted or empty graph); nullopt when it can.
std::optional<QString> AxisBoxRefusal(const QString& text, AxisBox box, const AxisScale& axisY1,
                                      const AxisScale& axisY2, QChar decimalSign);
/// The box's value as it stands in the axis (what a refused text gives way to).
double AxisBoxValue(AxisBox box, const AxisScale& axisY1, const AxisScale& axisY2);

/// propose_liste_val_grad: v + k·g for k = 10 … −10, shortest decimal texts.
QStringList propose_liste_val_grad(double graduation, double value);

/// One zoom step: the state advanced (0 → 1 → 2 → 0) and, when both "lu" captions read as numbers,
/// the new max and min texts for the quantity-1 boxes ("%8.<decimals>f").
struct ZoomStep {
    int state = 0;
    std::optional<QString> maxText;
    std::optional<QString> minText;
};
ZoomStep NextZoom(int state, const QString& maxCaption, const QString& minCaption, const AxisScale& axisY1,
                  const QString& decimalsSetting, const QString& initialPrefix, QChar decimalSign);

/// The colours of a contrast mode and which labels take which colour.
struct ContrastScheme {
    QColor background;
    QColor colour1;
    QColor colour2;
    QStringList quantity1Labels;  ///< always in the colour of quantity 1
    QStringList quantity2Labels;  ///< always in the colour of quantity 2
    QStringList otherLabels;      ///< colour 1 in modes 1 and 2; black in mode 0 but for the two below
    QColor otherColour;
    QColor checkBoxY2Colour;      ///< mode 0: red
    QColor multimetreColour;      ///< mode 0: green (0, 128, 0)
    QColor questionPanel;         ///< the graph background in modes 1 and 2, its own colour in mode 0
};
ContrastScheme ContrastFor(int mode, const QColor& savedBackground, const QColor& savedColour1,
                           const QColor& savedColour2);

/// The contrast ratio of two colours (1 to 21, as for printed text: 3 is the least for large captions).
double ContrastRatio(const QColor& a, const QColor& b);
/// Black or white, whichever reads better on `background`.
QColor ReadableOn(const QColor& background);

/// FormResize as a rule of the window's size.
struct MainLayout {
    int panel1Height = 0;
    bool memo2Visible = true;
    bool wideControlsVisible = true;  ///< Label_config, CheckBox_date_heure, CheckBox_y2, Label11
    bool prefixVisible = true;        ///< Edit_Prefixe and Label16
};
MainLayout FormResizeLayout(QSize window, int panel1Top, int memo2Width, int prefixRight);

}  // namespace sondalog
