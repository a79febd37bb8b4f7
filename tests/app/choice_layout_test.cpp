#include "app/choice_layout.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(ChoiceLayout, WidthFromTheTextsAndButtonsSpreadEvenly)
{
    EXPECT_EQ(LinesEndingWithBreak(QStringLiteral("a\nbb\nccc")), (QStringList{QStringLiteral("a"), QStringLiteral("bb")}));
    EXPECT_TRUE(LinesEndingWithBreak(QStringLiteral("sans fin de ligne")).isEmpty());
    struct Case {
        int clientWidth;
        QList<int> widest;
        QList<int> buttons;
        int width;
        QList<int> lefts;
    };
    const QList<Case> cases = {
        // The message's widest line (600) + 100 sets the width; three buttons: gaps of (700 - 520) div 4.
        {300, {600, 0, 0, 0}, {170, 210, 140}, 700, {45, 260, 515}},
        // Narrow texts: the buttons and 30 pixels set it.
        {100, {50, 0, 0, 0}, {170, 210, 140}, 550, {7, 184, 401}},
        // Two buttons: a third of the free width each side and between.
        {500, {0, 0, 0}, {170, 210}, 500, {40, 250}},
        // One button: centred.
        {400, {0, 0}, {170}, 400, {115}},
    };
    for (const Case& c : cases) {
        const ChoiceLayout l = LayoutChoiceButtons(c.clientWidth, c.widest, c.buttons);
        EXPECT_EQ(l.clientWidth, c.width);
        EXPECT_EQ(l.lefts, c.lefts);
    }
}
