// The fluorometer's calibration and files: conversions checked against hand calculations, the
// constants file and both logged layouts read from files written here, bad input refused naming the line.
#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_export.h"
#include "fluorometer/fluorometer_file.h"
#include "fluorometer/fluorometer_fixtures.h"
#include "util/text_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;
using namespace fluo_fixtures;

namespace {
FluorometerCalibration Uranine(std::vector<Standard> standards)
{
    FluorometerCalibration c;
    c.water = LampSignals{1.19, 10.2, 5.3, 0.8};
    c.tracers.push_back({QStringLiteral("Uranine"), 1, std::move(standards), std::nullopt, 0});
    return c;
}
}  // namespace

TEST(FluorometerCalibration, ConvertsAsTheStandardsSay)
{
    // Hand calculations: two standards, ln C = ln 10 + b ln(ΔmV / 64.28) with b = ln 10 / ln(613.06 / 64.28)
    // = 1.021000: 3.24 mV → 0.29665 ppb, 5.84 mV → 0.68457 ppb (0.30 and 0.69 to two places).
    struct Case {
        const char* what;
        std::vector<Standard> standards;
        double millivolts;
        double ppb;
    };
    const Case cases[] = {
        {"two standards, low", {{10, 65.47}, {100, 614.25}}, 3.24, 0.296652},
        {"two standards, higher", {{10, 65.47}, {100, 614.25}}, 5.84, 0.684571},
        {"two standards, on the first", {{10, 65.47}, {100, 614.25}}, 65.47, 10},
        {"one standard: a line through zero", {{100, 614.25}}, 308.2, 100 * (308.2 - 1.19) / 613.06},
        // Three: ln C quadratic in ln ΔmV through (ln 9, ln 1), (ln 99, ln 10), (ln 899, ln 100); at ΔmV 29
        // Lagrange's form, worked out apart, gives ln C = 1.0975234 → 2.996735 ppb.
        {"three standards", {{1, 10.19}, {10, 100.19}, {100, 900.19}}, 30.19, 2.9967350},
        {"at the water", {{10, 65.47}, {100, 614.25}}, 1.19, 0},
        {"below the water", {{10, 65.47}, {100, 614.25}}, 0.5, 0},
    };
    for (const Case& c : cases) {
        const FluorometerCalibration cal = Uranine(c.standards);
        ASSERT_TRUE(cal.Problem().isEmpty()) << c.what << cal.Problem().toStdString();
        const std::optional<double> ppb = cal.Ppb(0, c.millivolts);
        ASSERT_TRUE(ppb) << c.what;
        EXPECT_NEAR(*ppb, c.ppb, 1e-5 * std::max(1.0, c.ppb)) << c.what;
    }
}

TEST(FluorometerCalibration, ACalibrationThatCannotConvertIsRefused)
{
    struct Case {
        const char* what;
        FluorometerCalibration calibration;
        const char* says;
    };
    FluorometerCalibration noWater = Uranine({{100, 614.25}});
    noWater.water.reset();
    FluorometerCalibration wrongLamp = Uranine({{100, 614.25}});
    wrongLamp.tracers[0].lamp = 4;
    const Case cases[] = {
        {"no water blank", noWater, "sans eau"},
        {"standards going down", Uranine({{100, 614.25}, {10, 65.47}}), "non croissants"},
        {"a higher standard with less signal", Uranine({{10, 614.25}, {100, 65.47}}), "non croissants"},
        {"a standard under the water", Uranine({{10, 1.0}}), "pas au-dessus de l'eau"},
        {"four standards", Uranine({{1, 10}, {2, 20}, {3, 30}, {4, 40}}), "1 à 3"},
        {"the turbidity lamp", wrongLamp, "lampe 4"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.calibration.Problem().contains(QString::fromUtf8(c.says))) << c.what << ": "
                                                                                 << c.calibration.Problem().toStdString();
        EXPECT_FALSE(c.calibration.Ppb(0, 300).has_value()) << c.what;  // nothing converted by it
    }
}

