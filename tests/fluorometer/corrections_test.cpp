// The corrections as round trips: lamp signals built here from a known dye curve plus what the lamps
// see besides it (turbidity, another dye, a natural background, the water's temperature), each
// corrected back to the dye.
#include "fluorometer/calibration_file.h"
#include "fluorometer/corrections.h"
#include "fluorometer/fluorometer_fixtures.h"

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
constexpr double kWater[4] = {1.19, 10.20, 5.30, 0.80};

/// A dye's passage over 48 hours, peak 200 ppb at 12 h, one reading every 10 min.
double Dye(double hours)
{
    return 200 * std::exp(-(hours - 12) * (hours - 12) / 8);
}

/// Uranine on L1 (100 ppb: 614.25 mV, and 40.6 mV on L2), sulforhodamine on L2 (100 ppb: 155.6 mV, 3.10 mV on
/// L1), one standard each: their lamps read linearly.
FluorometerCalibration TwoDyes()
{
    FluorometerCalibration c;
    c.water = LampSignals{kWater[0], kWater[1], kWater[2], kWater[3]};
    c.tracers.push_back({QStringLiteral("Uranine"), 1, {{100, 614.25}}, LampSignals{614.25, 40.6, 8.1, 1.2}, 100});
    c.tracers.push_back({QStringLiteral("SrhodaminB"), 2, {{100, 155.6}}, LampSignals{3.10, 155.6, 12.4, 1.0}, 100});
    return c;
}

/// Readings every 10 minutes over 48 h from `t0`, each lamp given by `lamps(hours)`.
FluorometerFile Readings(const std::function<LampSignals(double)>& lamps, const std::function<double(double)>& temperature)
{
    FluorometerFile f;
    for (int i = 0; i <= 48 * 6; ++i) {
        const double h = i / 6.0;
        FluorometerReading r;
        r.line = i + 4;
        r.instantMs = static_cast<qint64>(h * 3.6e6);
        const LampSignals mv = lamps(h);
        for (int k = 0; k < 4; ++k) {
            r.lamps[static_cast<std::size_t>(k)] = mv[static_cast<std::size_t>(k)];
        }
        r.temperature = temperature(h);
        f.readings.push_back(r);
    }
    return f;
}

double UranineDelta(double ppb)
{
    return ppb * (614.25 - kWater[0]) / 100;
}

/// The largest gap between the corrected tracer and the truth, as a share of the truth's peak.
double WorstShare(const CorrectedReadings& out, int tracer, const std::function<double(double)>& truth)
{
    double worst = 0;
    for (std::size_t i = 0; i < out.ppb.size(); ++i) {
        const std::optional<double>& v = out.ppb[i][static_cast<std::size_t>(tracer)];
        if (!v) {
            return 1e9;
        }
        worst = std::max(worst, std::abs(*v - truth(static_cast<double>(i) / 6.0)));
    }
    return worst / 200;
}
}  // namespace

TEST(FluorometerCorrections, EachRoundTripGivesTheDyeBack)
{
    // Turbidity: a lamp's share of the turbidity follows ΔL1 = 0.06 · ΔL4^1.05; the standards are made by that law
    // (L4 = 16 mV per NTU), an event of 60 NTU at 20 h sits on the falling limb.
    auto shareOnL1 = [](double l4Above) { return 0.06 * std::pow(l4Above, 1.05); };
    auto ntu = [](double h) { return 60 * std::exp(-(h - 20) * (h - 20) / 2); };
    FluorometerCalibration turbid = TwoDyes();
    for (double n : {1.0, 10.0, 100.0}) {
        const double l4 = 16 * n;
        turbid.turbidity.push_back({n, LampSignals{kWater[0] + shareOnL1(l4), kWater[1] + 0.5 * l4, kWater[2], kWater[3] + l4}});
    }
    const FluorometerFile turbidFile = Readings(
        [&](double h) {
            const double l4 = 16 * ntu(h);
            return LampSignals{kWater[0] + UranineDelta(Dye(h)) + shareOnL1(l4), kWater[1] + 0.5 * l4, kWater[2], kWater[3] + l4};
        },
        [](double) { return 12.0; });

    // Cross-talk: uranine and sulforhodamine (half as much, 6 h later) on each other's lamps through the standards.
    auto second = [](double h) { return Dye(h - 6) / 2; };
    const FluorometerFile mixed = Readings(
        [&](double h) {
            const double u = Dye(h), s = second(h);
            return LampSignals{kWater[0] + 6.1306 * u + 0.0191 * s, kWater[1] + 0.304 * u + 1.454 * s, kWater[2], kWater[3]};
        },
        [](double) { return 12.0; });

    // Natural background: L1 carries 0.3 × what L3 sees above its water, plus 2 mV; L3 drifts up and down.
    auto organic = [](double h) { return 20 + 15 * std::sin(h / 5); };
    const FluorometerFile background = Readings(
        [&](double h) {
            return LampSignals{kWater[0] + UranineDelta(Dye(h)) + 0.3 * organic(h) + 2, kWater[1], kWater[2] + organic(h), kWater[3]};
        },
        [](double) { return 12.0; });

    // Temperature: the water warms from 8 to 20 °C; uranine's fluorescence falls as exp(−0.0036 (T − 25)).
    auto warming = [](double h) { return 8 + h / 4; };
    const FluorometerFile warm = Readings(
        [&](double h) {
            return LampSignals{kWater[0] + UranineDelta(Dye(h)) * std::exp(-0.0036 * (warming(h) - 25)), kWater[1], kWater[2],
                               kWater[3]};
        },
        warming);

    FluorometerCorrections turbidity;
    turbidity.turbidityStrength = 1;
    FluorometerCorrections crosstalk;
    crosstalk.crosstalkTracers = {1, 2};
    FluorometerCorrections natural;
    natural.background = true;
    natural.backgroundLamps = {3};
    natural.windowStartHours = 4;
    natural.windowEndHours = 20;
    FluorometerCorrections temperature;
    temperature.temperatureN = {0.0036, 0, 0};

    struct Case {
        const char* what;
        const FluorometerFile* file;
        FluorometerCalibration calibration;
        FluorometerCorrections corrections;
        int tracer;
        std::function<double(double)> truth;
        double before;  ///< at least this far off uncorrected (share of the peak)
        double after;   ///< at most this far off corrected
    };
    const Case cases[] = {
        {"turbidity", &turbidFile, turbid, turbidity, 0, Dye, 0.05, 0.02},
        {"cross-talk, uranine", &mixed, TwoDyes(), crosstalk, 0, Dye, 0.0, 0.01},
        {"cross-talk, sulforhodamine", &mixed, TwoDyes(), crosstalk, 1, second, 0.2, 0.01},
        {"natural background", &background, TwoDyes(), natural, 0, Dye, 0.008, 0.002},
        {"temperature", &warm, TwoDyes(), temperature, 0, Dye, 0.03, 1e-9},
    };
    for (const Case& c : cases) {
        const CorrectedReadings raw = CorrectReadings(*c.file, c.calibration, {}, 0);
        const CorrectedReadings corrected = CorrectReadings(*c.file, c.calibration, c.corrections, 0);
        ASSERT_TRUE(raw.error.isEmpty() && corrected.error.isEmpty()) << c.what << corrected.error.toStdString();
        EXPECT_GE(WorstShare(raw, c.tracer, c.truth), c.before) << c.what;
        EXPECT_LE(WorstShare(corrected, c.tracer, c.truth), c.after) << c.what;
        std::printf("%-28s worst gap to the dye, share of its peak: %.4f raw, %.6f corrected\n", c.what,
                    WorstShare(raw, c.tracer, c.truth), WorstShare(corrected, c.tracer, c.truth));
    }
    // The background's fit says how well the other lamp explains it (the dye's faint tails outside the window
    // are all it misses).
    const CorrectedReadings fitted = CorrectReadings(background, TwoDyes(), natural, 0);
    ASSERT_TRUE(fitted.backgroundR2[0]);
    EXPECT_GT(*fitted.backgroundR2[0], 0.999);
}

