// The charts window as the user sees it: what the four charts hold, the wheel, the double click.
#include "ui/window_fixture.h"
#include "ui/charts_window/chart_view.h"
#include "ui/charts_window/charts_window.h"
#include "ui/parameters_window/parameters_window.h"
#include "support/qt_printers.h"
#include "wait_until.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {
struct Charts {
    SampleSeries series;
    Regional regional = Regional::French();
    ChartsWindow window;

    Charts()
    {
        window.SetSource(&series, &regional);
        window.resize(1000, 700);
        window.show();
    }
    /// Reading n stored and fed, as ProcessReading does: value1 = n, the others fixed.
    void Feed(int count)
    {
        for (int i = 0; i < count; ++i) {
            series.EnsureRoomForNext();
            const int n = ++series.sampleCount;
            Sample& s = series.At(n);
            s.time = TimeValue(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)).addSecs(n));
            s.value1 = n;
            s.value2 = 20;
            s.phValue = 7;
            s.oxValue = 80 + n % 3;
            window.FeedCharts();
        }
    }
    int Points(int chart) const { return window.charts[chart]->Series()->count(); }
};

void Wheel(QWidget* w, int delta)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}
}  // namespace

TEST(ChartsWindow, EveryReadingThenPacketsAsTheRunGrows)
{
    Charts c;
    EXPECT_EQ(c.window.windowTitle(), QStringLiteral("Graphiques et enregistrement"));
    EXPECT_EQ(c.window.charts[3]->chart()->title(), QStringLiteral("O2 dissout"));
    EXPECT_EQ(c.window.charts[1]->Series()->pen().color(), QColor(255, 0, 0));
    EXPECT_FALSE(c.window.GroupBox_points->isVisible());
    c.window.CheckBox_options->setChecked(true);
    EXPECT_TRUE(c.window.GroupBox_points->isVisible());

    c.window.RadioGroup_points_par_chart->button(0)->click();  // "tous"
    c.Feed(10);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(c.Points(k), 10);
    }
    EXPECT_EQ(c.window.Label2->text(), QStringLiteral("tous les 10 points"));
    EXPECT_EQ(c.window.Label1->text(), QStringLiteral("10"));
    const QStringList labels = c.window.charts[0]->AxisX()->categoriesLabels();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.first(), QStringLiteral("07/12/2026 10:00:03"));  // readings inside the line
    EXPECT_EQ(labels.last(), QStringLiteral("10:00:08"));  // the same day: its date said once

    // 100 points per chart: every reading up to 99, then packets of two at 100.
    c.window.RadioGroup_points_par_chart->button(1)->click();
    c.Feed(89);
    EXPECT_EQ(c.Points(0), 99);
    EXPECT_EQ(c.window.Label7->text(), QStringLiteral("0 points par calcul"));
    c.Feed(1);
    EXPECT_EQ(c.Points(0), 50);
    EXPECT_EQ(c.window.charts[0]->Series()->at(0).x(), 2);
    EXPECT_EQ(c.window.Label7->text(), QStringLiteral("1 points par calcul"));
    // "moyenne " rebuilds at once: the mean of readings 1 and 2 is 1.5.
    c.window.RadioGroup_traitement->button(1)->click();
    EXPECT_DOUBLE_EQ(c.window.charts[0]->Series()->at(0).y(), 1.5);
}

TEST(ChartsWindow, WheelZoomAndDoubleClick)
{
    Charts c;
    c.window.RadioGroup_points_par_chart->button(0)->click();
    c.Feed(100);
    ChartView* chart = c.window.charts[0];
    chart->AxisY()->setRange(0, 100);
    Wheel(chart->viewport(), 120);
    EXPECT_DOUBLE_EQ(chart->AxisY()->min(), 10);
    EXPECT_DOUBLE_EQ(chart->AxisY()->max(), 90);
    Wheel(chart->viewport(), -120);
    EXPECT_DOUBLE_EQ(chart->AxisY()->min(), 2);
    EXPECT_DOUBLE_EQ(chart->AxisY()->max(), 98);
    // Zoomed: new readings leave the range alone; a double click returns to the data's range.
    c.Feed(50);
    EXPECT_DOUBLE_EQ(chart->AxisY()->max(), 98);
    QTest::mouseDClick(chart->viewport(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(chart->AxisY()->min(), 1);
    EXPECT_DOUBLE_EQ(chart->AxisY()->max(), 150);
    EXPECT_FALSE(chart->UserView());
}

TEST(ChartsWindow, OpenedFromEitherWindowWithThreeProbesAndResetByStart)
{
    Fixture f;
    MainWindow& w = *f.window;
    ParametersWindow& p = *w.parameters();
    p.CheckBox_ph_ox_3sondes->setChecked(true);
    ASSERT_TRUE(Find<QPushButton>(w, "Button1")->isEnabled());
    f.Click(Find<QPushButton>(w, "Button1"));
    ChartsWindow& charts = *w.charts();
    EXPECT_TRUE(charts.isVisible());
    EXPECT_EQ(charts.size(), w.size());
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 20000));
    EXPECT_GE(charts.charts[0]->Series()->count(), 4);  // fed as the readings come
    f.Click(Find<QPushButton>(w, "Button_stop"));
    f.Click(charts.Button2);
    EXPECT_FALSE(charts.isVisible());
    p.Button5->click();
    EXPECT_TRUE(charts.isVisible());
    // A new Start clears the charts before its first reading.
    charts.hide();
    f.Click(Find<QPushButton>(w, "Button_START"));
    EXPECT_EQ(charts.charts[0]->Series()->count(), 0);
    f.Click(Find<QPushButton>(w, "Button_stop"));
}

TEST(ChartsWindow, AWheelNotchKeepsTimeFollowingUnitsShowAndDatesAreNotRepeated)
{
    Charts c;
    c.window.RadioGroup_points_par_chart->button(0)->click();
    c.Feed(100);
    ChartView* zoomed = c.window.charts[0];
    Wheel(zoomed->viewport(), 120);
    const double yMin = zoomed->AxisY()->min();
    const double yMax = zoomed->AxisY()->max();
    c.Feed(50);
    // The values stay as the operator zoomed them; the time axis follows the new readings, as on the other charts.
    EXPECT_DOUBLE_EQ(zoomed->AxisY()->min(), yMin);
    EXPECT_DOUBLE_EQ(zoomed->AxisY()->max(), yMax);
    EXPECT_EQ(zoomed->AxisX()->max(), c.window.charts[1]->AxisX()->max());
    for (ChartView* chart : c.window.charts) {
        EXPECT_FALSE(chart->AxisY()->titleText().isEmpty());  // every chart says its unit
        int withDate = 0;
        for (const QString& label : chart->AxisX()->categoriesLabels()) {
            withDate += label.contains(u'/') ? 1 : 0;
        }
        EXPECT_LE(withDate, 1);  // the readings are on one day: its date once
    }
}
