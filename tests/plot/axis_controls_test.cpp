#include "instrument/parameter_file.h"
#include "plot/axis_controls.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(AxisControls, CleanNumberTextReadsTheFrenchDigitRow)
{
    struct Case {
        QString typed;
        QString clean;
    };
    const Case cases[] = {
        {QStringLiteral("1é5"), QStringLiteral("125")},
        {QStringLiteral("&é\"'(è_çà"), QStringLiteral("123457890")},
        {QStringLiteral("7,5 µS"), QStringLiteral("7,5")},
        {QStringLiteral("7.5"), QStringLiteral("7,5")},
        {QStringLiteral("-1E3x"), QStringLiteral("-1E3")},
        {QStringLiteral("abc"), QString()},
        {QString(300, u'1') + QStringLiteral("2"), QString(255, u'1')},  // only 255 characters looked at
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CleanNumberText(c.typed, u','), c.clean) << c.typed.toStdString();
    }
}

TEST(AxisControls, ABoxGoesIntoTheAxisAndTheActivePair)
{
    InstrumentTable table;
    FillExampleRows(table);
    AxisScale y1;
    AxisScale y2;
    EXPECT_EQ(ApplyAxisBox(QStringLiteral("1é5"), {1, AxisField::Max}, y1, y2, table, 1, u','), QStringLiteral("125"));
    EXPECT_DOUBLE_EQ(y1.max, 125);
    EXPECT_EQ(ActiveCell(table, 1, col::max, 0), QStringLiteral("125"));
    ApplyAxisBox(QStringLiteral("2,5"), {2, AxisField::Graduation}, y1, y2, table, 1, u',');
    EXPECT_DOUBLE_EQ(y2.graduation, 2.5);
    EXPECT_EQ(ActiveCell(table, 1, col::graduation, 1), QStringLiteral("2,5"));
    ApplyAxisBox(QStringLiteral("pas un nombre"), {1, AxisField::Min}, y1, y2, table, 1, u',');
    EXPECT_DOUBLE_EQ(y1.min, 0);  // nothing reported, as the operator sees at once
}

TEST(AxisControls, ProposedValuesAroundTheLimit)
{
    const QStringList list = propose_liste_val_grad(50, 1000);
    ASSERT_EQ(list.size(), 21);
    EXPECT_EQ(list.first(), QStringLiteral("1500"));
    EXPECT_EQ(list.at(1), QStringLiteral("1450"));
    EXPECT_EQ(list.at(10), QStringLiteral("1000"));
    EXPECT_EQ(list.last(), QStringLiteral("500"));
    EXPECT_EQ(propose_liste_val_grad(0.1, 0.3).at(0), QStringLiteral("1.3"));  // shortest texts
}

TEST(AxisControls, ZoomStepsThroughATenthTheRangeAndFiveRanges)
{
    AxisScale y1;
    y1.maxRead = 820;
    y1.minRead = 700;
    struct Step {
        QString max;
        QString min;
    };
    const Step expected[] = {{QStringLiteral("     840"), QStringLiteral("     680")},
                             {QStringLiteral("     820"), QStringLiteral("     700")},
                             {QStringLiteral("    1500"), QStringLiteral("     100")}};
    int state = 0;
    for (const Step& e : expected) {
        const ZoomStep z = NextZoom(state, QStringLiteral("820,0"), QStringLiteral("700,0"), y1,
                                    QStringLiteral("µ=0;m=3;k=1;F=3"), QStringLiteral("µ"), u',');
        state = z.state;
        ASSERT_TRUE(z.maxText && z.minText);
        EXPECT_EQ(*z.maxText, e.max);
        EXPECT_EQ(*z.minText, e.min);
    }
    // Before the first reading the captions are words: the state moves on, nothing else.
    const ZoomStep none = NextZoom(2, QStringLiteral("max lu"), QStringLiteral("min lu"), y1, QString(), QString(), u',');
    EXPECT_EQ(none.state, 0);
    EXPECT_FALSE(none.maxText);
}

