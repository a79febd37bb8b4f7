#include "instrument/instrument_table.h"

#include "util/text_utils.h"
#include "util/translate.h"

#include <array>

namespace sondalog {

const QString kExampleRow1 =
    QStringLiteral("WTW3430,COM7,9600,1,conductivité, 750,700,50,\"0,100,255\",7,Cond,espace,2,:");
const QString kExampleRow2 =
    QStringLiteral(",,,,température, 30,10,5,\"200,0,88\",5,Cond,espace,4,:");

namespace {
struct ColumnLayout {
    const QString& header;
    int width;
};
const std::array<ColumnLayout, kTableColumns>& Layout()
{
    static const std::array<ColumnLayout, kTableColumns> layout = {{
        {col::n, 20},          {col::actif, 40},      {col::multimetre, 80}, {col::comx, 60},
        {col::vitesse, 60},    {col::intervalle, 70}, {col::grandeur, 150},  {col::max, 60},
        {col::min, 60},        {col::graduation, 80}, {col::couleur, 80},    {col::epaisseur, 80},
        {col::repere, 180},    {col::separateur, 90}, {col::occurence, 80},  {col::repHms, 60},
        {col::finDeBloc, 80},
    }};
    return layout;
}

QStringList EmptyRow(int row)
{
    QStringList cells(kTableColumns);
    if (row > 0) {
        cells[0] = row % 2 == 1 ? QStringLiteral("1") : QStringLiteral("2");
    }
    return cells;
}
}  // namespace

QString ExampleRowText(int row)
{
    const bool first = row % 2 == 1;
    return (first ? QStringLiteral("1") : QStringLiteral("2")) +
           (row == 1 ? QStringLiteral(",x,") : QStringLiteral(", ,")) + (first ? kExampleRow1 : kExampleRow2);
}

InstrumentTable::InstrumentTable()
{
    InitTableLayout();
}

void InstrumentTable::InitTableLayout()
{
    rows_.clear();
    QStringList header;
    for (const ColumnLayout& c : Layout()) {
        header << c.header;
    }
    rows_ << header;
    SetRowCount(kTableRows);
}

void InstrumentTable::SetRowCount(int count)
{
    count = std::max(count, 1);
    while (rows_.size() > count) {
        rows_.removeLast();
    }
    while (rows_.size() < count) {
        rows_ << EmptyRow(static_cast<int>(rows_.size()));
    }
}

QString InstrumentTable::Cell(int column, int row) const
{
    if (row < 0 || row >= rows_.size() || column < 0 || column >= kTableColumns) {
        return {};
    }
    return rows_.at(row).at(column);
}

void InstrumentTable::SetCell(int column, int row, const QString& text)
{
    if (row < 1 || row >= rows_.size() || column < 0 || column >= kTableColumns) {
        return;  // the header row belongs to the layout
    }
    rows_[row][column] = SingleLine(text);
}

void InstrumentTable::SetRow(int row, const QStringList& cells)
{
    if (row < 1 || row >= rows_.size()) {
        return;
    }
    QStringList fitted = cells.mid(0, kTableColumns);
    while (fitted.size() < kTableColumns) {
        fitted << QString();
    }
    rows_[row] = fitted;
}

int InstrumentTable::ColumnWidth(int column) const
{
    return column >= 0 && column < kTableColumns ? Layout()[column].width : 60;
}

int InstrumentTable::ColumnByName(const QString& header, const InfoSink& info) const
{
    const QString wanted = TrimSpaces(header);
    if (wanted.isEmpty()) {
        return -1;
    }
    int found = -1;
    for (int c = 0; c < kTableColumns; ++c) {
        if (TrimSpaces(Header(c)) == wanted) {
            found = c;
        }
    }
    if (found < 0 && info) {
        info(Message(QT_TRANSLATE_NOOP("sondalog::Messages", "La colonne <%1> n'existe pas")).arg(header));
    }
    return found;
}

QString ActiveCell(const InstrumentTable& table, int activeRow, const QString& header, int k,
                   const InfoSink& info)
{
    const int column = table.ColumnByName(header, info);
    if (column < 0) {
        return {};
    }
    return TrimSpaces(table.Cell(column, activeRow + k));
}

int ActiveCellInt(const InstrumentTable& table, int activeRow, const QString& header, int k,
                  QChar decimalSign, const InfoSink& info)
{
    const Parsed<int> parsed = ParseInt(ActiveCell(table, activeRow, header, k, info), decimalSign);
    if (parsed.malformed && info) {
        info(parsed.message);
    }
    return parsed.value;
}

void SetActiveCell(InstrumentTable& table, int activeRow, const QString& value, const QString& header,
                   int k, const InfoSink& info)
{
    const int column = table.ColumnByName(header, info);
    if (column >= 0) {
        table.SetCell(column, activeRow + k, TrimSpaces(value));
    }
}

Braced SplitBraced(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1String("-{"));
    if (at < 0) {
        return {text, {}};
    }
    QString second = text.mid(at + 2);
    second.chop(1);
    return {text.left(at), second};
}

QString PortDescription(const InstrumentTable& table, int activeRow)
{
    return ActiveCell(table, activeRow, col::comx, 0) + QStringLiteral(": bauds=") +
           ActiveCell(table, activeRow, col::vitesse, 0) + QStringLiteral(" parity=N data=8 stop=1");
}

}  // namespace sondalog