TEST(FluorometerCalibration, TheConstantsFileIsImportedAndKeptInOurOwnLines)
{
    const CalibrationRead read = ReadConstantsFile(ConstantsFile(true));
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    const FluorometerCalibration& c = read.calibration;
    EXPECT_EQ(c.instrument, QStringLiteral("453"));
    EXPECT_EQ(c.date, QDate(2017, 3, 15));
    ASSERT_TRUE(c.water);
    EXPECT_DOUBLE_EQ((*c.water)[0], 1.19);
    ASSERT_EQ(c.tracers.size(), 2u);
    EXPECT_EQ(c.tracers[0].name, QStringLiteral("Uranine"));
    EXPECT_EQ(c.tracers[1].lamp, 2);
    ASSERT_EQ(c.tracers[0].standards.size(), 2u);  // −8 is 10 ppb, −7 100 ppb
    EXPECT_NEAR(c.tracers[0].standards[0].value, 10, 1e-9);
    EXPECT_NEAR(c.tracers[0].standards[1].value, 100, 1e-9);
    ASSERT_TRUE(c.tracers[1].allLamps);
    EXPECT_DOUBLE_EQ((*c.tracers[1].allLamps)[1], 155.6);
    EXPECT_DOUBLE_EQ(c.tracers[1].allLampsPpb, 100);
    ASSERT_EQ(c.turbidity.size(), 3u);
    EXPECT_NEAR(*c.Ppb(0, 3.24), 0.296652, 1e-5);
    // Turbidity through its three standards: at a standard's own signal, its NTU.
    EXPECT_NEAR(*c.Ntu(180.80), 10, 1e-9);
    // Without a full calibration the block's own line is the one standard (100 ppb at 614.25 mV).
    const CalibrationRead single = ReadConstantsFile(ConstantsFile(false));
    ASSERT_TRUE(single.error.isEmpty()) << single.error.toStdString();
    ASSERT_EQ(single.calibration.tracers[0].standards.size(), 1u);
    EXPECT_NEAR(*single.calibration.Ppb(0, UranineMv(42)), 42, 1e-9);

    // Our own lines, in a file and back: the same conversions.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.cal"));
    ASSERT_TRUE(SaveCalibration(path, c).isEmpty());
    const CalibrationRead back = LoadCalibration(path);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    EXPECT_EQ(CalibrationLines(back.calibration), CalibrationLines(c));
    EXPECT_NEAR(*back.calibration.Ppb(0, 5.84), 0.684571, 1e-5);

    // A block without its four lamps, a count that is no number: named by line.
    QStringList torn = ConstantsFile(true);
    torn.removeAt(torn.indexOf(QStringLiteral("L3 8.10")));
    EXPECT_TRUE(ReadConstantsFile(torn).error.startsWith(QStringLiteral("ligne 11 :"))) << ReadConstantsFile(torn).error.toStdString();
    QStringList badCount = ConstantsFile(true);
    badCount[badCount.indexOf(QStringLiteral("Full calibration of tracer 1")) + 1] = QStringLiteral("deux");
    EXPECT_TRUE(ReadConstantsFile(badCount).error.contains(QStringLiteral("illisible")));
}

TEST(FluorometerFile, BothLayoutsReadWithTheirClocksAndMissingValues)
{
    const DyeTest test;
    const QDateTime injection(QDate(2017, 3, 23), QTime(14, 0), Qt::UTC);
    QTemporaryDir dir;
    struct Case {
        const char* what;
        QStringList lines;
        bool lf;
        FluorometerLayout layout;
        int offset;
    };
    const Case cases[] = {
        {"space-aligned, CR LF", SpaceAlignedFile(test, injection, 300, 48, 7), false, FluorometerLayout::SpaceAligned, 0},
        {"space-aligned, LF", SpaceAlignedFile(test, injection, 300, 48, 7), true, FluorometerLayout::SpaceAligned, 0},
        {"tab-separated, CR LF", TabSeparatedFile(test, injection, 300, 48), false, FluorometerLayout::TabSeparated, 3600},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QByteArray bytes = JoinCrLf(c.lines);
        if (c.lf) {
            bytes.replace("\r\n", "\n");
        }
        ASSERT_TRUE(WriteFileAtomically(path, bytes).isEmpty());
        const FluorometerFile f = ReadFluorometerFile(path);
        ASSERT_TRUE(f.error.isEmpty()) << c.what << ": " << f.error.toStdString();
        EXPECT_EQ(f.layout, c.layout) << c.what;
        ASSERT_EQ(f.readings.size(), 12u + 1 + 48 * 12) << c.what;  // an hour before, 48 h after, every 5 min
        // The reading at the injection: 14:00 UTC, its lamps as written.
        const FluorometerReading& at = f.readings[12];
        EXPECT_EQ(at.instantMs, injection.toMSecsSinceEpoch()) << c.what;
        EXPECT_EQ(at.offsetSeconds, c.offset) << c.what;
        EXPECT_EQ(at.LoggerTime().time(), QTime(14, 0).addSecs(c.offset)) << c.what;
        ASSERT_TRUE(at.lamps[0] && at.lamps[1]) << c.what;
        EXPECT_DOUBLE_EQ(*at.lamps[1], 10.2) << c.what;
        EXPECT_DOUBLE_EQ(*at.temperature, 11.5) << c.what;
        const FluorometerReading& peak = f.readings[12 + 120];  // 10 h after
        EXPECT_NEAR(*peak.lamps[0], UranineMv(test.Ppb(36000)), 0.006) << c.what;
    }
    // "-" is a missing value, not a zero.
    const FluorometerFile spaced = ReadFluorometerLines(SpaceAlignedFile(test, injection, 300, 2, 7));
    EXPECT_FALSE(spaced.readings[6].lamps[2].has_value());
    EXPECT_TRUE(spaced.readings[5].lamps[2].has_value());
    const FluorometerFile tabbed = ReadFluorometerLines(TabSeparatedFile(test, injection, 300, 2));
    EXPECT_FALSE(tabbed.readings[0].lamps[2].has_value());
}