TEST(AxisControls, ContrastModesAndWhichLabelsTakeWhichColour)
{
    const QColor background(250, 250, 200);
    const QColor c1(0, 100, 255);
    const QColor c2(200, 0, 88);
    const ContrastScheme normal = ContrastFor(0, background, c1, c2);
    EXPECT_EQ(normal.background, background);
    EXPECT_EQ(normal.colour1, c1);
    EXPECT_EQ(normal.otherColour, QColor(Qt::black));
    EXPECT_EQ(normal.checkBoxY2Colour, QColor(Qt::red));
    EXPECT_EQ(normal.multimetreColour, QColor(0, 128, 0));
    EXPECT_EQ(normal.questionPanel, QColor(85, 240, 182));
    const ContrastScheme white = ContrastFor(1, background, c1, c2);
    EXPECT_EQ(white.background, QColor(Qt::white));
    EXPECT_EQ(white.colour1, QColor(Qt::black));
    EXPECT_EQ(white.colour2, QColor(Qt::black));
    EXPECT_EQ(white.otherColour, QColor(Qt::black));
    EXPECT_EQ(white.questionPanel, QColor(Qt::white));
    const ContrastScheme black = ContrastFor(2, background, c1, c2);
    EXPECT_EQ(black.background, QColor(Qt::black));
    EXPECT_EQ(black.colour2, QColor(Qt::white));
    EXPECT_EQ(black.multimetreColour, QColor(Qt::white));
    EXPECT_TRUE(normal.quantity1Labels.contains(QStringLiteral("Label_val_grand1")));
    EXPECT_TRUE(normal.quantity2Labels.contains(QStringLiteral("Label_val_grand2")));
    EXPECT_TRUE(normal.otherLabels.contains(QStringLiteral("Label_n")));
}

TEST(AxisControls, LayoutAtAGivenWindowSize)
{
    const MainLayout wide = FormResizeLayout(QSize(1366, 700), 100, 900, 300);
    EXPECT_EQ(wide.panel1Height, 700 - 100 - 35);
    EXPECT_TRUE(wide.wideControlsVisible);
    EXPECT_TRUE(wide.memo2Visible);
    const MainLayout narrow = FormResizeLayout(QSize(1279, 700), 100, 150, 1270);
    EXPECT_FALSE(narrow.wideControlsVisible);
    EXPECT_FALSE(narrow.memo2Visible);
    EXPECT_FALSE(narrow.prefixVisible);  // 1270 + 20 is past the right edge
}

TEST(AxisControls, ABoxThatWouldInvertOrEmptyTheGraphIsRefused)
{
    AxisScale y1;
    y1.max = 750;
    y1.min = 700;
    y1.graduation = 50;
    AxisScale y2;
    y2.max = 30;
    y2.min = 10;
    y2.graduation = 5;
    struct Case {
        QString text;
        AxisBox box;
        bool refused;
    };
    const Case cases[] = {
        {QStringLiteral("800"), {1, AxisField::Max}, false},   {QStringLiteral("650"), {1, AxisField::Max}, true},
        {QStringLiteral("700"), {1, AxisField::Max}, true},    {QString(), {1, AxisField::Max}, true},
        {QStringLiteral("abc"), {1, AxisField::Min}, true},    {QStringLiteral("760"), {1, AxisField::Min}, true},
        {QStringLiteral("690"), {1, AxisField::Min}, false},   {QStringLiteral("0"), {1, AxisField::Graduation}, true},
        {QStringLiteral("-5"), {2, AxisField::Graduation}, true}, {QStringLiteral("2,5"), {2, AxisField::Graduation}, false},
        {QStringLiteral("5"), {2, AxisField::Max}, true},      {QStringLiteral("&é"), {2, AxisField::Max}, false},  // the digit row: 12
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AxisBoxRefusal(c.text, c.box, y1, y2, u',').has_value(), c.refused) << c.text.toStdString();
    }
    EXPECT_EQ(AxisBoxValue({2, AxisField::Min}, y1, y2), 10);
}