TEST(FluorometerCorrections, NonLinearCalibrationsAreIteratedAndASingularMatrixRefused)
{
    // Uranine read through two standards (ln C linear in ln ΔmV, b = 1.021): its own lamp is ΔL1 = 64.28 (C/10)^(1/b),
    // sulforhodamine adds 0.0191 mV per ppb on it; sulforhodamine's lamp stays linear.
    const double b = std::log(10.0) / std::log(613.06 / 64.28);
    FluorometerCalibration c = TwoDyes();
    c.tracers[0].standards = {{10, 65.47}, {100, 614.25}};
    auto second = [](double h) { return Dye(h - 6) / 2; };
    const FluorometerFile mixed = Readings(
        [&](double h) {
            const double u = Dye(h), s = second(h);
            const double own = u > 0 ? 64.28 * std::pow(u / 10, 1 / b) : 0;
            return LampSignals{kWater[0] + own + 0.0191 * s, kWater[1] + 0.304 * u + 1.454 * s, kWater[2], kWater[3]};
        },
        [](double) { return 12.0; });
    FluorometerCorrections k;
    k.crosstalkTracers = {1, 2};
    const CorrectedReadings out = CorrectReadings(mixed, c, k, 0);
    ASSERT_TRUE(out.error.isEmpty()) << out.error.toStdString();
    EXPECT_LE(WorstShare(out, 0, Dye), 0.01);
    EXPECT_LE(WorstShare(out, 1, second), 0.01);

    // Two dyes the lamps see alike: no separation, and nothing converted.
    FluorometerCalibration alike = TwoDyes();
    alike.tracers[1].allLamps = LampSignals{kWater[0] + 2 * 613.06, kWater[1] + 2 * 30.4, 8.1, 1.2};
    const CorrectedReadings refused = CorrectReadings(mixed, alike, k, 0);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("singulière"))) << refused.error.toStdString();
    EXPECT_TRUE(refused.ppb.empty());
    // A turbidity correction without turbidity standards says so.
    FluorometerCorrections turbidity;
    turbidity.turbidityStrength = 1;
    EXPECT_TRUE(CorrectReadings(mixed, c, turbidity, 0).error.contains(QStringLiteral("étalons de turbidité")));
}

TEST(FluorometerCorrections, TheSettingsAreKeptInTheirLinesAndConductivityBroughtTo25)
{
    FluorometerCorrections k;
    k.turbidityStrength = 0.8;
    k.temperatureN = {0.0036, 0.027, 0};
    k.background = true;
    k.backgroundLamps = {3, 4};
    k.windowStartHours = 2;
    k.windowEndHours = 30.5;
    k.crosstalkTracers = {1, 2};
    QString error;
    const FluorometerCorrections back = FluorometerCorrections::FromLines(k.Lines(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(back.Lines(), k.Lines());
    EXPECT_EQ(back.backgroundLamps, k.backgroundLamps);
    FluorometerCorrections::FromLines({QStringLiteral("correction.turbidite=3")}, &error);
    EXPECT_TRUE(error.contains(QStringLiteral("turbidite=3")));
    // 500 µS/cm at 15 °C: 500 · exp(0.21) = 616.84 at 25 °C.
    EXPECT_NEAR(ConductivityAt25(500, 15), 616.839, 1e-3);
}
