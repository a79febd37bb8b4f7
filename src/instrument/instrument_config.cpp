#include "instrument/instrument_config.h"

#include "util/text_utils.h"

namespace sondalog {

namespace {
const QString kConductivity = QStringLiteral("CONDUCTIVITÉ");
const QString kTemperature = QStringLiteral("TEMPÉRATURE");

double Real(const QString& text, QChar decimalSign, const InfoSink& info)
{
    const Parsed<double> parsed = ParseReal(text, decimalSign);
    if (parsed.malformed && info) {
        info(parsed.message);
    }
    return parsed.value;
}

int Whole(const QString& text, QChar decimalSign, const InfoSink& info)
{
    const Parsed<int> parsed = ParseInt(text, decimalSign);
    if (parsed.malformed && info) {
        info(parsed.message);
    }
    return parsed.value;
}

int FindActiveRow(const InstrumentTable& table, int previous)
{
    const int actif = table.ColumnByName(col::actif);
    for (int r = 1; r <= table.RowCount() - 2; r += 2) {
        if (TrimSpaces(table.Cell(actif, r)) == QLatin1String("x")) {
            return r;
        }
    }
    return previous;
}

QuantityConfig Quantity(const InstrumentTable& table, int activeRow, int k, QChar decimalSign,
                        const InfoSink& info)
{
    auto cell = [&](const QString& header) { return ActiveCell(table, activeRow, header, k, info); };
    QuantityConfig q;
    q.colour = ColourFromCell(cell(col::couleur));
    q.thickness = Whole(cell(col::epaisseur), decimalSign, info);

    const Braced marker = SplitBraced(cell(col::repere));
    q.marker = marker.first;
    q.markerNote = marker.second;
    q.wholeName = cell(col::grandeur);
    const Braced name = SplitBraced(q.wholeName);
    q.name = name.first;
    q.unit = name.second;
    if (q.unit.isEmpty()) {
        const QString upper = q.name.toUpper();
        if (k == 0 && upper == kConductivity) {
            q.unit = QStringLiteral("S/cm");
        } else if (k == 1 && upper == kTemperature) {
            q.unit = QStringLiteral("°C");
        }
    }

    q.maxText = cell(col::max);
    q.minText = cell(col::min);
    q.graduationText = cell(col::graduation);
    if (k == 0) {
        // Quantity 1's bounds are shown normalised; its graduation and quantity 2's texts as typed.
        NormalizeDecimal(q.maxText, decimalSign);
        NormalizeDecimal(q.minText, decimalSign);
    }
    q.axisMax = Real(q.maxText, decimalSign, info);
    q.axisMin = Real(q.minText, decimalSign, info);
    q.graduation = Real(q.graduationText, decimalSign, info);

    q.separator = SeparatorFromCell(cell(col::separateur));
    q.occurrence = Whole(cell(col::occurence), decimalSign, info);
    const QString timeMark = cell(col::repHms);
    q.timeMarkChar = timeMark.isEmpty() ? QChar(u':') : timeMark.at(0);
    q.timeMarkCount = timeMark.isEmpty() ? 2 : static_cast<int>(timeMark.size());
    return q;
}
}  // namespace

QChar SeparatorFromCell(const QString& cell)
{
    const QString text = TrimSpaces(cell);
    if (text.isEmpty() || text == QLatin1String("espace")) {
        return u' ';
    }
    if (text == QLatin1String("tabulation")) {
        return u'\t';
    }
    return text.at(0);
}

Rgb ColourFromCell(const QString& cell)
{
    const int r = FieldInt(cell, 1, u',', 0) & 0xFF;
    const int g = FieldInt(cell, 2, u',', 0) & 0xFF;
    const int b = FieldInt(cell, 3, u',', 0) & 0xFF;
    return Rgb{r, g, b};
}

InstrumentConfig ApplyInstrumentTable(const InstrumentTable& table, int previousActiveRow, QChar decimalSign,
                                      const InfoSink& info)
{
    InstrumentConfig config;
    ActiveInstrument& a = config.active;
    a.activeRow = FindActiveRow(table, previousActiveRow);
    config.q1 = Quantity(table, a.activeRow, 0, decimalSign, info);
    config.q2 = Quantity(table, a.activeRow, 1, decimalSign, info);
    a.instrumentName = ActiveCell(table, a.activeRow, col::multimetre, 0, info);
    a.interval = FieldInt(ActiveCell(table, a.activeRow, col::intervalle, 0, info), 1, u',', 1);
    a.endOfBlock = ActiveCell(table, a.activeRow, col::finDeBloc, 0, info);
    if (a.endOfBlock.isEmpty()) {
        a.endOfBlock = QStringLiteral("__");
    }
    a.portDescription = PortDescription(table, a.activeRow);
    return config;
}

}  // namespace sondalog
