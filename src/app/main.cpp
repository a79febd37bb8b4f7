// Sondalog: the tracer-test logger's windows.

#include "app/config_paths.h"
#include "app/main_window.h"
#include "charts/charts_window.h"
#include "instrument/parameters_window.h"
#include "instrument/tracer_inputs_group.h"
#include "util/regional.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {
/// Runs a short demonstration past t0 and saves a picture of the main window (README, checks).
/// scene: "demo" (a tracer test past t0), "chooser" (the folder chooser open), "contrast1" or
/// "contrast2" (the demonstration in the white or the black contrast mode), "parameters" (the
/// parameters window with its choice panel open), "charts" (the charts window of a three-probe
/// demonstration), "analysis" (the tracer analysis and its fitted curve after the demonstration's pulse).
void ScreenshotRun(sondalog::MainWindow& window, const QString& file, int readings, const QString& scene)
{
    window.parameters()->CheckBox_demo->setChecked(true);
    window.parameters()->CheckBox_demo_rapide->setChecked(true);
    window.confirm = [](const QString&) { return false; };
    window.openEditor = nullptr;
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, file, readings, poll, scene] {
        const int n = window.run().state.series.sampleCount;
        if (window.runState() == sondalog::RunState::Baseline && n >= 40) {
            window.Button_goClick();
        }
        if (window.runState() == sondalog::RunState::Tracing && n >= readings) {
            poll->stop();
            const int presses = scene == QLatin1String("contrast1") ? 1 : scene == QLatin1String("contrast2") ? 2 : 0;
            for (int i = 0; i < presses; ++i) {
                window.Button_contrasteClick();
            }
            if (scene == QLatin1String("analysis")) {
                window.UpdateAnalysis();
                auto* wait = new QTimer(&window);
                QObject::connect(wait, &QTimer::timeout, &window, [&window, file, wait] {
                    if (!window.FitRunning() && window.analysis().fit.ok) {
                        wait->stop();
                        window.grab().save(file);
                        QCoreApplication::exit(0);
                    }
                });
                wait->start(100);
                return;
            }
            if (scene == QLatin1String("charts")) {
                window.Button1Click();
                QTimer::singleShot(500, &window, [&window, file] {
                    window.charts()->grab().save(file);
                    QCoreApplication::exit(0);
                });
                return;
            }
            window.grab().save(file);
            QCoreApplication::exit(0);
        }
    });
    if (scene == QLatin1String("charts")) {
        window.parameters()->CheckBox_ph_ox_3sondes->setChecked(true);
    }
    if (scene == QLatin1String("analysis")) {
        // A test 500 m from the swallow hole: 2 kg of salt, 40 L/s at the spring.
        sondalog::TracerInputsGroup* inputs = window.parameters()->GroupBox_tracage;
        inputs->Edit_distance->setText(QStringLiteral("500"));
        inputs->Edit_masse->setText(QStringLiteral("2"));
        inputs->Edit_debit->setText(QStringLiteral("40"));
        emit inputs->Edit_distance->editingFinished();
    }
    if (scene == QLatin1String("parameters")) {
        // The parameters window with the speeds offered for the active instrument.
        QTimer::singleShot(300, &window, [&window, file] {
            sondalog::ParametersWindow* p = window.parameters();
            p->show();
            p->activateWindow();
            const int speed = p->table.ColumnByName(sondalog::col::vitesse);
            p->SetCurrentCell(p->activeRow, speed);
            p->stringgrid1DblClick();
            const QRect cell = p->stringgrid1->visualItemRect(p->stringgrid1->item(p->activeRow, speed));
            QMouseEvent move(QEvent::MouseMove, cell.center(), p->stringgrid1->viewport()->mapToGlobal(cell.center()),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(p->stringgrid1->viewport(), &move);
            QTimer::singleShot(500, p, [p, file] {
                p->grab().save(file);
                QCoreApplication::exit(0);
            });
        });
        return;
    }
    if (scene == QLatin1String("chooser")) {
        QTimer::singleShot(500, &window, [&window, file] {
            if (!window.ChooserOpen()) {
                window.SpeedButton_choix_repClick();
            }
            QTimer::singleShot(800, &window, [&window, file] {  // the folder views fill in
                window.grab().save(file);
                QCoreApplication::exit(0);
            });
        });
        return;
    }
    QTimer::singleShot(300, &window, [&window, poll] {
        window.Button_STARTClick();
        poll->start(20);
    });
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sondalog"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption configDir(QStringLiteral("config-dir"), QStringLiteral("configuration folder"),
                                       QStringLiteral("DIR"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("run a short demonstration and save the window as FILE"),
                                        QStringLiteral("FILE"));
    parser.addOption(configDir);
    const QCommandLineOption scene(QStringLiteral("screenshot-scene"),
                                   QStringLiteral("what the screenshot shows: demo, chooser, contrast1, contrast2, parameters, charts, analysis"),
                                   QStringLiteral("SCENE"), QStringLiteral("demo"));
    parser.addOption(screenshot);
    parser.addOption(scene);
    parser.process(app);

    const sondalog::ConfigPaths paths =
        sondalog::ConfigPaths::Resolve(parser.value(configDir), QCoreApplication::applicationDirPath());
    sondalog::MainWindow window(paths, sondalog::Regional::System());
    window.show();
    if (parser.isSet(screenshot)) {
        const bool analysis = parser.value(scene) == QLatin1String("analysis");
        ScreenshotRun(window, parser.value(screenshot), analysis ? 560 : 260, parser.value(scene));
    }
    return QApplication::exec();
}
