// Sondalog: the tracer-test logger's windows.

#include "app/config_paths.h"
#include "app/language.h"
#include "ui/main_window/main_window.h"
#include "ui/screenshot_scenes.h"
#include "util/regional.h"
#include "util/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char** argv)
{
    if (sondalog::PrintedVersion(argc, argv, QStringLiteral("sondalog"))) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sondalog"));
    QApplication::setApplicationVersion(sondalog::kVersion);
    // The installed menu entry and icon (share/applications, share/icons) name the windows too.
    QGuiApplication::setDesktopFileName(QStringLiteral("sondalog"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sondalog")));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption configDir(QStringLiteral("config-dir"), QStringLiteral("configuration folder"),
                                       QStringLiteral("DIR"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("run a short demonstration and save the window as FILE"),
                                        QStringLiteral("FILE"));
    parser.addOption(configDir);
    const QCommandLineOption scene(QStringLiteral("screenshot-scene"),
                                   QStringLiteral("what the screenshot shows: demo, chooser, contrast1, contrast2, parameters, charts, analysis, open, calibration"),
                                   QStringLiteral("SCENE"), QStringLiteral("demo"));
    parser.addOption(screenshot);
    parser.addOption(scene);
    const QCommandLineOption language(QStringLiteral("lang"), QStringLiteral("interface language: fr or en (default: the system's)"),
                                      QStringLiteral("LANG"));
    parser.addOption(language);
    parser.process(app);
    // Before any window: the captions are read as the windows are made.
    for (const QString& missing :
         sondalog::InstallTranslators(sondalog::ChooseLanguage(parser.value(language), QLocale::system()), &app)) {
        qWarning("translation %s not found: the texts stay in French", qPrintable(missing));
    }

    const sondalog::ConfigPaths paths =
        sondalog::ConfigPaths::Resolve(parser.value(configDir), QCoreApplication::applicationDirPath());
    sondalog::MainWindow window(paths, sondalog::Regional::System());
    window.show();
    if (parser.isSet(screenshot)) {
        const bool analysis = parser.value(scene) == QLatin1String("analysis");
        sondalog::ScreenshotRun(window, parser.value(screenshot), analysis ? 560 : 260, parser.value(scene));
    }
    return QApplication::exec();
}
