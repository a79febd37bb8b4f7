// A dye test logged live: sondalog-cli acquire reads the simulated fluorometer's rows through the
// instrument table's fluorometer pair and the configuration folder's calibration, records ppb with
// the raw lamps and every tracer after the usual columns, and the recording reads back.
#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_fixtures.h"
#include "fluorometer/fluorometer_setup.h"
#include "simulator.h"
#include "util/text_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Cli {
    int exitCode = -1;
    QString out, err;
};

Cli RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(SONDALOG_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
}  // namespace

TEST(FluorometerLive, ADyeTestLoggedInPpbWithItsLampsAndCalibration)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    // The fluorometer pair: quantity 1 follows L1 (uranine), L1 in the 4th blank-separated column, T in the 10th.
    ASSERT_TRUE(sondalog::WriteFileAtomically(
                    config + QStringLiteral("/Sondalog.ini"),
                    sondalog::JoinCrLf({QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                                        QStringLiteral("1,x,GGUN-FL,COM3,9600,1,uranine,300,0,50,\"0,160,0\",5,L1,espace,4,::,-"),
                                        QStringLiteral("2,,,,,,température,20,5,5,\"200,0,88\",5,T,espace,10,::,")}))
                    .isEmpty());
    const QString link = dir.filePath(QStringLiteral("port"));
    const QString recording = dir.filePath(QStringLiteral("dye.txt"));
    const QStringList acquire{QStringLiteral("acquire"), QStringLiteral("--port"), link, QStringLiteral("--mode"),
                              QStringLiteral("string"), QStringLiteral("--readings"), QStringLiteral("40"),
                              QStringLiteral("--config-dir"), config, QStringLiteral("--open-wait-scale"),
                              QStringLiteral("0.05"), QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                              QStringLiteral("--t0"), QStringLiteral("3"), QStringLiteral("--out"), recording};
    // Without a calibration a fluorometer is not read: lamps are no concentrations.
    {
        const Cli refused = RunCli(acquire);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.err.contains(QStringLiteral("étalonnage"))) << refused.err.toStdString();
    }
    sondalog::FluorometerSetup setup;
    setup.calibration = sondalog::ReadConstantsFile(fluo_fixtures::ConstantsFile(false)).calibration;
    ASSERT_TRUE(sondalog::SaveFluorometerSetup(config + QStringLiteral("/Sondalog.cal"), setup).isEmpty());

    // Uranine 100 ppb above nothing at reading 15, turbidity at 20, sulforhodamine at 25.
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("fluorometer"), QStringLiteral("--interval"),
                         QStringLiteral("0.05"), QStringLiteral("--count"), QStringLiteral("40"), QStringLiteral("--baseline"),
                         QStringLiteral("0"), QStringLiteral("--amplitude"), QStringLiteral("100"),
                         QStringLiteral("--pulse-start"), QStringLiteral("5"), QStringLiteral("--pulse-rise"),
                         QStringLiteral("10"), QStringLiteral("--pulse-width"), QStringLiteral("4"), QStringLiteral("--delay"),
                         QStringLiteral("0.5")});
    const Cli logged = RunCli(acquire);
    ASSERT_EQ(logged.exitCode, 0) << logged.err.toStdString();
    const QStringList lines = sondalog::ReadTextLines(recording).value();
    ASSERT_EQ(lines.size(), 41);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("uranine[µg/L]\ttempérature\tL1 [mV]\tL2 [mV]\tL3 [mV]\tL4 [mV]\t"
                                                 "Uranine [ppb]\tSrhodaminB [ppb]\tturbidité [NTU]\tétalonnage : etalonnage.instrument=453")))
        << lines[0].toStdString();
    // Reading 15: L1 = 1.19 + 613.06 + the turbidity's 20·e^−6.25 mV, read by the one-standard line through zero.
    QStringList peak = lines[15].split(u'\t');
    const double l1 = 1.19 + 613.06 + 20 * std::exp(-6.25);
    const double ppb = (l1 - 1.19) * 100 / 613.06;
    EXPECT_NEAR(peak[4].trimmed().replace(u',', u'.').toDouble(), ppb, 0.002);
    EXPECT_EQ(peak[5], QStringLiteral("11,50"));
    EXPECT_NEAR(peak[6].replace(u',', u'.').toDouble(), l1, 0.006);  // the raw lamp, kept for another correction
    EXPECT_NEAR(peak[10].replace(u',', u'.').toDouble(), ppb, 0.002);

    // Read back as a recording: its 40 readings, the ppb as quantity 1.
    const Cli back = RunCli({QStringLiteral("replay"), recording, QStringLiteral("--as"), QStringLiteral("own"),
                          QStringLiteral("--config-dir"), config, QStringLiteral("--locale"), QStringLiteral("fr_FR")});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_TRUE(back.out.contains(QStringLiteral("n=40"))) << back.out.toStdString();

    // Analysed again from its raw lamps, through the calibration (here the one it was made with): the same ppb.
    const QString cal = config + QStringLiteral("/Sondalog.cal");
    const Cli analysed = RunCli({QStringLiteral("analyse"), recording, QStringLiteral("--calibration"), cal,
                                 QStringLiteral("--tracer"), QStringLiteral("1")});
    ASSERT_EQ(analysed.exitCode, 0) << analysed.err.toStdString();
    EXPECT_TRUE(analysed.out.contains(QStringLiteral("t0=3\n"))) << analysed.out.toStdString();
    EXPECT_TRUE(analysed.out.contains(QStringLiteral("concentration.unit=ppb")));
    const QString peakLine = analysed.out.section(QStringLiteral("peak.concentration="), 1).section(u'\n', 0, 0);
    EXPECT_NEAR(peakLine.toDouble(), ppb, 0.002);
}

