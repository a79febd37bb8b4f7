// Recordings a field test really gives, written here from the advection–dispersion solution (its formula
// written again in this file, not taken from the program): clock changes, a drifting background, noise, a
// cut tail, times that go back. The analysis must give back the test that made them, or say why it cannot.
#include "analysis/conduits_fit.h"
#include "analysis/run_analysis.h"
#include "analysis/tracer_inputs_file.h"
#include "util/text_file.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace sondalog;

namespace {
constexpr double kPi = 3.14159265358979323846;

// x = 2,500 m, v = 150 m/h, D = 2 m²/s, 20 kg of salt, 300 L/s at the spring, k = 0.5, base 450 µS/cm.
struct TracerTest {
    double x = 2500;
    double v = 150.0 / 3600;
    double d = 2;
    double massKg = 20;
    double dischargeLs = 300;
    double k = 0.5;
    double base = 450;
    /// Flux concentration of an instant injection, mg/L (Kreft & Zuber 1978).
    double C(double t) const
    {
        if (t <= 0) {
            return 0;
        }
        const double a = massKg * 1e6 / dischargeLs;
        return a * x / std::sqrt(4 * kPi * d * t * t * t) * std::exp(-(x - v * t) * (x - v * t) / (4 * d * t));
    }
    double Mean() const { return x / v; }  // the flux concentration is an inverse Gaussian: mean x/v, variance 2Dx/v³
};

struct Recording {
    double noisePercent = 0;     ///< of the peak, normal
    unsigned seed = 1;
    double driftPerDay = 0;      ///< µS/cm
    double cutBelowPercent = 0;  ///< the record stops once C falls below this share of the peak
    QDateTime start = QDateTime(QDate(2026, 6, 10), QTime(8, 0), QTimeZone("Europe/Paris"));
};

const QTimeZone kParis("Europe/Paris");

/// 100 readings before t0, then one a minute for 3 days, stamped with the wall clock of Paris.
SampleSeries Record(const TracerTest& test, const Recording& r, int& t0)
{
    std::mt19937 random(r.seed);
    double peak = 0;
    for (int s = 60; s < 3 * 86400; s += 60) {
        peak = std::max(peak, test.C(s));
    }
    std::normal_distribution<double> noise(0, peak / test.k * r.noisePercent / 100);
    SampleSeries series;
    series.Resize(3 * 1440 + 200);
    const QDateTime injection = r.start;
    t0 = 100;
    bool pastPeak = false;
    for (int i = -99; i <= 3 * 1440; ++i) {
        const double t = i * 60.0;
        const double c = test.C(t);
        pastPeak = pastPeak || (t > 0 && c < test.C(t - 60));
        if (r.cutBelowPercent > 0 && pastPeak && c < peak * r.cutBelowPercent / 100) {
            break;
        }
        Sample s;
        const QDateTime at = injection.addSecs(static_cast<qint64>(t)).toTimeZone(kParis);
        s.time = TimeValue(QDateTime(at.date(), at.time()));  // the wall clock, as the PC stamps it
        s.value1 = test.base + r.driftPerDay * (t / 86400) + c / test.k + (r.noisePercent > 0 ? noise(random) : 0);
        series.At(++series.sampleCount) = s;
    }
    return series;
}

TracerInputs Inputs(const TracerTest& test)
{
    TracerInputs in;
    in.distance = test.x;
    in.mass = test.massKg;
    in.discharge = test.dischargeLs;
    in.factor = test.k;
    return in;
}

RunAnalysis Analyse(const TracerTest& test, const Recording& r)
{
    int t0 = 0;
    const SampleSeries series = Record(test, r, t0);
    return AnalyseSeries(series, t0, Inputs(test), 0, kParis);
}
}  // namespace

