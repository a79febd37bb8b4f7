// The live tracer analysis in the main window: the panel after t0, the fit drawn over the graph,
// the report and the graph saved beside the recording.
#include "analysis/run_analysis.h"
#include "ui/window_fixture.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "ui/widgets/graph_widget.h"
#include "wait_until.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(AnalysisWindow, FiguresFitAndReportOfTheDemonstration)
{
    Fixture f;
    MainWindow& w = *f.window;
    TracerInputsGroup& inputs = *w.parameters()->GroupBox_tracage;
    // Only k given: the demonstration brings its own test (10 m, 0.65 kg, 40 L/s).
    inputs.Edit_k->setText(QStringLiteral("0,5"));
    emit inputs.Edit_k->editingFinished();
    EXPECT_TRUE(QFile::exists(f.dir.filePath(QStringLiteral("config/Sondalog.trc"))));
    EXPECT_EQ(Find<QLabel>(w, "Panel_analyse")->text(), QStringLiteral("Analyse du traçage : à partir de t0"));

    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 30; }, 20000));
    f.Click(Find<QPushButton>(w, "Button_go"));
    const int t0 = w.run().state.tracingStartIndex;
    // The demonstration's pulse comes 140 readings after t0 and fades by 400.
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= t0 + 420; }, 60000));
    w.panels().analysis->UpdateAnalysis();
    ASSERT_TRUE(WaitUntil([&] { return !w.panels().analysis->FitRunning() && w.panels().analysis->analysis().fit.ok; }, 20000));
    EXPECT_TRUE(Find<QLabel>(w, "Panel_analyse")->text().contains(QStringLiteral("ajusté : v ")));
    EXPECT_TRUE(w.panels().analysis->analysis().figures.peakSeconds.has_value());
    EXPECT_GT(w.panels().analysis->analysis().fit.r2, 0.9);
    // A plausible test: its pulse (worked out by hand: area 32,740 µS/cm·s, mean 177.2 s) gives 100.7 % and 203 m/h.
    const TracerFigures& shown = w.panels().analysis->analysis().figures;
    ASSERT_TRUE(shown.recoveryPercent && shown.velocityMean);
    EXPECT_NEAR(*shown.recoveryPercent, 100.7, 3);
    EXPECT_NEAR(*shown.velocityMean, 203, 6);
    // The fitted curve is on the graph, dashed orange.
    const QImage graph = Find<GraphWidget>(w, "ImageA")->image();
    int orange = 0;
    for (int y = 0; y < graph.height(); y += 2) {
        for (int x = 0; x < graph.width(); x += 2) {
            orange += graph.pixelColor(x, y) == QColor(230, 120, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(orange, 20);

    // Stop + save: the recording, and beside it the analysis and the graph.
    f.Click(Find<QPushButton>(w, "Button_stop"));
    ASSERT_EQ(f.Recordings().size(), 1);
    const QString base = QFileInfo(f.Recordings().first()).completeBaseName();
    const QString report = f.work + QStringLiteral("/analyses/") + base + QStringLiteral("_analyse.txt");
    ASSERT_TRUE(QFile::exists(report));
    EXPECT_TRUE(QFile::exists(f.work + QStringLiteral("/analyses/") + base + QStringLiteral("_analyse.png")));
    const QString text = ReadTextLines(report)->join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("distance injection – mesure : 10 m")));
    EXPECT_TRUE(text.contains(QStringLiteral("vitesse v : ")));
    // In French, every character kept (α has no Windows-1252 code: spelled out), no scientific notation.
    EXPECT_TRUE(text.contains(QStringLiteral("dispersivité alpha : "))) << text.toStdString();
    EXPECT_FALSE(text.contains(u'?')) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("e+"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("temps de transit moyen : 2 min "))) << text.toStdString();
    EXPECT_FALSE(Find<QLabel>(w, "Panel_analyse")->text().contains(QStringLiteral("e+"))) << Find<QLabel>(w, "Panel_analyse")->text().toStdString();
    EXPECT_TRUE(Find<QLabel>(w, "Label_mess")->text().contains(QStringLiteral("analyse du traçage")));

    // The same run reopened: the same t0 reading, the same baseline, the same mean transit time (they were one
    // reading apart: 177.9 s live against 176.9 s reopened).
    const RunAnalysis live = w.panels().analysis->analysis();
    ASSERT_TRUE(live.figures.meanSeconds.has_value());
    w.choose = [](const QString&, const QStringList&) { return 1; };
    const QString recording = f.work + u'/' + f.Recordings().first();
    w.openFileName = [recording](const QString&, const QString&) { return recording; };
    WaitUntil([] { return false; }, 300);  // the run ends at its next cycle
    w.Button_open_fileClick();
    ASSERT_TRUE(WaitUntil([&] { return !w.panels().opener->LoadInProgress(); }, 20000));
    ASSERT_EQ(Find<QPushButton>(w, "Button_START")->text(), QStringLiteral("Continue"));  // the recording is the run now
    ASSERT_TRUE(w.run().records.isEmpty());
    w.panels().analysis->UpdateAnalysis();
    ASSERT_TRUE(WaitUntil([&] { return !w.panels().analysis->FitRunning(); }, 20000));
    EXPECT_EQ(w.panels().analysis->analysis().t0, live.t0);
    EXPECT_DOUBLE_EQ(w.panels().analysis->analysis().figures.baseline, live.figures.baseline);
    ASSERT_TRUE(w.panels().analysis->analysis().figures.meanSeconds.has_value());
    EXPECT_NEAR(*w.panels().analysis->analysis().figures.meanSeconds, *live.figures.meanSeconds, 1e-6);
}
