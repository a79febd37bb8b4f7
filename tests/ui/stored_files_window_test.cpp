// Opening stored files from the main window: the choice, the checks against the markers, the
// load on its own thread, and a cancel that leaves the run as it was.
#include "ui/window_fixture.h"
#include "ui/charts_window/charts_window.h"
#include "instrument/instrument_table.h"
#include "ui/parameters_window/parameters_window.h"
#include "instrument/row_text.h"
#include "acquisition/stored_files.h"
#include "wait_until.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
const QString kData = QStringLiteral(SONDALOG_TEST_DATA);

/// An own recording of `count` readings, as Stop + save writes it.
QString WriteOwnRecording(const QString& folder, int count)
{
    QStringList lines = {QStringLiteral("essai-heure-WTW3430\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature")};
    const QDateTime start(QDate(2026, 12, 7), QTime(10, 0, 0));
    for (int n = 1; n <= count; ++n) {
        lines << start.addSecs(n).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + u'\t' + QString::number(n) +
                     QStringLiteral("\t\t\t") + QString::number(600 + n % 7) + QStringLiteral(",500\t22,9");
    }
    const QString path = folder + QStringLiteral("/essai.txt");
    EXPECT_TRUE(WriteFileAtomically(path, JoinCrLf(lines)).isEmpty());
    return path;
}

/// The three-probe CSV instrument, its blocks ended by the conductivity probe's line.
void UseCsvInstrument(MainWindow& w)
{
    ParametersWindow& p = *w.parameters();
    p.table.SetRow(1, FieldsToCells(ReadRowFields(QStringLiteral(
                          "1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,1,::,TetraCon"))));
    p.table.SetRow(2, FieldsToCells(ReadRowFields(QStringLiteral("2,,,,,,température,30,10,5,\"200,0,88\",5,°C,espace,3,::,"))));
    p.ShowTable();
    p.CheckBox_ph_ox_3sondes->setChecked(true);
    p.onTableApplied();
}

struct Opening {
    Fixture f;
    MainWindow& w;
    int choice = 1;
    QString file;
    QStringList choices;

    Opening() : w(*f.window)
    {
        w.choose = [this](const QString& message, const QStringList& captions) {
            choices << message << captions;
            return choice;
        };
        w.openFileName = [this](const QString&, const QString&) { return file; };
    }
    void Open(int kind, const QString& path)
    {
        choice = kind;
        file = path;
        w.Button_open_fileClick();
        ASSERT_TRUE(WaitUntil([&] { return !w.panels().opener->LoadInProgress(); }, 60000));
    }
};
}  // namespace

TEST(OpeningFiles, AnOwnRecordingIsContinuedFromItsCount)
{
    Opening t;
    t.Open(1, WriteOwnRecording(t.f.work, 1500));
    EXPECT_EQ(t.choices.mid(1), (QStringList{QStringLiteral(" fichier SondaLOG "),
                                             QStringLiteral(" fichier d'acquisition AUTOmatique"), QStringLiteral("Annuler")}));
    EXPECT_TRUE(t.f.asked.isEmpty());  // no marker among its lines: loaded without a question
    EXPECT_EQ(t.f.N(), 1500);
    EXPECT_EQ(Find<QPushButton>(t.w, "Button_START")->text(), QStringLiteral("Continue"));
    EXPECT_EQ(Find<QLabel>(t.w, "Label_n")->text(), QStringLiteral("n = 1 500"));
    EXPECT_EQ(Find<QLineEdit>(t.w, "Edit_Prefixe")->text(), QStringLiteral("essai"));
    EXPECT_EQ(Find<QLabel>(t.w, "Label22")->text(), QStringLiteral("essai.txt"));
    EXPECT_TRUE(t.w.run().records.isEmpty());

    t.f.Click(Find<QPushButton>(t.w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return t.f.N() >= 1503; }, 20000));
    ASSERT_FALSE(t.w.run().records.isEmpty());
    EXPECT_EQ(t.w.run().records.first().section(u'\t', 1, 1), QStringLiteral("1501"));  // no new header
    EXPECT_EQ(t.w.run().state.series.At(1500).value1, 600 + 1500 % 7 + 0.5);
    t.f.Click(Find<QPushButton>(t.w, "Button_stop"));
}