TEST(FieldAnalysis, ClockChangesLeaveTheTestAsItWas)
{
    const TracerTest test;
    const RunAnalysis clean = Analyse(test, {});
    ASSERT_TRUE(clean.error.isEmpty()) << clean.error.toStdString();
    ASSERT_TRUE(clean.figures.recoveryPercent && clean.figures.meanSeconds && clean.figures.dispersion);
    EXPECT_NEAR(*clean.figures.recoveryPercent, 100, 1);
    EXPECT_NEAR(*clean.figures.meanSeconds / test.Mean(), 1, 0.01);
    struct Case {
        const char* what;
        QDateTime start;
    };
    // The night of the change falls in the passage (t̄ is 16.7 h after the injection).
    const Case cases[] = {
        {"spring forward", QDateTime(QDate(2026, 3, 28), QTime(14, 0), kParis)},
        {"autumn back", QDateTime(QDate(2026, 10, 24), QTime(14, 0), kParis)},
    };
    for (const Case& c : cases) {
        Recording r;
        r.start = c.start;
        const RunAnalysis a = Analyse(test, r);
        ASSERT_TRUE(a.error.isEmpty()) << c.what << ": " << a.error.toStdString();
        EXPECT_EQ(a.figures.n, clean.figures.n) << c.what;  // not a reading dropped
        ASSERT_TRUE(a.figures.recoveryPercent) << c.what;
        EXPECT_NEAR(*a.figures.recoveryPercent, *clean.figures.recoveryPercent, 1) << c.what;
        EXPECT_NEAR(*a.figures.meanSeconds, *clean.figures.meanSeconds, 60) << c.what;
        EXPECT_NEAR(*a.figures.dispersion / *clean.figures.dispersion, 1, 0.01) << c.what;
    }
}

TEST(FieldAnalysis, ADriftingBackgroundIsTakenOff)
{
    const TracerTest test;
    Recording r;
    r.driftPerDay = 5;  // probe fouling: +5 µS/cm a day, as much as the peak itself in a day
    const RunAnalysis a = Analyse(test, r);
    ASSERT_TRUE(a.error.isEmpty());
    EXPECT_NEAR(a.figures.drift, 5.0 / 24, 0.05 * 5 / 24);
    ASSERT_TRUE(a.figures.recoveryPercent && a.figures.peakSeconds && a.figures.dispersion);
    EXPECT_NEAR(*a.figures.recoveryPercent, 100, 3);
    EXPECT_LT(*a.figures.peakSeconds, 86400);  // not the last reading
    EXPECT_NEAR(*a.figures.dispersion / test.d, 1, 0.1);
}

TEST(FieldAnalysis, NoiseNeitherRuinsTheMomentsNorFiresTheArrival)
{
    const TracerTest test;
    double peak = 0;
    for (int s = 60; s < 3 * 86400; s += 60) {
        peak = std::max(peak, test.C(s));
    }
    // The truth's own crossing of three standard deviations of the noise (2 % of the peak).
    double crossing = 0;
    while (test.C(crossing) <= 3 * 0.02 * peak) {
        crossing += 1;
    }
    std::vector<double> dispersions;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Recording r;
        r.noisePercent = 2;
        r.seed = seed;
        const RunAnalysis a = Analyse(test, r);
        ASSERT_TRUE(a.figures.dispersion && a.figures.firstSeconds) << seed;
        dispersions.push_back(*a.figures.dispersion);
        EXPECT_NEAR(*a.figures.dispersion / test.d, 1, 0.15) << seed;
        EXPECT_GE(*a.figures.firstSeconds, 0.8 * crossing) << seed;
        EXPECT_NEAR(*a.figures.recoveryPercent, 100, 3) << seed;
    }
}

TEST(FieldAnalysis, ACutTailIsExtrapolatedOrSaidProvisional)
{
    const TracerTest test;
    const RunAnalysis whole = Analyse(test, {});
    Recording r;
    r.cutBelowPercent = 5;
    const RunAnalysis cut = Analyse(test, r);
    ASSERT_TRUE(cut.figures.variance && whole.figures.variance);
    const bool close = std::abs(*cut.figures.variance / *whole.figures.variance - 1) <= 0.03;
    EXPECT_TRUE(close || cut.figures.provisional) << *cut.figures.variance / *whole.figures.variance;
    ASSERT_TRUE(cut.figures.tailPercent);
    EXPECT_GT(*cut.figures.tailPercent, 0);
    EXPECT_FALSE(whole.figures.provisional);

    // The same end set by the user on the whole record: the moments stop there, the tail is extrapolated.
    int t0 = 0;
    const SampleSeries series = Record(test, {}, t0);
    TracerInputs inputs = Inputs(test);
    inputs.endSeconds = *cut.figures.endSeconds;
    const RunAnalysis ended = AnalyseSeries(series, t0, inputs, 0, kParis);
    ASSERT_TRUE(ended.figures.endSeconds && ended.figures.variance && ended.figures.tailPercent);
    EXPECT_EQ(*ended.figures.endSeconds, *cut.figures.endSeconds);
    EXPECT_NEAR(*ended.figures.variance / *whole.figures.variance, 1, 0.03);
    EXPECT_NEAR(*ended.figures.tailPercent, *cut.figures.tailPercent, 0.5);
    inputs.endSeconds = 3600;  // before the peak (16 h): no passage ends there
    const RunAnalysis early = AnalyseSeries(series, t0, inputs, 0, kParis);
    EXPECT_EQ(early.figures.endSeconds, whole.figures.endSeconds);
    EXPECT_TRUE(early.figures.notes.join(u' ').contains(QStringLiteral("avant le pic")));
}

