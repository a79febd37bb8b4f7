#pragma once
// A fluorometer's files written here from the instrument's description: the calibration constants
// file, the space-aligned logged file and the tab-separated export, over a dye test made from the
// advection–dispersion solution (its formula written again here, not taken from the program).

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <cmath>
#include <functional>

namespace fluo_fixtures {

constexpr double kPi = 3.14159265358979323846;

/// 500 g of uranine, 1,000 m upstream, v 100 m/h, D 1 m²/s, 100 L/s at the spring: ppb (µg/L) at t s.
struct DyeTest {
    double x = 1000, v = 100.0 / 3600, d = 1, grams = 500, litresPerSecond = 100;
    double Ppb(double t) const
    {
        if (t <= 0) {
            return 0;
        }
        const double a = grams * 1e6 / litresPerSecond;  // µg·s/L
        return a * x / std::sqrt(4 * kPi * d * t * t * t) * std::exp(-(x - v * t) * (x - v * t) / (4 * d * t));
    }
};

/// Water 1.19 / 10.20 / 5.30 / 0.80 mV; uranine on L1 by one standard of 100 ppb at 614.25 mV (so ppb = 100 ×
/// (mV − 1.19) / 613.06); sulforhodamine on L2 with two points; turbidity 1, 10, 100 NTU.
inline QStringList ConstantsFile(bool fullCalibrationOfTracer1 = false)
{
    QStringList l{QStringLiteral("GGUN-FL Fluorometer #453 calibration constants"), QStringLiteral("Last calibration: 170315"),
                  QStringLiteral("Values in mV"), QStringLiteral("----------------------------")};
    auto block = [&l](const QString& name, double a, double b, double c, double d) {
        l << name << QStringLiteral("L1 %1").arg(a, 0, 'f', 2) << QStringLiteral("L2 %1").arg(b, 0, 'f', 2)
          << QStringLiteral("L3 %1").arg(c, 0, 'f', 2) << QStringLiteral("L4 %1").arg(d, 0, 'f', 2)
          << QStringLiteral("----------------------------");
    };
    block(QStringLiteral("Eau"), 1.19, 10.20, 5.30, 0.80);
    block(QStringLiteral("Uranine"), 614.25, 40.60, 8.10, 1.20);
    block(QStringLiteral("SrhodaminB"), 3.10, 155.60, 12.40, 1.00);
    block(QStringLiteral("1 NTU"), 2.19, 11.40, 6.00, 20.80);
    block(QStringLiteral("10 NTU"), 11.19, 22.20, 12.30, 180.80);
    block(QStringLiteral("100 NTU"), 101.19, 130.20, 75.30, 1600.80);
    l << QStringLiteral("Program parameters") << QStringLiteral("Full calibration of tracer 1")
      << (fullCalibrationOfTracer1 ? QStringLiteral("2") : QStringLiteral("0"));
    if (fullCalibrationOfTracer1) {
        l << QStringLiteral("-8 65.47  log(ppb) & signal (mV)") << QStringLiteral("-7 614.25  log(ppb) & signal (mV)");
    }
    l << QStringLiteral("Full calibration of tracer 2") << QStringLiteral("2")
      << QStringLiteral("-8 25.10  log(ppb) & signal (mV)") << QStringLiteral("-7 155.60  log(ppb) & signal (mV)")
      << QStringLiteral("Tracer concentration (ppb) used in L1 to L4 lines") << QStringLiteral("100.0");
    return l;
}

/// L1's signal for a uranine concentration, by the one-standard calibration above.
inline double UranineMv(double ppb)
{
    return 1.19 + ppb * (614.25 - 1.19) / 100;
}

/// One reading every `stepSeconds` from an hour before the injection at `injection` (the logger's clock), for
/// `hours`; `missingEvery` > 0 puts "-" for L3 on every such row.
inline QStringList SpaceAlignedFile(const DyeTest& test, const QDateTime& injection, int stepSeconds, double hours,
                                    int missingEvery = 0)
{
    QStringList l{QStringLiteral("GGUN-FL Fluorometer #453  -   Signals in mV"),
                  QStringLiteral("----------------------------------------------------------------------"),
                  QStringLiteral("#  Time               R  Tracer 1  Tracer 2  Tracer 3  Turbidity  Baseline  Battery V  T  Conductiv")};
    int n = 0;
    for (double t = -3600; t <= hours * 3600; t += stepSeconds) {
        ++n;
        const QString l3 = missingEvery > 0 && n % missingEvery == 0 ? QStringLiteral("-") : QStringLiteral("5.30");
        l << QStringLiteral("%1  %2  0  %3  10.20  %4  0.80  250.00  12.4  11.50  520")
                 .arg(n, 4)
                 .arg(injection.addSecs(static_cast<qint64>(t)).toString(QStringLiteral("yy/MM/dd-hh:mm:ss")))
                 .arg(UranineMv(test.Ppb(t)), 8, 'f', 2)
                 .arg(l3, 6);
    }
    return l;
}

/// The tab-separated export: the same test, stamps in the logger's clock at UTC+1 with the Unix time.
inline QStringList TabSeparatedFile(const DyeTest& test, const QDateTime& injectionUtc, int stepSeconds, double hours)
{
    QStringList l{QStringLiteral("Timestamp\tTimestamp\tT [°C]\tF1 [mV]\tF2 [mV]\tF3 [mV]\tF4 [mV]\tVbat [V]\tI1 [mA]\t"
                                 "LED1 off\tLED1 on\tP [mbar]\tRH [%]")};
    for (double t = -3600; t <= hours * 3600; t += stepSeconds) {
        const QDateTime utc = injectionUtc.addSecs(static_cast<qint64>(t));
        const QDateTime logger = utc.addSecs(3600);
        l << logger.toString(QStringLiteral("ddd yyyy-MM-dd hh:mm:ss")) + QStringLiteral(" GMT+01:00\t") +
                 QString::number(utc.toSecsSinceEpoch()) + QStringLiteral("\t11.50\t") +
                 QString::number(UranineMv(test.Ppb(t)), 'f', 2) + QStringLiteral("\t10.20\t-\t0.80\t12.4\t-\t1\t2\t\t");
    }
    return l;
}

}  // namespace fluo_fixtures
