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
