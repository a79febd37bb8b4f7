// The simulated fluorometer's rows, read over its terminal, are the instrument's own layout: the
// fluorometer reader takes them, and its two dyes and its turbidity event are where they were sent.
#include "fluorometer/fluorometer_file.h"
#include "serial/line_port.h"
#include "simulator.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(SimulatedFluorometer, SendsRowsTheFluorometerReaderTakes)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    // Uranine's pulse from reading 5 (peak at 15, 100 ppb above the baseline), turbidity at 20, sulforhodamine at 25.
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("fluorometer"), QStringLiteral("--interval"),
                         QStringLiteral("0.03"), QStringLiteral("--count"), QStringLiteral("40"), QStringLiteral("--baseline"),
                         QStringLiteral("0"), QStringLiteral("--amplitude"), QStringLiteral("100"),
                         QStringLiteral("--pulse-start"), QStringLiteral("5"), QStringLiteral("--pulse-rise"),
                         QStringLiteral("10"), QStringLiteral("--pulse-width"), QStringLiteral("4"), QStringLiteral("--delay"),
                         QStringLiteral("0.3")});
    LinePort port;
    ASSERT_TRUE(port.Open(link + QStringLiteral(": bauds=9600 parity=N data=8 stop=1")));
    port.SetTimeouts(100);
    QStringList rows{QStringLiteral("Simulated Fluorometer #1  -   Signals in mV"), QStringLiteral("-----------"),
                     QStringLiteral("#  Time  R  Tracer 1  Tracer 2  Tracer 3  Turbidity  Baseline  Battery V  T  Conductiv")};
    QObject::connect(&port, &LinePort::lineReceived, [&](const QString& l) {
        if (!l.trimmed().isEmpty()) {
            rows << l.trimmed();
        }
    });
    ASSERT_TRUE(WaitUntil([&] { return rows.size() >= 3 + 40 || sim.Finished(); }, 20000));
    WaitUntil([&] { return rows.size() >= 3 + 40; }, 1000);
    const FluorometerFile f = ReadFluorometerLines(rows);
    ASSERT_TRUE(f.error.isEmpty()) << f.error.toStdString();
    ASSERT_EQ(f.readings.size(), 40u);
    auto lamp = [&f](int reading, int l) { return *f.readings[static_cast<std::size_t>(reading - 1)].lamps[static_cast<std::size_t>(l - 1)]; };
    // Before anything: the water's signals.
    EXPECT_NEAR(lamp(1, 1), 1.19, 0.01);
    EXPECT_NEAR(lamp(1, 4), 0.80, 0.01);
    // Uranine's peak at reading 15 on L1 (6.13 mV per ppb); turbidity's at 20 on L4 (16 mV per NTU).
    EXPECT_NEAR(lamp(15, 1), 1.19 + 613.06 + 1.0 * 20 * std::exp(-6.25), 0.5);
    EXPECT_NEAR(lamp(20, 4), 0.80 + 16 * 20, 0.01);
    // Sulforhodamine's at 25 on L2, half of uranine's height.
    EXPECT_GT(lamp(25, 2), lamp(35, 2));
    EXPECT_GT(lamp(25, 2), 10.2 + 1.454 * 45);
}