TEST(FieldAnalysis, TimesThatCannotBeTheTestsStopItWithTheReadingNamed)
{
    const TracerTest test;
    struct Case {
        const char* what;
        int reading;
        qint64 shift;  ///< seconds added to that reading's time; kNoTime: no time
        QString said;
    };
    const Case cases[] = {
        {"clock set back a quarter of an hour", 700, -900, QStringLiteral("l'heure recule à la mesure n° 700")},
        {"a stamp that did not read", 650, kNoTime, QStringLiteral("mesure n° 650 sans heure lisible")},
    };
    for (const Case& c : cases) {
        int t0 = 0;
        SampleSeries series = Record(test, {}, t0);
        for (int n = c.reading; n <= series.sampleCount; ++n) {
            Sample& s = series.At(n);
            s.time = c.shift == kNoTime ? (n == c.reading ? kNoTime : s.time) : s.time + c.shift;
        }
        const RunAnalysis a = AnalyseSeries(series, t0, Inputs(test), 0, kParis);
        EXPECT_TRUE(a.error.contains(c.said)) << c.what << ": " << a.error.toStdString();
        EXPECT_FALSE(a.figures.recoveryPercent) << c.what;
    }
}

TEST(FieldAnalysis, TheFitNeverBridgesAGapAndSaysHowFarToTrustIt)
{
    const TracerTest test;
    const TracerInputs inputs = Inputs(test);
    // One reading a minute with 2 % noise; the instrument unplugged two hours in the rising limb.
    int t0 = 0;
    Recording r;
    r.noisePercent = 2;
    const SampleSeries full = Record(test, r, t0);
    SampleSeries gap;
    gap.Resize(full.sampleCount + 10);
    for (int n = 1; n <= full.sampleCount; ++n) {
        const double hours = (n - t0) / 60.0;
        if (hours >= 12 && hours < 14) {
            continue;
        }
        gap.At(++gap.sampleCount) = full.At(n);
    }
    double peak = 0;
    for (int s = 60; s < 3 * 86400; s += 60) {
        peak = std::max(peak, test.C(s));
    }
    const double noise = 0.02 * peak;  // mg/L
    int covered = 0;
    for (const SampleSeries* series : std::initializer_list<const SampleSeries*>{&full, &gap}) {
        RunAnalysis a = AnalyseSeries(*series, t0, inputs, 0, kParis);
        FitRun(a, inputs);
        ASSERT_TRUE(a.fit.ok) << a.fit.message.toStdString();
        // The misfit is the noise's, gap or no gap: no point stands in the gap.
        EXPECT_NEAR(a.fit.rmse / noise, 1, 0.15);
        EXPECT_TRUE(a.fit.reliable);
        covered += std::abs(a.fit.velocity - test.v * 3600) <= a.fit.velocityCi95;
    }
    EXPECT_EQ(covered, 2);
    // A record of noise alone: the fit may converge, it is no result.
    std::vector<std::pair<double, double>> flat;
    std::mt19937 random(7);
    std::normal_distribution<double> n01(0, noise);
    for (int i = 0; i < 3000; ++i) {
        flat.emplace_back(i * 60.0, (i > 900 && i < 1000 ? 0.2 * peak : 0) + n01(random));
    }
    const AdeFit weak = FitAde(flat, test.x, {test.v, test.d, 1e4}, test.massKg, test.dischargeLs);
    EXPECT_FALSE(weak.ok && weak.reliable);
}

