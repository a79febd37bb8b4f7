// A dye test in the windows: the calibration typed or imported in the parameters window and saved
// only once it converts; the simulated fluorometer logged live in ppb at 1366 × 768, recorded with its
// lamps, its tracers and its calibration.
#include "fluorometer/calibration_file.h"
#include "fluorometer/fluorometer_fixtures.h"
#include "ui/parameters_window/calibration_dialog.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "../serial/simulator.h"
#include "window_fixture.h"

#include "ui/charts_window/chart_view.h"
#include "ui/charts_window/charts_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
CalibrationDialog* OpenDialog(MainWindow& w)
{
    QTest::mouseClick(w.parameters()->GroupBox_tracage->Button_etalonnage, Qt::LeftButton);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<CalibrationDialog*>(top); d && d->isVisible()) {
            return d;
        }
    }
    return nullptr;
}
}  // namespace

TEST(FluorometerWindow, TheCalibrationIsImportedCheckedAndSaved)
{
    Fixture f;
    MainWindow& w = *f.window;
    const QString cal = f.dir.filePath(QStringLiteral("config/Sondalog.cal"));
    CalibrationDialog* d = OpenDialog(w);
    ASSERT_NE(d, nullptr);
    EXPECT_LE(d->frameGeometry().height(), 768);
    // Typed without water: refused, nothing written.
    d->Edit_nom[0]->setText(QStringLiteral("Uranine"));
    d->Edit_etalons[0]->setText(QStringLiteral("10:65,47 100:614,25"));
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Button_enregistrer_etalonnage")), Qt::LeftButton);
    EXPECT_TRUE(d->Label_etat->text().contains(QStringLiteral("sans eau"))) << d->Label_etat->text().toStdString();
    EXPECT_FALSE(QFile::exists(cal));
    EXPECT_TRUE(d->isVisible());
    // Imported from the instrument's constants file, then saved: the store converts with it.
    const QString constants = f.dir.filePath(QStringLiteral("453.txt"));
    ASSERT_TRUE(WriteFileAtomically(constants, JoinCrLf(fluo_fixtures::ConstantsFile(true))).isEmpty());
    d->pickConstantsFile = [constants] { return constants; };
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Button_importer")), Qt::LeftButton);
    EXPECT_EQ(d->Edit_eau->text(), QStringLiteral("1,19 10,2 5,3 0,8"));
    EXPECT_EQ(d->Edit_etalons[0]->text(), QStringLiteral("10:65,47 100:614,25"));
    d->Edit_temperature->setText(QStringLiteral("0,0036 0 0"));
    if (!qEnvironmentVariableIsEmpty("SONDALOG_SHOT_CALIBRATION")) {
        d->grab().save(qEnvironmentVariable("SONDALOG_SHOT_CALIBRATION"));
    }
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Button_enregistrer_etalonnage")), Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(cal));
    const FluorometerSetup saved = LoadFluorometerSetup(cal);
    ASSERT_TRUE(saved.Ready()) << saved.error.toStdString();
    EXPECT_NEAR(*saved.calibration.Ppb(0, 5.84), 0.684571, 1e-5);
    EXPECT_DOUBLE_EQ(saved.corrections.temperatureN[0], 0.0036);
}

