// Test entry point for tests that need Qt's event loop (timers, serial ports, painting, windows).

#include <QCoreApplication>
#if defined(SONDALOG_TEST_WIDGETS)
#include <QApplication>
#elif defined(SONDALOG_TEST_GUI)
#include <QGuiApplication>
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Tests never need a display, also when CTest lists them at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#if defined(SONDALOG_TEST_WIDGETS)
    QApplication app(argc, argv);
#elif defined(SONDALOG_TEST_GUI)
    QGuiApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