TEST(FieldAnalysis, TheIntervalsHoldTheTruthInAboutNineteenDrawsOfTwenty)
{
    // 40 draws of 2 % noise: a 95 % interval that holds the truth in fewer than 34 is too narrow (for 95 %
    // coverage, 34 or fewer happens once in a hundred sets of draws). The background's own error is part of it.
    const TracerTest test;
    const TracerInputs inputs = Inputs(test);
    const double truthR = 100;
    int v = 0, d = 0, r = 0;
    constexpr int kDraws = 40;
    for (unsigned seed = 1; seed <= kDraws; ++seed) {
        Recording rec;
        rec.noisePercent = 2;
        rec.seed = 100 + seed;
        int t0 = 0;
        const SampleSeries series = Record(test, rec, t0);
        RunAnalysis a = AnalyseSeries(series, t0, inputs, 0, kParis);
        FitRun(a, inputs);
        ASSERT_TRUE(a.fit.ok && a.fit.recovery && a.fit.recoveryCi95) << a.fit.message.toStdString();
        v += std::abs(a.fit.velocity - test.v * 3600) <= a.fit.velocityCi95;
        d += std::abs(a.fit.dispersion - test.d) <= a.fit.dispersionCi95;
        r += std::abs(*a.fit.recovery - truthR) <= *a.fit.recoveryCi95;
    }
    std::printf("95 %% intervals holding the truth in %d draws: v %d, D %d, R %d\n", kDraws, v, d, r);
    EXPECT_GE(v, 34);
    EXPECT_GE(d, 34);
    EXPECT_GE(r, 34);
}

TEST(FieldAnalysis, ADischargeThatVariesGivesTheMassThatCameBack)
{
    const TracerTest test;
    // The spring falls from 300 to 150 L/s over the three days: the same mass comes back more concentrated.
    auto q = [](double t) { return 300 - 150 * t / (3 * 86400); };
    int t0 = 0;
    SampleSeries series = Record(test, {}, t0);
    for (int n = t0; n <= series.sampleCount; ++n) {
        const double t = (n - t0) * 60.0;
        series.At(n).value1 = test.base + test.C(t) * test.dischargeLs / q(t) / test.k;
    }
    struct Case {
        const char* what;
        QStringList lines;
    };
    const Case cases[] = {
        {"hours since t0, decimal comma", {QStringLiteral("heures;L/s"), QStringLiteral("0;300"), QStringLiteral("72;150")}},
        {"dates and times", {QStringLiteral("10/06/2026 08:00;300,0"), QStringLiteral("13/06/2026 08:00;150.0")}},
    };
    for (const Case& c : cases) {
        TracerInputs in = Inputs(test);
        const DischargeFile file = ReadDischargeLines(c.lines);
        ASSERT_TRUE(file.error.isEmpty()) << c.what << ": " << file.error.toStdString();
        in.dischargeEntries = file.entries;
        const RunAnalysis a = AnalyseSeries(series, t0, in, 0, kParis);
        ASSERT_TRUE(a.figures.recoveryPercent) << c.what;
        EXPECT_NEAR(*a.figures.recoveryPercent, 100, 1) << c.what;
    }
    // With the first discharge alone the same curve says far more came back than was injected.
    const RunAnalysis constant = AnalyseSeries(series, t0, Inputs(test), 0, kParis);
    EXPECT_GT(*constant.figures.recoveryPercent, 110);
    // A line that is neither is named.
    EXPECT_TRUE(ReadDischargeLines({QStringLiteral("0;300"), QStringLiteral("demain;12")}).error.contains(QStringLiteral("ligne 2")));
}

