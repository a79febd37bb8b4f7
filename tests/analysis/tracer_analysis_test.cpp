// Breakthrough curves made from the advection–dispersion solution itself: the analysis must give
// back what made them.
#include "analysis/ade_fit.h"
#include "analysis/figure_text.h"
#include "analysis/tracer_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace sondalog;

namespace {
struct Truth {
    double x = 500;        // m
    double v = 0.02;       // m/s (72 m/h)
    double d = 0.1;        // m²/s
    double massKg = 10;
    double dischargeLs = 100;
    double r = 1;
    double Amplitude() const { return r * massKg * 1e6 / dischargeLs; }
    double Mean() const { return x / v; }
    double Variance() const { return 2 * d * x / (v * v * v); }
};

const double kBaseline = 400;  // µS/cm
const double kFactor = 0.5;    // mg/L per µS/cm

/// Readings after t0 every `step` seconds up to `end`, as conductivity; noise in % of the peak.
std::vector<CurvePoint> Curve(const Truth& truth, double step, double end, double noisePercent = 0)
{
    std::mt19937 random(2026);
    const double peak = AdeConcentration(truth.x / truth.v, truth.x, truth.v, truth.d, truth.Amplitude());
    std::normal_distribution<double> noise(0, peak * noisePercent / 100);
    std::vector<CurvePoint> curve;
    for (double t = 0; t <= end; t += step) {
        double c = AdeConcentration(t, truth.x, truth.v, truth.d, truth.Amplitude());
        if (noisePercent > 0) {
            c += noise(random);
        }
        curve.push_back({t, kBaseline + c / kFactor});
    }
    return curve;
}

TracerInputs Inputs(const Truth& truth)
{
    TracerInputs in;
    in.distance = truth.x;
    in.mass = truth.massKg;
    in.discharge = truth.dischargeLs;
    in.factor = kFactor;
    return in;
}

std::vector<std::pair<double, double>> Concentrations(const std::vector<CurvePoint>& curve)
{
    std::vector<std::pair<double, double>> c;
    for (const CurvePoint& p : curve) {
        c.emplace_back(p.seconds, kFactor * (p.value - kBaseline));
    }
    return c;
}
}  // namespace

TEST(TracerAnalysis, MomentsAndRecoveryOfACurveSampledToItsEnd)
{
    const Truth truth;
    for (double step : {1.0, 10.0}) {
        const std::vector<CurvePoint> curve = Curve(truth, step, 80000);
        const TracerFigures f = AnalyseCurve(curve, kBaseline, 0, Inputs(truth));
        ASSERT_TRUE(f.meanSeconds && f.variance && f.dispersion && f.recoveryPercent) << step;
        EXPECT_NEAR(*f.meanSeconds / truth.Mean(), 1, 0.005) << step;
        EXPECT_NEAR(*f.variance / truth.Variance(), 1, 0.005) << step;
        EXPECT_NEAR(*f.dispersion / truth.d, 1, 0.005) << step;
        EXPECT_NEAR(*f.recoveryPercent, 100, 0.5) << step;
        EXPECT_NEAR(*f.velocityMean, 72, 72 * 0.005) << step;
        EXPECT_NEAR(*f.dispersivity, truth.d / truth.v, truth.d / truth.v * 0.01) << step;
        EXPECT_NEAR(*f.peclet, truth.x * truth.v / truth.d, truth.x * truth.v / truth.d * 0.01) << step;
        EXPECT_FALSE(f.provisional) << step;
        // The peak of this solution stands before its mean; the first arrival before both.
        ASSERT_TRUE(f.firstSeconds && f.peakSeconds);
        EXPECT_LT(*f.firstSeconds, *f.peakSeconds);
        EXPECT_LT(*f.peakSeconds, *f.meanSeconds);
    }
}

TEST(TracerAnalysis, TheFitGivesBackVelocityDispersionAndRecovery)
{
    const Truth truth;
    struct Case {
        double step;
        double noise;
        double tolerance;
    };
    for (const Case& c : {Case{1, 0, 0.001}, Case{10, 0, 0.001}, Case{1, 1, 0.03}, Case{10, 1, 0.03}}) {
        const std::vector<CurvePoint> curve = Curve(truth, c.step, 80000, c.noise);
        const TracerFigures f = AnalyseCurve(curve, kBaseline, 0, Inputs(truth));
        // Started from the moments, as the program does.
        const AdeGuess guess{truth.x / *f.meanSeconds, *f.dispersion, *f.recoveredKg * 1e6 / truth.dischargeLs};
        const AdeFit fit = FitAde(Concentrations(curve), truth.x, guess, truth.massKg, truth.dischargeLs);
        ASSERT_TRUE(fit.ok) << fit.message.toStdString();
        EXPECT_NEAR(fit.velocity / (truth.v * 3600), 1, c.tolerance) << c.step << " " << c.noise;
        EXPECT_NEAR(fit.dispersion / truth.d, 1, c.tolerance) << c.step << " " << c.noise;
        ASSERT_TRUE(fit.recovery);
        EXPECT_NEAR(*fit.recovery / 100, 1, c.tolerance) << c.step << " " << c.noise;
        EXPECT_GT(fit.r2, 0.95);
        EXPECT_GE(fit.velocitySe, 0);
        if (c.noise > 0) {
            // The uncertainty says something: the truth lies within a few standard errors.
            EXPECT_LT(std::abs(fit.velocity - truth.v * 3600), 5 * fit.velocitySe + 1e-9);
        }
    }
}