TEST(FluorometerLive, TurbidityAndCrossTalkCorrectedAsTheRowsCome)
{
    // The simulator's lamps: L1 = 1.19 + 6.1306 u + 1.0 NTU, L2 = 10.2 + 0.406 u + 1.454 s + 1.2 NTU,
    // L3 = 5.3 + 0.7 NTU, L4 = 0.8 + 16 NTU; a calibration whose standards say just that.
    const double water[4] = {1.19, 10.2, 5.3, 0.8};
    sondalog::FluorometerSetup setup;
    sondalog::FluorometerCalibration& c = setup.calibration;
    c.water = sondalog::LampSignals{water[0], water[1], water[2], water[3]};
    c.tracers.push_back({QStringLiteral("Uranine"), 1, {{100, 614.25}}, sondalog::LampSignals{614.25, 50.8, 5.3, 0.8}, 100});
    c.tracers.push_back({QStringLiteral("SrhodaminB"), 2, {{100, 155.6}}, sondalog::LampSignals{1.19, 155.6, 5.3, 0.8}, 100});
    for (double ntu : {1.0, 10.0, 100.0}) {
        c.turbidity.push_back({ntu, sondalog::LampSignals{water[0] + ntu, water[1] + 1.2 * ntu, water[2] + 0.7 * ntu,
                                                          water[3] + 16 * ntu}});
    }
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    ASSERT_TRUE(sondalog::WriteFileAtomically(
                    config + QStringLiteral("/Sondalog.ini"),
                    sondalog::JoinCrLf({QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                                        QStringLiteral("1,x,GGUN-FL,COM3,9600,1,uranine,300,0,50,\"0,160,0\",5,L1,espace,4,::,-"),
                                        QStringLiteral("2,,,,,,température,20,5,5,\"200,0,88\",5,T,espace,10,::,")}))
                    .isEmpty());
    // The same 60 rows logged twice, without and with the corrections.
    QList<QStringList> recordings;
    for (bool corrected : {false, true}) {
        setup.corrections = {};
        if (corrected) {
            setup.corrections.turbidityStrength = 1;
            setup.corrections.crosstalkTracers = {1, 2};
        }
        ASSERT_TRUE(sondalog::SaveFluorometerSetup(config + QStringLiteral("/Sondalog.cal"), setup).isEmpty());
        const QString link = dir.filePath(corrected ? QStringLiteral("port2") : QStringLiteral("port1"));
        const QString recording = dir.filePath(corrected ? QStringLiteral("after.txt") : QStringLiteral("before.txt"));
        Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("fluorometer"), QStringLiteral("--interval"),
                             QStringLiteral("0.04"), QStringLiteral("--count"), QStringLiteral("60"), QStringLiteral("--baseline"),
                             QStringLiteral("0"), QStringLiteral("--amplitude"), QStringLiteral("80"),
                             QStringLiteral("--pulse-start"), QStringLiteral("5"), QStringLiteral("--pulse-rise"),
                             QStringLiteral("14"), QStringLiteral("--pulse-width"), QStringLiteral("6"),
                             QStringLiteral("--delay"), QStringLiteral("0.5")});
        const Cli logged = RunCli({QStringLiteral("acquire"), QStringLiteral("--port"), link, QStringLiteral("--mode"),
                                   QStringLiteral("string"), QStringLiteral("--readings"), QStringLiteral("60"),
                                   QStringLiteral("--config-dir"), config, QStringLiteral("--open-wait-scale"),
                                   QStringLiteral("0.05"), QStringLiteral("--out"), recording});
        ASSERT_EQ(logged.exitCode, 0) << logged.err.toStdString();
        recordings << sondalog::ReadTextLines(recording).value();
        ASSERT_EQ(recordings.back().size(), 61);
    }
    // The truth the simulator sent at reading k (pulse from 5, peak 14 later, width 6; the second dye later and
    // wider, half as high; 20 NTU between them).
    auto uranine = [](int k) { const double x = (k - 5 - 14) / 6.0; return k >= 5 ? 80 * std::exp(-x * x) : 0.0; };
    auto second = [](int k) { const double x = (k - 5 - 28) / 12.0; return 40 * std::exp(-x * x); };
    auto column = [](const QString& line, int c) { return line.section(u'\t', c, c).trimmed().replace(u',', u'.').toDouble(); };
    double worstBefore = 0, worstAfter = 0, worstSecond = 0;
    for (int k = 1; k <= 60; ++k) {
        worstBefore = std::max(worstBefore, std::abs(column(recordings[0][k], 4) - uranine(k)));
        worstAfter = std::max(worstAfter, std::abs(column(recordings[1][k], 4) - uranine(k)));
        worstSecond = std::max(worstSecond, std::abs(column(recordings[1][k], 11) - second(k)));
        // Corrected, the record also keeps the tracer by the calibration alone: what the uncorrected run read.
        EXPECT_NEAR(column(recordings[1][k], 13), column(recordings[0][k], 4), 0.0006) << "reading " << k;
    }
    EXPECT_TRUE(recordings[1][0].contains(QStringLiteral("\tturbidité [NTU]\tUranine brut [ppb]")));
    EXPECT_EQ(recordings[0][0].count(QStringLiteral("brut")), 0);
    std::printf("live, worst gap to the dye sent (ppb): uranine %.3f raw, %.4f corrected; sulforhodamine %.4f corrected\n",
                worstBefore, worstAfter, worstSecond);
    EXPECT_GT(worstBefore, 2);      // 20 NTU reads as 3 ppb of uranine uncorrected
    EXPECT_LT(worstAfter, 0.02);    // within 2 % of the 80 ppb peak, and far better
    EXPECT_LT(worstSecond, 0.02);
}
