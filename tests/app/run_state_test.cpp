#include "app/run_state.h"

#include <gtest/gtest.h>

using namespace sondalog;

TEST(QuestionPanel, WidthFollowsTheLongestLine)
{
    EXPECT_EQ(FitQuestionPanelWidth(QString()), 641);
    EXPECT_EQ(FitQuestionPanelWidth(QString(60, u'x') + u'\n' + QString(10, u'y')), 780);
    EXPECT_EQ(BaselineMessage(QStringLiteral("traçage => t0")),
              QStringLiteral("acquisition de la ligne de base\nattendre environ une minute ou n ~ 60\npuis [traçage => t0]"
                             "  pour marquer le début du traçage"));
}

TEST(MouseGuide, OnePixelPerStepAlongTheLongerAxis)
{
    const std::vector<QPoint> flat = GuidePath({0, 0}, {4, 2});
    ASSERT_EQ(flat.size(), 4u);
    EXPECT_EQ(flat.back(), QPoint(4, 2));
    EXPECT_EQ(flat[1], QPoint(2, 1));
    const std::vector<QPoint> diagonal = GuidePath({10, 10}, {7, 7});  // equal: the vertical axis leads
    ASSERT_EQ(diagonal.size(), 3u);
    EXPECT_EQ(diagonal[0], QPoint(9, 9));
    EXPECT_TRUE(GuidePath({3, 3}, {3, 3}).empty());
}

TEST(DecimalSign, QuestionOnlyWhenTheyDisagree)
{
    EXPECT_TRUE(DecimalSignQuestion(0, u',').isEmpty());
    EXPECT_TRUE(DecimalSignQuestion(1, u'.').isEmpty());
    EXPECT_EQ(DecimalSignQuestion(0, u'.'),
              QStringLiteral(" Le signe décimal du fichier de sortie (virgule)\n\n n'est pas en phase avec celui de "
                             "l'ordinateur (point)\n\n mettre le fichier en phase avec l'ordinateur (.)    ?"));
}

TEST(MainWindowPlace, NeverLargerThanTheScreenAndTitleBarOnIt)
{
    struct Case {
        QSize size;
        QRect available;
        QMargins frame;
        QRect placed;
    };
    const Case cases[] = {
        // A 1366 x 768 laptop with a 24-pixel panel: the 1280 x 800 window is made to fit, title bar in view.
        {{1280, 800}, {0, 0, 1366, 744}, {1, 30, 1, 1}, {43, 30, 1280, 713}},
        // A 1920 x 1080 desktop: widened to the screen minus 300 and centred.
        {{1280, 800}, {0, 0, 1920, 1080}, {0, 0, 0, 0}, {150, 140, 1620, 800}},
        {{1700, 800}, {0, 0, 1920, 1080}, {0, 0, 0, 0}, {110, 140, 1700, 800}},
        // A second screen to the right.
        {{1280, 800}, {1920, 0, 1366, 768}, {0, 20, 0, 0}, {1963, 20, 1280, 748}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceMainWindow(c.size, c.available, c.frame), c.placed) << c.available.width();
    }
    EXPECT_EQ(DecimalSignCaption(u','), QStringLiteral("signe décimal du PC : virgule"));
    EXPECT_EQ(DecimalSignCaption(u'.'), QStringLiteral("signe décimal du PC : point"));
}