TEST(OpeningFiles, KindAndMarkersDisagree)
{
    Opening t;
    UseCsvInstrument(t.w);
    // The instrument's file opened as an own recording: asked with its block length; Yes decodes it.
    const QString csv = kData + QStringLiteral("/auto_three_probes.csv");
    t.Open(1, csv);
    ASSERT_EQ(t.f.asked.size(), 1);
    EXPECT_EQ(t.f.asked.first(), LooksLikeAutoQuestion(QStringLiteral("auto_three_probes.csv"), 3));
    EXPECT_EQ(t.f.N(), 6);
    EXPECT_EQ(t.w.run().records.size(), 7);
    EXPECT_TRUE(t.w.run().records.first().endsWith(QStringLiteral("\tpH\tOx_%")));
    EXPECT_TRUE(Find<QPushButton>(t.w, "Button_stop")->isEnabled());
    EXPECT_FALSE(Find<QLabel>(t.w, "Label_nmax_nf")->isVisible());
    EXPECT_EQ(Find<QListView>(t.w, "Memo2")->model()->rowCount(), 7);  // the record list shows every line
    // Stop + save writes the decoded readings.
    t.f.Click(Find<QPushButton>(t.w, "Button_stop"));
    ASSERT_EQ(t.f.Recordings().size(), 1);
    EXPECT_EQ(ReadTextLines(t.f.work + u'/' + t.f.Recordings().first())->size(), 7);

    // An own recording opened as the instrument's file: asked naming the marker; No loads nothing.
    const QString own = WriteOwnRecording(t.f.work, 40);
    t.f.answer = false;
    t.Open(2, own);
    ASSERT_EQ(t.f.asked.size(), 2);
    EXPECT_EQ(t.f.asked.last(), LooksLikeOwnQuestion(QStringLiteral("essai.txt"), QStringLiteral("TetraCon")));
    EXPECT_EQ(t.f.N(), 6);
    // Yes loads it as an own recording.
    t.f.answer = true;
    t.Open(2, own);
    EXPECT_EQ(t.f.N(), 40);
    EXPECT_EQ(Find<QPushButton>(t.w, "Button_START")->text(), QStringLiteral("Continue"));
}

TEST(OpeningFiles, ACancelledLoadLeavesTheRunAsItWas)
{
    Opening t;
    t.Open(1, WriteOwnRecording(t.f.work, 1500));
    ASSERT_EQ(t.f.N(), 1500);

    // A long logging file: 60,000 blocks of the CSV instrument.
    UseCsvInstrument(t.w);
    QStringList lines = ReadTextLines(kData + QStringLiteral("/auto_three_probes.csv")).value();
    const QStringList block = lines.mid(4, 3);
    for (int i = 0; i < 60000; ++i) {
        lines << block;
    }
    const QString big = t.f.dir.filePath(QStringLiteral("long.csv"));
    ASSERT_TRUE(WriteFileAtomically(big, JoinCrLf(lines)).isEmpty());

    // Cancelled while the file is read.
    t.choice = 2;
    t.file = big;
    t.w.Button_open_fileClick();
    ASSERT_TRUE(t.w.panels().opener->LoadInProgress());
    t.w.panels().opener->CancelLoad();
    ASSERT_TRUE(WaitUntil([&] { return !t.w.panels().opener->LoadInProgress(); }, 60000));
    EXPECT_EQ(t.f.N(), 1500);

    // Cancelled by the progress dialog's button while it is decoded.
    t.w.Button_open_fileClick();
    ASSERT_TRUE(WaitUntil([&] { return t.w.panels().opener->LoadProgressDialog() && t.w.panels().opener->LoadProgressDialog()->maximum() == 1000; }, 60000));
    emit t.w.panels().opener->LoadProgressDialog()->canceled();  // its "Annuler" button
    ASSERT_TRUE(WaitUntil([&] { return !t.w.panels().opener->LoadInProgress(); }, 60000));
    EXPECT_EQ(t.f.N(), 1500);
    EXPECT_EQ(Find<QPushButton>(t.w, "Button_START")->text(), QStringLiteral("Continue"));
    EXPECT_EQ(Find<QLabel>(t.w, "Label22")->text(), QStringLiteral("essai.txt"));
    EXPECT_TRUE(Find<QPushButton>(t.w, "Button_open_file")->isEnabled());

    // Not cancelled, it loads whole.
    t.Open(2, big);
    EXPECT_EQ(t.f.N(), 60006);
    EXPECT_EQ(t.w.run().records.size(), 60007);
}

