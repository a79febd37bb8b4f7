#include "ui/screenshot_scenes.h"

#include "analysis/run_analysis.h"
#include "ui/charts_window/charts_window.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/main_window/view_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace sondalog {

namespace {

void SaveAndEnd(QWidget* widget, const QString& file)
{
    widget->grab().save(file);
    QCoreApplication::exit(0);
}

/// Waits for the fit of the analysis, then saves the window.
void AnalysisScene(MainWindow& window, const QString& file)
{
    window.panels().analysis->UpdateAnalysis();
    auto* wait = new QTimer(&window);
    QObject::connect(wait, &QTimer::timeout, &window, [&window, file, wait] {
        if (!window.panels().analysis->FitRunning() && window.panels().analysis->analysis().fit.ok) {
            wait->stop();
            SaveAndEnd(&window, file);
        }
    });
    wait->start(100);
}

/// The run has its readings: the scene is set and saved.
void SceneAfterRun(MainWindow& window, const QString& file, const QString& scene)
{
    const int presses = scene == QLatin1String("contrast1") ? 1 : scene == QLatin1String("contrast2") ? 2 : 0;
    for (int i = 0; i < presses; ++i) {
        window.panels().view->Button_contrasteClick();
    }
    if (scene == QLatin1String("analysis")) {
        AnalysisScene(window, file);
    } else if (scene == QLatin1String("open")) {
        // The question "open" asks first: which kind of file. It is modal: seen from a timer.
        QTimer::singleShot(500, &window, [file] {
            if (QWidget* question = QApplication::activeModalWidget()) {
                question->grab().save(file);
                question->close();
            }
            QCoreApplication::exit(0);
        });
        window.panels().runPanel->Button_open_file->click();
    } else if (scene == QLatin1String("charts")) {
        window.panels().runPanel->Button1->click();
        QTimer::singleShot(500, &window, [&window, file] { SaveAndEnd(window.charts(), file); });
    } else {
        SaveAndEnd(&window, file);
    }
}

/// The parameters window with the speeds offered for the active instrument.
void ParametersScene(MainWindow& window, const QString& file)
{
    QTimer::singleShot(300, &window, [&window, file] {
        ParametersWindow* p = window.parameters();
        p->show();
        p->activateWindow();
        const int speed = p->table.ColumnByName(col::vitesse);
        p->SetCurrentCell(p->activeRow, speed);
        p->stringgrid1DblClick();
        const QRect cell = p->stringgrid1->visualRect(p->tableModel->index(p->activeRow, speed));
        QMouseEvent move(QEvent::MouseMove, cell.center(), p->stringgrid1->viewport()->mapToGlobal(cell.center()),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(p->stringgrid1->viewport(), &move);
        QTimer::singleShot(500, p, [p, file] { SaveAndEnd(p, file); });
    });
}

/// The fluorometer's calibration dialog, from the parameters window.
void CalibrationScene(MainWindow& window, const QString& file)
{
    QTimer::singleShot(300, &window, [&window, file] {
        window.parameters()->show();
        window.parameters()->GroupBox_tracage->Button_etalonnage->click();
        QTimer::singleShot(500, &window, [file] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top->inherits("sondalog::CalibrationDialog")) {
                    SaveAndEnd(top, file);
                    return;
                }
            }
            QCoreApplication::exit(1);
        });
    });
}

void ChooserScene(MainWindow& window, const QString& file)
{
    QTimer::singleShot(500, &window, [&window, file] {
        if (!window.panels().recording->ChooserOpen()) {
            window.panels().recording->SpeedButton_choix_repClick();
        }
        // The folder views fill in.
        QTimer::singleShot(800, &window, [&window, file] { SaveAndEnd(&window, file); });
    });
}


}  // namespace

void ScreenshotRun(MainWindow& window, const QString& file, int readings, const QString& scene)
{
    window.parameters()->CheckBox_demo->setChecked(true);
    window.parameters()->CheckBox_demo_rapide->setChecked(true);
    window.confirm = [](const QString&) { return false; };
    window.openEditor = nullptr;
    if (scene == QLatin1String("parameters")) {
        ParametersScene(window, file);
        return;
    }
    if (scene == QLatin1String("chooser")) {
        ChooserScene(window, file);
        return;
    }
    if (scene == QLatin1String("calibration")) {
        CalibrationScene(window, file);
        return;
    }
    if (scene == QLatin1String("charts")) {
        window.parameters()->CheckBox_ph_ox_3sondes->setChecked(true);
    }
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, file, readings, poll, scene] {
        const int n = window.run().state.series.sampleCount;
        if (window.runState() == RunState::Baseline && n >= 40) {
            window.panels().runPanel->Button_goClick();
        }
        if (window.runState() == RunState::Tracing && n >= readings) {
            poll->stop();
            SceneAfterRun(window, file, scene);
        }
    });
    QTimer::singleShot(300, &window, [&window, poll] {
        window.panels().runPanel->Button_STARTClick();
        poll->start(20);
    });
}

}  // namespace sondalog