TEST(FluorometerWindow, ADyeTestLoggedLiveInPpb)
{
    QTemporaryDir simDir;
    const QString link = simDir.filePath(QStringLiteral("port"));
    FluorometerSetup setup;
    setup.calibration = ReadConstantsFile(fluo_fixtures::ConstantsFile(false)).calibration;
    setup.corrections.turbidityStrength = 1;  // corrected as it comes: the graph can show the raw tracer too
    const QStringList table{QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                            QStringLiteral("1,x,GGUN-FL,") + link + QStringLiteral(",9600,1,uranine,120,0,20,\"0,160,0\",5,L1,espace,4,::,-"),
                            QStringLiteral("2,,,,,,température,20,5,5,\"200,0,88\",5,T,espace,10,::,")};
    Fixture f(true,
              [](QStringList& s) {
                  s[1] = QStringLiteral("false");  // a real instrument
                  s[10] = QStringLiteral("1");     // read by lines
              },
              {{QStringLiteral("Sondalog.ini"), table}, {QStringLiteral("Sondalog.cal"), FluorometerSetupLines(setup)}});
    MainWindow& w = *f.window;
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("fluorometer"), QStringLiteral("--interval"),
                         QStringLiteral("0.1"), QStringLiteral("--count"), QStringLiteral("150"), QStringLiteral("--baseline"),
                         QStringLiteral("0"), QStringLiteral("--amplitude"), QStringLiteral("100"),
                         QStringLiteral("--pulse-start"), QStringLiteral("60"), QStringLiteral("--pulse-rise"),
                         QStringLiteral("15"), QStringLiteral("--pulse-width"), QStringLiteral("6"), QStringLiteral("--delay"),
                         QStringLiteral("0.5")});
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 20; }, 30000)) << f.N() << " " << f.told.join(u'|').toStdString();
    f.Click(Find<QPushButton>(w, "Button_go"));  // the dye goes in
    // Rows sent before the port was open are lost, as with a real cable: the pulse (sent as row 75) comes after.
    ASSERT_TRUE(WaitUntil([&] { return sim.Sent().size() >= 100; }, 30000));
    // Quantity 1 in ppb (µg/L) with two decimals; the record line adds the lamps and every tracer.
    EXPECT_TRUE(Find<QLabel>(w, "Label_val_grand1")->text().endsWith(QStringLiteral("µg/L")))
        << Find<QLabel>(w, "Label_val_grand1")->text().toStdString();
    const QString header = w.run().records.first();
    EXPECT_TRUE(header.contains(QStringLiteral("uranine[µg/L]\ttempérature\tL1 [mV]"))) << header.toStdString();
    double peak = 0;
    for (int n = 1; n <= f.N(); ++n) {
        peak = std::max(peak, w.run().state.series.At(n).value1);
    }
    EXPECT_NEAR(peak, 100, 0.5);  // the simulated uranine's peak, 100 ppb, read back through the calibration
    // The analysis follows the dye in ppb, not in mg/L through a salt's factor.
    w.panels().analysis->UpdateAnalysis();
    const QString panel = Find<QLabel>(w, "Panel_analyse")->text();
    EXPECT_TRUE(panel.contains(QStringLiteral("ppb)"))) << panel.toStdString();
    ASSERT_TRUE(w.panels().analysis->analysis().figures.peakConcentration.has_value());
    EXPECT_NEAR(*w.panels().analysis->analysis().figures.peakConcentration, 100, 0.5);
    // The charts: the other tracer and the turbidity in place of pH and oxygen, from the record's own columns.
    EXPECT_EQ(w.charts()->charts[2]->chart()->title(), QStringLiteral("SrhodaminB"));
    EXPECT_EQ(w.charts()->charts[3]->chart()->title(), QStringLiteral("Turbidité"));
    const QStringList last = w.run().records.last().split(u'\t');
    const Sample& lastSample = w.run().state.series.At(f.N());
    EXPECT_DOUBLE_EQ(lastSample.phValue, QString(last[11]).replace(u',', u'.').toDouble());
    EXPECT_DOUBLE_EQ(lastSample.oxValue, QString(last[12]).replace(u',', u'.').toDouble());
    EXPECT_GT(lastSample.phValue, 1);  // the second dye is passing
    // Raw and corrected: at the turbid reading the raw tracer reads more than the corrected one, and the
    // graph's lower band shows it (in quantity 2's colour) only when asked.
    int turbid = 1;
    for (int n = 1; n <= f.N(); ++n) {
        const Sample& s = w.run().state.series.At(n);
        ASSERT_TRUE(std::isfinite(s.value1Raw)) << "reading " << n;
        if (s.oxValue > w.run().state.series.At(turbid).oxValue) {
            turbid = n;
        }
    }
    EXPECT_GT(w.run().state.series.At(turbid).oxValue, 10);  // the simulated 20 NTU event
    EXPECT_GT(w.run().state.series.At(turbid).value1Raw, w.run().state.series.At(turbid).value1 + 1);
    auto lowerBandPixels = [&w] {
        const QImage& image = w.panels().view->ImageA->image();
        int count = 0;
        for (int y = image.height() / 2 + 2; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == QColor(200, 0, 88);
            }
        }
        return count;
    };
    QCheckBox* rawBox = Find<QCheckBox>(w, "CheckBox_brut");
    EXPECT_TRUE(rawBox->isVisible());
    EXPECT_EQ(lowerBandPixels(), 0);
    rawBox->setChecked(true);
    EXPECT_GT(lowerBandPixels(), 50);
    if (!qEnvironmentVariableIsEmpty("SONDALOG_SHOT")) {
        w.grab().save(qEnvironmentVariable("SONDALOG_SHOT"));
    }
    f.Click(Find<QPushButton>(w, "Button_stop"));
    ASSERT_EQ(f.Recordings().size(), 1);
    const QStringList saved = *ReadTextLines(f.work + u'/' + f.Recordings().first());
    EXPECT_TRUE(saved.first().contains(QStringLiteral("étalonnage : etalonnage.instrument=453")));
    EXPECT_EQ(saved[1].count(u'\t'), header.count(u'\t') - 1);  // every column, the calibration's header aside
}