TEST(FluorometerFile, RowsThatAreNotTheLayoutsStopTheReadingWithTheLineNamed)
{
    const DyeTest test;
    const QDateTime injection(QDate(2017, 3, 23), QTime(14, 0), Qt::UTC);
    auto edited = [&](bool tabbed, int row, const std::function<void(QString&)>& edit) {
        QStringList l = tabbed ? TabSeparatedFile(test, injection, 300, 2) : SpaceAlignedFile(test, injection, 300, 2);
        edit(l[row]);
        return l;
    };
    struct Case {
        const char* what;
        QStringList lines;
        const char* says;
    };
    const Case cases[] = {
        {"a lamp missing", edited(false, 9, [](QString& r) { r = r.section(u' ', 0, 5, QString::SectionSkipEmpty); }),
         "ligne 10 : il manque des lampes"},
        {"a time that is no time", edited(false, 5, [](QString& r) { r.replace(QStringLiteral("17/03/23"), QStringLiteral("17/13/23")); }),
         "ligne 6 : heure illisible"},
        {"a value that is no number", edited(false, 7, [](QString& r) { r.replace(QStringLiteral("10.20"), QStringLiteral("1O.20")); }),
         "ligne 8 : valeur illisible"},
        {"a time going back", edited(false, 8, [](QString& r) { r.replace(QStringLiteral("17/03/23-13"), QStringLiteral("17/03/23-11")); }),
         "ligne 9 : heure antérieure"},
        {"a tabbed row cut short", edited(true, 4, [](QString& r) { r = r.section(u'\t', 0, 4); }), "ligne 5 : il manque des lampes"},
        {"a tabbed row without its offset", edited(true, 3, [](QString& r) { r.replace(QStringLiteral("GMT+01:00"), QString()); }),
         "ligne 4 : heure illisible"},
        {"a header of another instrument", edited(false, 2, [](QString& r) { r = QStringLiteral("# Time Cond Temp"); }),
         "ni fichier de fluorimètre"},
    };
    for (const Case& c : cases) {
        const FluorometerFile f = ReadFluorometerLines(c.lines);
        EXPECT_TRUE(f.error.startsWith(QString::fromUtf8(c.says))) << c.what << ": " << f.error.toStdString();
        EXPECT_TRUE(f.readings.empty()) << c.what;  // nothing kept of a file read in part
    }
}

TEST(FluorometerExport, TheTableGivesHoursSinceT0AndPpbInTheLocalesDecimals)
{
    const DyeTest test;
    const QDateTime injection(QDate(2023, 10, 17), QTime(22, 0), Qt::UTC);
    const FluorometerFile file = ReadFluorometerLines(TabSeparatedFile(test, injection, 900, 24));
    ASSERT_TRUE(file.error.isEmpty());
    const FluorometerCalibration c = ReadConstantsFile(ConstantsFile(false)).calibration;
    // t0 as the logger writes it: 23:00 at GMT+01:00 is the injection.
    const std::optional<qint64> t0 = LoggerTimeToInstantMs(file, QDateTime(QDate(2023, 10, 17), QTime(23, 0)));
    ASSERT_TRUE(t0);
    EXPECT_EQ(*t0, injection.toMSecsSinceEpoch());
    const CorrectedReadings plain = CorrectReadings(file, c, {}, *t0);
    const QStringList table = FluorometerTable(file, c, plain, *t0, u',');
    EXPECT_EQ(table[0], QStringLiteral("heures depuis t0;Uranine [ppb];SrhodaminB [ppb];turbidité [NTU];T [°C]"));
    EXPECT_TRUE(table[1].startsWith(QStringLiteral("-1,0000;0,000;")));
    QStringList tenHours = table[1 + 4 + 40].split(u';');  // an hour before, then every 15 min
    EXPECT_EQ(tenHours[0], QStringLiteral("10,0000"));
    EXPECT_NEAR(tenHours[1].replace(u',', u'.').toDouble(), test.Ppb(36000), 0.002);
    EXPECT_EQ(tenHours[4], QStringLiteral("11,50"));

    // As a curve: the readings in ppb from the injection on.
    const TracerCurve curve = TracerSeries(file, c, plain, 0, t0);
    EXPECT_EQ(curve.t0, 5);
    EXPECT_EQ(curve.series.sampleCount, static_cast<int>(file.readings.size()));
    EXPECT_TRUE(curve.note.isEmpty());
    // A tracer read on L3, which holds "-" in every row: none of it is a curve, and it says so.
    FluorometerCalibration onL3 = c;
    onL3.tracers[1].lamp = 3;
    onL3.tracers[1].standards = {{100, 155.6}};
    const TracerCurve none = TracerSeries(file, onL3, CorrectReadings(file, onL3, {}, *t0), 1, t0);
    EXPECT_EQ(none.series.sampleCount, 0);
    EXPECT_TRUE(none.note.startsWith(QStringLiteral("%1 mesure(s) sans valeur de la lampe L3 (la première ligne 2)")
                                         .arg(file.readings.size())))
        << none.note.toStdString();
}
