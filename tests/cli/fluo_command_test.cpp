// sondalog-cli on a fluorometer's files: the table in ppb, and the dye test analysed in ppb against
// the advection–dispersion solution that made the file.
#include "cli/cli_runner.h"
#include "fluorometer/fluorometer_fixtures.h"

#include <QTemporaryDir>

using namespace fluo_fixtures;

TEST(CliFluo, TheFileConvertedAndTheDyeTestAnalysedInPpb)
{
    QTemporaryDir dir;
    const DyeTest test;
    const QString constants = dir.filePath(QStringLiteral("453.cal.txt"));
    const QString logged = dir.filePath(QStringLiteral("453.txt"));
    ASSERT_TRUE(sondalog::WriteFileAtomically(constants, sondalog::JoinCrLf(ConstantsFile(false))).isEmpty());
    const QDateTime injection(QDate(2017, 3, 23), QTime(14, 0), Qt::UTC);
    ASSERT_TRUE(sondalog::WriteFileAtomically(logged, sondalog::JoinCrLf(SpaceAlignedFile(test, injection, 300, 72))).isEmpty());

    const QString table = dir.filePath(QStringLiteral("453_ppb.csv"));
    const CliResult fluo = RunCli({QStringLiteral("fluo"), logged, QStringLiteral("--calibration"), constants,
                                   QStringLiteral("--t0"), QStringLiteral("2017-03-23 14:00:00"), QStringLiteral("--locale"),
                                   QStringLiteral("fr_FR"), QStringLiteral("--out"), table});
    ASSERT_EQ(fluo.exitCode, 0) << fluo.err.toStdString();
    const QStringList rows = *sondalog::ReadTextLines(table);
    ASSERT_EQ(rows.size(), 1 + 12 + 1 + 72 * 12);
    EXPECT_TRUE(rows[13].startsWith(QStringLiteral("0,0000;0,000;"))) << rows[13].toStdString();
    EXPECT_NEAR(rows[13 + 120].section(u';', 1, 1).replace(u',', u'.').toDouble(), test.Ppb(36000), 0.002);

    // Corrected on the way: the water at 11.5 °C, uranine's fluorescence falls by 0.36 % a degree, so at 25 °C the
    // dye reads exp(0.0036 × (11.5 − 25)) = 0.95256 times the signal's ppb.
    const CliResult warm = RunCli({QStringLiteral("fluo"), logged, QStringLiteral("--calibration"), constants,
                                   QStringLiteral("--t0"), QStringLiteral("2017-03-23 14:00:00"), QStringLiteral("--temperature"),
                                   QStringLiteral("0.0036")});
    ASSERT_EQ(warm.exitCode, 0) << warm.err.toStdString();
    EXPECT_NEAR(warm.out.split(u'\n')[13 + 120].section(u';', 1, 1).toDouble(), test.Ppb(36000) * 0.95256, 0.002);
    for (const QStringList& bad : {QStringList{QStringLiteral("--turbidity"), QStringLiteral("3")},
                                   QStringList{QStringLiteral("--background"), QStringLiteral("3")},
                                   QStringList{QStringLiteral("--crosstalk"), QStringLiteral("1")}}) {
        const CliResult refused = RunCli(QStringList{QStringLiteral("fluo"), logged, QStringLiteral("--calibration"), constants} + bad);
        EXPECT_NE(refused.exitCode, 0) << bad.join(u' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }

    // The analysis: t0 the injection's reading (the 13th), 500 g at 100 L/s, 1,000 m.
    const CliResult a = RunCli({QStringLiteral("analyse"), logged, QStringLiteral("--calibration"), constants,
                                QStringLiteral("--tracer"), QStringLiteral("1"), QStringLiteral("--t0"), QStringLiteral("13"),
                                QStringLiteral("--distance"), QStringLiteral("1000"), QStringLiteral("--mass-g"),
                                QStringLiteral("500"), QStringLiteral("--discharge"), QStringLiteral("100")});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    EXPECT_EQ(a.Value(QStringLiteral("concentration.unit")), QStringLiteral("ppb"));
    // The inverse Gaussian: mean x / v = 36,000 s, all 500 g back, fitted v 100 m/h and D 1 m²/s.
    EXPECT_NEAR(a.Value(QStringLiteral("recovered.g")).toDouble(), 500, 5);
    EXPECT_NEAR(a.Value(QStringLiteral("recovery.percent")).toDouble(), 100, 1);
    EXPECT_NEAR(a.Value(QStringLiteral("mean.seconds")).toDouble(), 36000, 360);
    EXPECT_NEAR(a.Value(QStringLiteral("fit.velocity")).toDouble(), 100, 1);
    EXPECT_NEAR(a.Value(QStringLiteral("fit.dispersion")).toDouble(), 1, 0.02);
    EXPECT_NEAR(a.Value(QStringLiteral("fit.recovery")).toDouble(), 100, 1);

    // A calibration that cannot convert converts nothing, and says why.
    QStringList noWater = ConstantsFile(false);
    noWater[noWater.indexOf(QStringLiteral("Eau"))] = QStringLiteral("Uranine 2");
    ASSERT_TRUE(sondalog::WriteFileAtomically(constants, sondalog::JoinCrLf(noWater)).isEmpty());
    const CliResult refused = RunCli({QStringLiteral("fluo"), logged, QStringLiteral("--calibration"), constants});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("sans eau"))) << refused.err.toStdString();
}