TEST(FluorometerWindow, AFluorometerWithoutCalibrationDoesNotStart)
{
    const QStringList table{QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                            QStringLiteral("1,x,GGUN-FL,/dev/null,9600,1,uranine,120,0,20,\"0,160,0\",5,L1,espace,4,::,-"),
                            QStringLiteral("2,,,,,,température,20,5,5,\"200,0,88\",5,T,espace,10,::,")};
    Fixture f(true, [](QStringList& s) { s[1] = QStringLiteral("false"); s[10] = QStringLiteral("1"); },
              {{QStringLiteral("Sondalog.ini"), table}});
    f.Click(Find<QPushButton>(*f.window, "Button_START"));
    ASSERT_EQ(f.told.size(), 1);
    EXPECT_TRUE(f.told.first().contains(QStringLiteral("étalonnage"))) << f.told.first().toStdString();
    EXPECT_EQ(f.window->runState(), RunState::Idle);
}

TEST(FluorometerWindow, TheLoggersFileOpensInPpbWithItsOwnTimes)
{
    const QStringList table{QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                            QStringLiteral("1,x,GGUN-FL,COM3,9600,900,uranine,300,0,50,\"0,160,0\",5,L1,espace,4,::,-"),
                            QStringLiteral("2,,,,,,température,20,5,5,\"200,0,88\",5,T,espace,10,::,")};
    // The instrument's constants file copied in as the calibration file.
    Fixture f(true, [](QStringList& s) { s[1] = QStringLiteral("false"); },
              {{QStringLiteral("Sondalog.ini"), table}, {QStringLiteral("Sondalog.cal"), fluo_fixtures::ConstantsFile(false)}});
    MainWindow& w = *f.window;
    const fluo_fixtures::DyeTest test;
    const QDateTime injection(QDate(2017, 3, 23), QTime(14, 0), Qt::UTC);
    const QString logged = f.dir.filePath(QStringLiteral("453.txt"));
    ASSERT_TRUE(WriteFileAtomically(logged, JoinCrLf(fluo_fixtures::SpaceAlignedFile(test, injection, 900, 72))).isEmpty());
    w.choose = [](const QString&, const QStringList&) { return 2; };  // the instrument's file
    w.openFileName = [logged](const QString&, const QString&) { return logged; };
    w.Button_open_fileClick();
    ASSERT_TRUE(WaitUntil([&] { return !w.panels().opener->LoadInProgress(); }, 20000));
    ASSERT_EQ(f.N(), 4 + 1 + 72 * 4) << f.told.join(u'|').toStdString();
    // Reading 45 is 10 h after the injection: the logger's own time (23 March 2017, not 17 March 2023), in ppb.
    const Sample& s = w.run().state.series.At(45);
    EXPECT_EQ(TimeFromValue(s.time), QDateTime(QDate(2017, 3, 23), QTime(23, 59)).addSecs(60));
    EXPECT_NEAR(s.value1, test.Ppb(36000), 0.002);
}
