// Test entry point for tests that need Qt's event loop (timers, serial ports, windows).

#ifdef SONDALOG_TEST_WIDGETS
#include <QApplication>
#endif
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
#ifdef SONDALOG_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
