#include "plot/axis_controls.h"

#include "processing/decimals.h"
#include "util/number_format.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <cmath>

namespace sondalog {

QString CleanNumberText(const QString& text, QChar decimalSign)
{
    static const QString kept = QStringLiteral("+,-.0123456789E");
    QString clean;
    for (QChar typed : QStringView(text).left(255)) {
        const QChar c = AzertyDigit(typed);
        if (kept.contains(c)) {
            clean += c;
        }
    }
    NormalizeDecimal(clean, decimalSign);
    return clean;
}

QString ApplyAxisBox(const QString& text, AxisBox box, AxisScale& axisY1, AxisScale& axisY2, InstrumentTable& table,
                     int activeRow, QChar decimalSign)
{
    const QString clean = CleanNumberText(text, decimalSign);
    const double value = ParseReal(clean, decimalSign).value;
    AxisScale& axis = box.quantity == 1 ? axisY1 : axisY2;
    QString header;
    switch (box.field) {
    case AxisField::Max:
        axis.max = value;
        header = col::max;
        break;
    case AxisField::Min:
        axis.min = value;
        header = col::min;
        break;
    case AxisField::Graduation:
        axis.graduation = value;
        header = col::graduation;
        break;
    }
    SetActiveCell(table, activeRow, clean, header, box.quantity - 1);
    return clean;
}

std::optional<QString> AxisBoxRefusal(const QString& text, AxisBox box, const AxisScale& axisY1,
                                      const AxisScale& axisY2, QChar decimalSign)
{
    const QString clean = CleanNumberText(text, decimalSign);
    const Parsed<double> parsed = ParseReal(clean, decimalSign);
    if (clean.isEmpty() || parsed.malformed || !clean.back().isDigit()) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "pas un nombre : valeur précédente conservée"));
    }
    const AxisScale& axis = box.quantity == 1 ? axisY1 : axisY2;
    const double value = parsed.value;
    if (box.field == AxisField::Max && !(value > axis.min)) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "max Y doit être au-dessus de min Y : valeur précédente conservée"));
    }
    if (box.field == AxisField::Min && !(value < axis.max)) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "min Y doit être au-dessous de max Y : valeur précédente conservée"));
    }
    if (box.field == AxisField::Graduation && !(value > 0)) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "la graduation doit être positive : valeur précédente conservée"));
    }
    return std::nullopt;
}

double AxisBoxValue(AxisBox box, const AxisScale& axisY1, const AxisScale& axisY2)
{
    const AxisScale& axis = box.quantity == 1 ? axisY1 : axisY2;
    return box.field == AxisField::Max ? axis.max : box.field == AxisField::Min ? axis.min : axis.graduation;
}

QStringList propose_liste_val_grad(double graduation, double value)
{
    QStringList list;
    for (int k = 10; k >= -10; --k) {
        list << ShortestReal(value + k * graduation);
    }
    return list;
}

ZoomStep NextZoom(int state, const QString& maxCaption, const QString& minCaption, const AxisScale& axisY1,
                  const QString& decimalsSetting, const QString& initialPrefix, QChar decimalSign)
{
    ZoomStep step;
    step.state = state >= 2 ? 0 : state + 1;  // advanced even before the first reading
    if (!CaptionNumber(maxCaption) || !CaptionNumber(minCaption)) {
        return step;
    }
    double hi = axisY1.maxRead;
    double lo = axisY1.minRead;
    const double r = std::abs(hi - lo);
    if (step.state == 0) {
        hi += 5 * r;
        lo -= 5 * r;
    } else if (step.state == 1) {
        hi += r / 10;
        lo -= r / 10;
    }
    hi = RoundSignificant(hi, 2, true);
    lo = RoundSignificant(lo, 2, false);
    QString decimals = DecimalsFor(decimalsSetting, initialPrefix);
    const int places = DecimalsFromText(decimals.isEmpty() ? QStringLiteral("0") : decimals, 0);
    step.maxText = FormatFixed(hi, 8, places, decimalSign);
    step.minText = FormatFixed(lo, 8, places, decimalSign);
    return step;
}

ContrastScheme ContrastFor(int mode, const QColor& savedBackground, const QColor& savedColour1,
                           const QColor& savedColour2)
{
    ContrastScheme s;
    switch (mode) {
    case 1:
        s.background = Qt::white;
        s.colour1 = s.colour2 = Qt::black;
        break;
    case 2:
        s.background = Qt::black;
        s.colour1 = s.colour2 = Qt::white;
        break;
    default:
        s.background = savedBackground;
        s.colour1 = savedColour1;
        s.colour2 = savedColour2;
        break;
    }
    s.quantity1Labels = {QStringLiteral("Label_grand1"),          QStringLiteral("Label_grandeur1"),
                         QStringLiteral("Label_val_grand1"),      QStringLiteral("Label_zero"),
                         QStringLiteral("Label_hauteur"),         QStringLiteral("CheckBox_af_integrale"),
                         QStringLiteral("Label_multiple_initial"), QStringLiteral("Label_multiple_courant"),
                         QStringLiteral("Label15"),               QStringLiteral("Label7"),
                         QStringLiteral("Label_credit"),          QStringLiteral("Label_y1_max_lu"),
                         QStringLiteral("Label_y1_min_lu"),       QStringLiteral("Label_mess")};
    s.quantity2Labels = {QStringLiteral("Label_grand2"), QStringLiteral("Label_grandeur2"),
                         QStringLiteral("Label_val_grand2")};
    s.otherLabels = {QStringLiteral("Label_n"),     QStringLiteral("Label16"),      QStringLiteral("CheckBox_date_heure"),
                     QStringLiteral("Label20"),     QStringLiteral("Label2"),       QStringLiteral("Label17"),
                     QStringLiteral("Label_graduation_y1"), QStringLiteral("CheckBox_y2"), QStringLiteral("Label_config"),
                     QStringLiteral("Label_heure"), QStringLiteral("Label19"),      QStringLiteral("Label11"),
                     QStringLiteral("Label15"),     QStringLiteral("Label10"),      QStringLiteral("Label12"),
                     QStringLiteral("Label_tracage"), QStringLiteral("CheckBox_demo"), QStringLiteral("Label_multimetre")};
    if (mode == 0) {
        s.otherColour = Qt::black;
        s.checkBoxY2Colour = Qt::red;
        s.multimetreColour = QColor(0, 128, 0);
        s.questionPanel = QColor(85, 240, 182);
    } else {
        s.otherColour = s.checkBoxY2Colour = s.multimetreColour = s.colour1;
        s.questionPanel = s.background;
    }
    return s;
}

namespace {
double Luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background)
{
    return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                         : QColor(Qt::white);
}

MainLayout FormResizeLayout(QSize window, int panel1Top, int memo2Width, int prefixRight)
{
    MainLayout l;
    l.panel1Height = window.height() - panel1Top - 35;
    l.memo2Visible = memo2Width > 200;
    l.wideControlsVisible = window.width() >= 1280;
    l.prefixVisible = prefixRight + 20 <= window.width();
    return l;
}

}  // namespace sondalog