TEST(OpeningFiles, FilesThatCannotBeOpenedLoadNothing)
{
    Opening t;
    t.Open(1, WriteOwnRecording(t.f.work, 30));
    const QString missing = t.f.dir.filePath(QStringLiteral("absent.txt"));
    t.Open(1, missing);
    ASSERT_FALSE(t.f.told.isEmpty());
    EXPECT_EQ(t.f.told.last(), QStringLiteral("Impossible d'ouvrir le fichier %1").arg(missing));
    const QString binary = t.f.dir.filePath(QStringLiteral("image.txt"));
    ASSERT_TRUE(WriteFileAtomically(binary, QByteArray("PK\x03\x04\0\0\x14\0abc\r\n", 13)).isEmpty());
    t.Open(2, binary);
    EXPECT_TRUE(t.f.told.last().contains(QStringLiteral("n'est pas un fichier texte")));
    t.Open(1, t.f.work);  // a folder
    EXPECT_TRUE(t.f.told.last().startsWith(QStringLiteral("Impossible d'ouvrir le fichier")));
    EXPECT_EQ(t.f.N(), 30);
    // "Annuler" and a cancelled file dialog do nothing.
    t.Open(3, missing);
    t.Open(1, QString());
    EXPECT_EQ(t.f.N(), 30);
}

TEST(OpeningFiles, NeverWhileAnAcquisitionRuns)
{
    Opening t;
    const QString own = WriteOwnRecording(t.f.work, 40);
    t.f.Click(Find<QPushButton>(t.w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return t.f.N() >= 5; }, 20000));
    t.choice = 1;
    t.file = own;
    t.w.Button_open_fileClick();
    EXPECT_FALSE(t.w.panels().opener->LoadInProgress());
    ASSERT_FALSE(t.f.told.isEmpty());
    EXPECT_TRUE(t.f.told.last().startsWith(QStringLiteral("Une acquisition est en cours")));
    const int n = t.f.N();
    ASSERT_TRUE(WaitUntil([&] { return t.f.N() > n; }, 20000));  // the run goes on with its own readings
    EXPECT_NE(t.f.N(), 40);
    t.f.Click(Find<QPushButton>(t.w, "Button_stop"));
}

TEST(OpeningFiles, AnInstrumentsCsvFileOpensAsItsOwnLoggingWithItsOwnTimes)
{
    Opening t;
    UseCsvInstrument(t.w);
    // The instrument's CSV logging file has no end-of-block line: the table's end of block left empty.
    ParametersWindow& p = *t.w.parameters();
    p.table.SetRow(1, FieldsToCells(ReadRowFields(QStringLiteral(
                          "1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,1,::,"))));
    p.ShowTable();
    p.onTableApplied();
    t.Open(2, kData + QStringLiteral("/auto_three_probes.csv"));
    EXPECT_TRUE(t.f.asked.isEmpty());  // no question: its CSV lines say what it is
    EXPECT_EQ(t.f.N(), 6);
    for (const QProgressDialog* d : t.w.findChildren<QProgressDialog*>()) {
        EXPECT_FALSE(d->isVisible());  // no progress dialog left waiting (one may wait for its deletion)
    }
    // Each reading at the time the instrument wrote, not at the time the file was opened.
    const SampleSeries& series = t.w.run().state.series;
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(series.StampText(n, Regional::French()), QStringLiteral("26/09/2009 04:19:%1").arg(38 + n)) << n;
    }
}

TEST(OpeningFiles, ZoomFramesWhatWasReadAndTheGraphAlwaysDrawsIt)
{
    Opening t;
    t.Open(1, WriteOwnRecording(t.f.work, 200));  // values 600,5 to 606,5
    ASSERT_EQ(t.f.N(), 200);
    for (int click = 1; click <= 3; ++click) {
        t.w.panels().view->Button_zoomClick();
        const AxisScale& a = t.w.run().state.axisY1;
        // The readings inside the axis, a graduation the range can carry (more than 50 lines blank the graph).
        EXPECT_LE(a.min, 600.5) << click;
        EXPECT_GE(a.max, 606.5) << click;
        EXPECT_LT(a.max - a.min, 1000) << click;  // no placeholder range
        ASSERT_GT(a.graduation, 0) << click;
        EXPECT_LE((a.max - a.min) / a.graduation, 50) << click;
    }
    EXPECT_NE(ActiveCell(t.w.parameters()->table, 1, col::max, 0), QStringLiteral("1000000"));
}
