#include "instrument/instrument_config.h"
#include "instrument/parameter_file.h"

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
InstrumentTable ExampleTable()
{
    InstrumentTable t;
    FillExampleRows(t);
    return t;
}

void Set(InstrumentTable& t, const QString& header, int row, const QString& text)
{
    t.SetCell(t.ColumnByName(header), row, text);
}
}  // namespace

TEST(InstrumentTable, ExampleGivesTheDocumentedConfiguration)
{
    const InstrumentConfig c = ApplyInstrumentTable(ExampleTable(), 1, u',');
    EXPECT_EQ(c.active.activeRow, 1);
    EXPECT_EQ(c.active.instrumentName, QStringLiteral("WTW3430"));
    EXPECT_EQ(c.active.portDescription, QStringLiteral("COM7: bauds=9600 parity=N data=8 stop=1"));
    EXPECT_EQ(c.active.endOfBlock, QStringLiteral("__"));
    EXPECT_EQ(c.active.interval, 1);
    EXPECT_EQ(c.q1.name, QStringLiteral("conductivité"));
    EXPECT_EQ(c.q1.unit, QStringLiteral("S/cm"));
    EXPECT_EQ(c.q2.unit, QStringLiteral("°C"));
    EXPECT_EQ(c.q1.axisMax, 750);
    EXPECT_EQ(c.q1.axisMin, 700);
    EXPECT_EQ(c.q1.graduation, 50);
    EXPECT_EQ(c.q1.colour, (Rgb{0, 100, 255}));
    EXPECT_EQ(c.q2.colour, (Rgb{200, 0, 88}));
    EXPECT_EQ(c.q1.thickness, 7);
    EXPECT_EQ(c.q1.occurrence, 2);
    EXPECT_EQ(c.q2.occurrence, 4);
    EXPECT_EQ(c.q1.separator, QChar(u' '));
    EXPECT_EQ(c.q1.timeMarkCount, 1);
}

TEST(InstrumentTable, DerivesEachCellByItsRule)
{
    struct Case {
        QString header;
        int row;
        QString cell;
        std::function<bool(const InstrumentConfig&)> check;
    };
    const std::vector<Case> cases = {
        {col::grandeur, 2, QStringLiteral("conductivité"),
         [](const InstrumentConfig& c) { return c.q2.name == QStringLiteral("conductivité") && c.q2.unit.isEmpty(); }},
        {col::grandeur, 1, QStringLiteral("Conductivité-{mS/cm}"),
         [](const InstrumentConfig& c) { return c.q1.name == QStringLiteral("Conductivité") && c.q1.unit == "mS/cm"; }},
        {col::repere, 1, QStringLiteral("Cond-{pH/Cond}"),
         [](const InstrumentConfig& c) { return c.q1.marker == "Cond" && c.q1.markerNote == "pH/Cond"; }},
        {col::couleur, 1, QStringLiteral("300,0,0"), [](const InstrumentConfig& c) { return c.q1.colour == Rgb{44, 0, 0}; }},
        {col::couleur, 1, QStringLiteral("abc"), [](const InstrumentConfig& c) { return c.q1.colour == Rgb{0, 0, 0}; }},
        {col::repHms, 1, QString(), [](const InstrumentConfig& c) { return c.q1.timeMarkChar == u':' && c.q1.timeMarkCount == 2; }},
        {col::repHms, 1, QStringLiteral("::"), [](const InstrumentConfig& c) { return c.q1.timeMarkCount == 2; }},
        {col::repHms, 1, QStringLiteral("|"), [](const InstrumentConfig& c) { return c.q1.timeMarkChar == u'|' && c.q1.timeMarkCount == 1; }},
        {col::separateur, 1, QString(), [](const InstrumentConfig& c) { return c.q1.separator == u' '; }},
        {col::separateur, 1, QStringLiteral("|"), [](const InstrumentConfig& c) { return c.q1.separator == u'|'; }},
        {col::separateur, 2, QStringLiteral("tabulation"), [](const InstrumentConfig& c) { return c.q2.separator == u'\t'; }},
        {col::finDeBloc, 1, QStringLiteral("END"), [](const InstrumentConfig& c) { return c.active.endOfBlock == "END"; }},
        {col::intervalle, 1, QStringLiteral("x"), [](const InstrumentConfig& c) { return c.active.interval == 1; }},
        {col::intervalle, 1, QStringLiteral("5,3"), [](const InstrumentConfig& c) { return c.active.interval == 5; }},
        {col::max, 1, QStringLiteral("1.5"), [](const InstrumentConfig& c) { return c.q1.axisMax == 1.5 && c.q1.maxText == "1,5"; }},
        {col::max, 2, QStringLiteral("1.5"), [](const InstrumentConfig& c) { return c.q2.axisMax == 1.5 && c.q2.maxText == "1.5"; }},
    };
    for (const Case& k : cases) {
        InstrumentTable t = ExampleTable();
        Set(t, k.header, k.row, k.cell);
        EXPECT_TRUE(k.check(ApplyInstrumentTable(t, 1, u','))) << k.header.toStdString() << " = " << k.cell.toStdString();
    }
}

TEST(InstrumentTable, ActivePairIsTheFirstLowerCaseX)
{
    struct Case {
        std::vector<int> marked;
        QString mark;
        int previous;
        int expected;
    };
    const Case cases[] = {
        {{3, 7}, QStringLiteral("x"), 1, 3},
        {{}, QStringLiteral("x"), 5, 5},
        {{3}, QStringLiteral("X"), 1, 1},
        {{9}, QStringLiteral(" x "), 1, 9},
    };
    for (const Case& c : cases) {
        InstrumentTable t = ExampleTable();
        Set(t, col::actif, 1, QString());
        for (int r : c.marked) {
            Set(t, col::actif, r, c.mark);
        }
        EXPECT_EQ(ApplyInstrumentTable(t, c.previous, u',').active.activeRow, c.expected);
    }
}

TEST(InstrumentTable, UnknownColumnIsReportedAndEmptyIsSilent)
{
    InstrumentTable t;
    QStringList told;
    const InfoSink info = [&](const QString& s) { told << s; };
    EXPECT_EQ(t.ColumnByName(QStringLiteral("vitesse"), info), 4);
    EXPECT_EQ(t.ColumnByName(QStringLiteral(" rep hms "), info), 15);
    EXPECT_EQ(t.ColumnByName(QString(), info), -1);
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(t.ColumnByName(QStringLiteral("Vitesse"), info), -1);
    EXPECT_EQ(told, QStringList{QStringLiteral("La colonne <Vitesse> n'existe pas")});
}

TEST(InstrumentTable, ActiveCellAccessUsesTheActivePair)
{
    InstrumentTable t = ExampleTable();
    SetActiveCell(t, 3, QStringLiteral("  820 "), col::max, 1);
    EXPECT_EQ(t.Cell(7, 4), QStringLiteral("820"));
    EXPECT_EQ(ActiveCell(t, 3, col::max, 1), QStringLiteral("820"));
    EXPECT_EQ(ActiveCellInt(t, 3, col::max, 1, u','), 820);
    // Only the number characters of a cell are converted.
    EXPECT_EQ(ActiveCellInt(t, 1, col::multimetre, 0, u','), 3430);
}