TEST(TracerAnalysis, TheFitFindsItsWayFromARoughStart)
{
    const Truth truth;
    const std::vector<CurvePoint> curve = Curve(truth, 10, 80000);
    const AdeGuess rough{truth.v * 1.4, truth.d * 0.5, truth.Amplitude() * 0.7};
    const AdeFit fit = FitAde(Concentrations(curve), truth.x, rough, truth.massKg, truth.dischargeLs);
    ASSERT_TRUE(fit.ok) << fit.message.toStdString();
    EXPECT_NEAR(fit.velocity / (truth.v * 3600), 1, 0.001);
    EXPECT_NEAR(fit.dispersion / truth.d, 1, 0.001);
    EXPECT_NEAR(*fit.recovery, 100, 0.1);
}

TEST(TracerAnalysis, ACurveCutBeforeItsTailIsProvisional)
{
    const Truth truth;
    const TracerFigures f = AnalyseCurve(Curve(truth, 10, 30000), kBaseline, 0, Inputs(truth));
    EXPECT_TRUE(f.provisional);
    EXPECT_TRUE(f.notes.join(u' ').contains(QStringLiteral("courbe incomplète")));
    ASSERT_TRUE(f.recoveryPercent);
    EXPECT_LT(*f.recoveryPercent, 95);
}

TEST(TracerAnalysis, BadInputGivesMessagesNeverNumbersThatAreNot)
{
    const Truth truth;
    auto finiteOrEmpty = [](const TracerFigures& f) {
        for (const std::optional<double>& v : {f.firstSeconds, f.peakSeconds, f.peakConcentration, f.meanSeconds,
                                               f.variance, f.velocityFirst, f.velocityPeak, f.velocityMean, f.dispersion,
                                               f.dispersivity, f.peclet, f.recoveredKg, f.recoveryPercent}) {
            if (v && !std::isfinite(*v)) {
                return false;
            }
        }
        return true;
    };
    // A flat curve, a single reading, negative concentrations only, no distance, no k.
    std::vector<CurvePoint> flat;
    for (int t = 0; t < 100; ++t) {
        flat.push_back({double(t), kBaseline});
    }
    std::vector<CurvePoint> below = flat;
    for (CurvePoint& p : below) {
        p.value -= 5;
    }
    TracerInputs noDistance = Inputs(truth);
    noDistance.distance.reset();
    TracerInputs noFactor = Inputs(truth);
    noFactor.factor = 0;
    struct Case {
        std::vector<CurvePoint> curve;
        TracerInputs inputs;
        QString note;
    };
    const std::vector<Case> cases = {
        {flat, Inputs(truth), QStringLiteral("courbe plate")},
        {{{0, 500}}, Inputs(truth), QStringLiteral("pas assez de mesures")},
        {below, Inputs(truth), QStringLiteral("courbe plate")},
        {Curve(truth, 10, 80000), noDistance, QStringLiteral("distance nécessaire")},
        {Curve(truth, 10, 80000), noFactor, QStringLiteral("facteur")},
    };
    for (const Case& c : cases) {
        const TracerFigures f = AnalyseCurve(c.curve, kBaseline, 0, c.inputs);
        EXPECT_TRUE(f.notes.join(u' ').contains(c.note)) << c.note.toStdString() << ": " << f.notes.join(u'|').toStdString();
        EXPECT_TRUE(finiteOrEmpty(f)) << c.note.toStdString();
    }
    // Fits that cannot be made: no start, too few points, a curve the model cannot follow.
    EXPECT_FALSE(FitAde(Concentrations(flat), 500, {0, 0, 0}, 10, 100).ok);
    EXPECT_FALSE(FitAde({{1, 2}, {2, 3}}, 500, {0.02, 0.1, 1e5}, 10, 100).ok);
    std::vector<std::pair<double, double>> noise;
    std::mt19937 random(1);
    for (int t = 0; t < 200; ++t) {
        noise.emplace_back(t, std::uniform_real_distribution<double>(-1, 1)(random));
    }
    const AdeFit wild = FitAde(noise, 500, {1e6, 1e9, 1e-30}, 10, 100);
    if (!wild.ok) {
        EXPECT_FALSE(wild.message.isEmpty());
    } else {
        EXPECT_TRUE(std::isfinite(wild.velocity) && std::isfinite(wild.rmse));
    }
    EXPECT_NEAR(StandardDeviation({1, 2, 3, 4}), std::sqrt(5.0 / 3.0), 1e-12);
    EXPECT_NEAR(*FactorFromStandards({{100, 200}, {200, 400}, {300, 600}}), 0.5, 1e-12);
    EXPECT_FALSE(FactorFromStandards({{100, 200}}));
}

TEST(FigureText, TimesAndNumbersAsAHydrogeologistReadsThem)
{
    struct Duration {
        std::optional<double> seconds;
        const char* text;
    };
    const Duration durations[] = {
        {45.4, "45 s"},         {750, "12 min 30 s"},   {25260, "7 h 01 min"},  {56580, "15 h 43 min"},
        {190800, "2 j 05 h"},   {-90, "-1 min 30 s"},   {std::nullopt, "—"},
    };
    for (const Duration& d : durations) {
        EXPECT_EQ(ElapsedText(d.seconds), QString::fromUtf8(d.text)) << d.text;
    }
    struct Number {
        std::optional<double> value;
        const char* unit;
        const char* text;
    };
    const Number numbers[] = {
        {81820.4, "m/h", "81820 m/h"}, {125.2, "m²/s", "125,2 m²/s"}, {0.657, "kg", "0,657 kg"},
        {32.85, "%", "32,85 %"},       {0.99712, "", "0,9971"},        {600, "", "600"},
        {2e10, "", "2e+10"},           {0.0, "", "0"},                 {std::nullopt, "m", "—"},
    };
    for (const Number& n : numbers) {
        EXPECT_EQ(FigureText(n.value, QString::fromUtf8(n.unit)), QString::fromUtf8(n.text)) << n.text;
    }
}