TEST(FieldAnalysis, AnInjectionThatLastedIsFittedAsThePulseItWas)
{
    const TracerTest test;
    const double pulse = 4 * 3600;  // the salt poured in over four hours
    // The pulse's curve: the instant one averaged over the injection (Simpson's rule, 400 intervals).
    auto pulsed = [&](double t) {
        const int n = 400;
        double sum = 0;
        for (int j = 0; j <= n; ++j) {
            const double w = j == 0 || j == n ? 1 : (j % 2 ? 4 : 2);
            sum += w * test.C(t - pulse * j / n);
        }
        return sum / (3.0 * n);
    };
    std::vector<std::pair<double, double>> curve;
    for (int i = 0; i <= 3 * 1440; ++i) {
        curve.emplace_back(i * 60.0, pulsed(i * 60.0));
    }
    const AdeGuess start{test.v * 0.9, test.d * 1.5, test.massKg * 1e6 / test.dischargeLs};
    const AdeFit asPulse = FitAde(curve, test.x, start, test.massKg, test.dischargeLs, pulse);
    ASSERT_TRUE(asPulse.ok) << asPulse.message.toStdString();
    EXPECT_NEAR(asPulse.velocity / (test.v * 3600), 1, 0.01);
    EXPECT_NEAR(asPulse.dispersion / test.d, 1, 0.02);
    EXPECT_NEAR(*asPulse.recovery, 100, 1);
    // Taken for an instant, the same curve reads slower: two hours late on a 16.7-hour transit.
    const AdeFit asInstant = FitAde(curve, test.x, start, test.massKg, test.dischargeLs);
    ASSERT_TRUE(asInstant.ok);
    EXPECT_LT(asInstant.velocity / (test.v * 3600), 0.95);
}

TEST(FieldAnalysis, TheDischargeFileIsKeptWithTheTracerInputsAndReadWithThem)
{
    QTemporaryDir dir;
    const QString series = dir.filePath(QStringLiteral("debit.csv"));
    ASSERT_TRUE(WriteFileAtomically(series, JoinCrLf({QStringLiteral("heures;L/s"), QStringLiteral("0;300"),
                                                      QStringLiteral("72;150")}))
                    .isEmpty());
    struct Case {
        QString file;
        std::size_t entries;
        bool error;
    };
    const Case cases[] = {
        {series, 2, false},
        {dir.filePath(QStringLiteral("absent.csv")), 0, true},  // said, and the constant discharge serves
        {QString(), 0, false},
    };
    for (const Case& c : cases) {
        TracerSettings s;
        s.inputs.discharge = 300;
        s.dischargeFile = c.file;
        const QString path = dir.filePath(QStringLiteral("Sondalog.trc"));
        ASSERT_TRUE(SaveTracerSettings(path, s).isEmpty());
        const TracerSettings back = LoadTracerSettings(path);
        EXPECT_EQ(back.dischargeFile, c.file);
        EXPECT_EQ(back.Effective().dischargeEntries.size(), c.entries) << c.file.toStdString();
        EXPECT_EQ(!back.dischargeError.isEmpty(), c.error) << c.file.toStdString();
        EXPECT_EQ(back.Effective().discharge, std::optional<double>(300));
    }
}

TEST(FieldAnalysis, TwoConduitsAreFoundAsTwo)
{
    // 70 % of the mass through a conduit at 150 m/h, 30 % through one at 60 m/h, both with D = 2 m²/s.
    TracerTest fast;
    TracerTest slow;
    slow.v = 60.0 / 3600;
    std::vector<std::pair<double, double>> two;
    std::vector<std::pair<double, double>> one;
    for (int i = 0; i <= 6 * 1440; ++i) {
        const double t = i * 60.0;
        two.emplace_back(t, 0.7 * fast.C(t) + 0.3 * slow.C(t));
        one.emplace_back(t, fast.C(t));
    }
    const AdeGuess start{fast.v, fast.d, fast.massKg * 1e6 / fast.dischargeLs};
    for (const auto* curve : {&two, &one}) {
        const AdeFit single = FitAde(*curve, fast.x, start, fast.massKg, fast.dischargeLs);
        ASSERT_TRUE(single.ok);
        const ConduitsFit fit = FitConduits(*curve, fast.x, single, 0, fast.massKg, fast.dischargeLs);
        ASSERT_TRUE(fit.ok) << fit.message.toStdString();
        ASSERT_TRUE(fit.recovery);
        EXPECT_NEAR(*fit.recovery, 100, 1);  // all of it came back, by both ways
        if (curve == &one) {
            EXPECT_EQ(fit.components.size(), 1u);
            continue;
        }
        ASSERT_EQ(fit.components.size(), 2u);
        EXPECT_NEAR(fit.components[0].velocity / 150, 1, 0.05);
        EXPECT_NEAR(fit.components[1].velocity / 60, 1, 0.05);
        EXPECT_NEAR(fit.components[0].fraction, 0.7, 0.05);
        EXPECT_NEAR(fit.components[1].fraction, 0.3, 0.05);
        // The single curve misses the second passage: it says far less came back.
        EXPECT_LT(*single.recovery, 90);
    }
}
