#include "ui/main_window/main_window.h"
#include "ui/window_fixture.h"
#include "ui/parameters_window/parameters_window.h"
#include "support/disk_full.h"
#include "util/text_file.h"
#include "util/translate.h"
#include "wait_until.h"

#include "ui/dialogs/directory_chooser.h"
#include "app/startup.h"
#include "ui/widgets/graph_widget.h"
#include "instrument/instrument_table.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace sondalog;


TEST(MainWindow, WholeTracerTestInTheDemonstration)
{
    Fixture f;
    MainWindow& w = *f.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sondalog  4.13"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_EQ(Find<QPushButton>(w, "Button_START")->text(), QStringLiteral("Start (base)"));
    EXPECT_TRUE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    EXPECT_EQ(Find<QPushButton>(w, "Button_test_com")->text(), QStringLiteral("test COM"));
    EXPECT_EQ(Find<QLabel>(w, "Label_multimetre")->text(), QStringLiteral("DEMO"));

    // Start: the baseline.
    f.Click(Find<QPushButton>(w, "Button_START"));
    EXPECT_EQ(w.runState(), RunState::Baseline);
    EXPECT_FALSE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_EQ(Find<QPushButton>(w, "Button_START")->text(), QStringLiteral("Restart(base)"));
    EXPECT_TRUE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "Button_test_com")->isEnabled());  // no second run inside this one
    EXPECT_TRUE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_TRUE(Find<QPushButton>(w, "Button_go")->isVisible());
    EXPECT_TRUE(Find<QLabel>(w, "Label_mess")->text().startsWith(QStringLiteral("acquisition de la ligne de base")));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 20; }, 20000));

    // Go: t0.
    f.Click(Find<QPushButton>(w, "Button_go"));
    const int t0 = w.run().state.tracingStartIndex;
    EXPECT_GE(t0, 20);
    EXPECT_EQ(w.runState(), RunState::Tracing);
    EXPECT_FALSE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_TRUE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "Button_START")->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= t0 + 200; }, 30000));
    EXPECT_NE(Find<QLabel>(w, "Label_tracage")->text(), QStringLiteral("---"));
    EXPECT_TRUE(Find<QLabel>(w, "Label_zero")->text().contains(QStringLiteral("aire[µS/cm.s]")));

    // Stop + save, without confirmation.
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_TRUE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_EQ(Find<QPushButton>(w, "Button_START")->text(), QStringLiteral("Restart(base)"));
    EXPECT_FALSE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(w, "Button_test_com")->isEnabled());
    const int n = f.N();
    QTest::qWait(100);
    EXPECT_EQ(f.N(), n);  // the run has ended
    const QStringList files = f.Recordings();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].contains(QStringLiteral(" demo %1_enreg_").arg(n))) << files[0].toStdString();
    EXPECT_EQ(Find<QLabel>(w, "Label22")->text(), files[0]);
    const QStringList lines = ReadTextLines(QDir(f.work).filePath(files[0])).value();
    ASSERT_EQ(lines.size(), n + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("quirn-1-heure-DEMO\tn\theure\theure-traçage\tconductivité[µS/cm]")));
    EXPECT_TRUE(lines[n].contains(QStringLiteral("\t%1\t").arg(n)));
    ASSERT_LT(n, 1000);
    EXPECT_EQ(Find<QLabel>(w, "Label_n")->text(), QStringLiteral("n = ") + QString::number(n));
    EXPECT_TRUE(Find<QLabel>(w, "Label_mess")->text().startsWith(QStringLiteral("%1 enregistrements effectués dans ").arg(n)));
}

TEST(MainWindow, StopAsksFirstWithoutSaveSansConfirmation)
{
    Fixture f(false);
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_EQ(Find<QToolButton>(w, "SpeedButton_question")->text(), QStringLiteral("Stop + save"));
    EXPECT_TRUE(Find<QFrame>(w, "Panel_question")->isVisible());
    const int asked = f.N();
    ASSERT_TRUE(WaitUntil([&] { return f.N() > asked + 3; }, 10000));  // reading goes on meanwhile
    EXPECT_TRUE(f.Recordings().isEmpty());
    f.Click(Find<QToolButton>(w, "SpeedButton_question"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_FALSE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_EQ(f.Recordings().size(), 1);
}

TEST(MainWindow, ExitSavesOnlyNewLinesAndStaysResponsive)
{
    {
        Fixture f;
        MainWindow& w = *f.window;
        f.Click(Find<QPushButton>(w, "Button_START"));
        ASSERT_TRUE(WaitUntil([&] { return f.N() >= 10; }, 10000));
        f.Click(Find<QPushButton>(w, "Button_exit_"));
        EXPECT_EQ(Find<QToolButton>(w, "SpeedButton_question")->text(), QStringLiteral("exit"));
        bool timerRan = false;
        QTimer::singleShot(100, [&] { timerRan = true; });
        f.Click(Find<QToolButton>(w, "SpeedButton_question"));
        EXPECT_EQ(Find<QToolButton>(w, "SpeedButton_question")->text(), QStringLiteral("EXIT AUTO..."));
        EXPECT_EQ(f.Recordings().size(), 1);
        EXPECT_EQ(f.ended, -1);  // the report stays readable for a while
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 3000));
        EXPECT_TRUE(timerRan);  // the window kept serving events during the wait
        EXPECT_TRUE(QFile::exists(f.dir.filePath(QStringLiteral("config/Sondalog.prm"))));
    }
    {
        Fixture f;
        MainWindow& w = *f.window;
        f.Click(Find<QPushButton>(w, "Button_START"));
        ASSERT_TRUE(WaitUntil([&] { return f.N() >= 10; }, 10000));
        f.Click(Find<QPushButton>(w, "Button_stop"));
        ASSERT_EQ(f.Recordings().size(), 1);
        f.Click(Find<QPushButton>(w, "Button_exit_"));
        f.Click(Find<QToolButton>(w, "SpeedButton_question"));
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 1000));
        EXPECT_EQ(f.Recordings().size(), 1);  // nothing new since Stop: no second file
    }
    {
        Fixture f;
        f.Click(Find<QPushButton>(*f.window, "Button_exit_"));
        f.Click(Find<QToolButton>(*f.window, "SpeedButton_question"));
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 1000));
        EXPECT_TRUE(f.Recordings().isEmpty());
    }
}

TEST(MainWindow, CloseBoxAsksTheExitQuestion)
{
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    w.close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_EQ(Find<QToolButton>(w, "SpeedButton_question")->text(), QStringLiteral("exit"));
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_EQ(w.runState(), RunState::Baseline);  // cancelling leaves the run as it was
}

TEST(MainWindow, LinkTestAndDemonstrationBoxesInStep)
{
    Fixture f;
    MainWindow& w = *f.window;
    w.parameters()->CheckBox_demo->setChecked(false);
    EXPECT_FALSE(Find<QCheckBox>(w, "CheckBox_demo")->isChecked());
    EXPECT_EQ(Find<QLabel>(w, "Label_multimetre")->text(), QStringLiteral("WTW3430"));
    Find<QCheckBox>(w, "CheckBox_demo")->click();
    EXPECT_TRUE(w.parameters()->CheckBox_demo->isChecked());
    EXPECT_EQ(Find<QLabel>(w, "Label_multimetre")->text(), QStringLiteral("DEMO"));

    f.Click(Find<QPushButton>(w, "Button_test_com"));
    EXPECT_EQ(w.runState(), RunState::LinkTest);
    EXPECT_EQ(Find<QPushButton>(w, "Button_test_com")->text(), QStringLiteral("stop COM"));
    EXPECT_FALSE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_test_com"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_EQ(Find<QPushButton>(w, "Button_test_com")->text(), QStringLiteral("test COM"));
    EXPECT_TRUE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(w, "Button_stop")->isEnabled());
}

namespace {
bool AxesAgree(const MainWindow& w)
{
    const AxisScale& y1 = w.run().state.axisY1;
    auto value = [](const QLineEdit* e) { return ParseReal(e->text(), u',').value; };
    return value(Find<QLineEdit>(w, "Edit_max_y1")) == y1.max && value(Find<QLineEdit>(w, "Edit_min_y1")) == y1.min &&
           value(Find<QLineEdit>(w, "Edit_y1_graduation")) == y1.graduation && value(Find<QLineEdit>(w, "Edit_max_y2")) == w.run().state.axisY2.max &&
           value(Find<QLineEdit>(w, "Edit_min_y2")) == w.run().state.axisY2.min;
}
}  // namespace

TEST(MainWindow, FailedStopSaveLeavesTheRunGoingAndNothingCleared)
{
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    {
        FileSizeLimit full(0);  // the disk refuses every byte
        f.Click(Find<QPushButton>(w, "Button_stop"));
    }
    EXPECT_EQ(w.runState(), RunState::Baseline);
    EXPECT_TRUE(Find<QPushButton>(w, "Button_stop")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "Button_START")->isEnabled());
    EXPECT_TRUE(f.Recordings().isEmpty());
    ASSERT_FALSE(f.told.isEmpty());
    EXPECT_TRUE(f.told.last().startsWith(QStringLiteral("Impossible de créer le fichier ")));
    EXPECT_TRUE(f.told.last().contains(QStringLiteral("conservées")));
    // The status line says the failure, never "sauvegardé" beside a file that was not written.
    EXPECT_EQ(Find<QLabel>(w, "Label11")->text(), Message(kSaveFailedMessage));
    const int n = f.N();
    ASSERT_TRUE(WaitUntil([&] { return f.N() > n; }, 10000));  // still reading

    // Once the disk has room, the same Stop saves every reading.
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    ASSERT_EQ(f.Recordings().size(), 1);
    EXPECT_EQ(ReadTextLines(QDir(f.work).filePath(f.Recordings()[0])).value().size(), f.N() + 1);
}

TEST(MainWindow, FailedSaveAtExitKeepsTheWindowAndItsReadings)
{
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_exit_"));
    {
        FileSizeLimit full(0);
        f.Click(Find<QToolButton>(w, "SpeedButton_question"));
    }
    QTest::qWait(800);  // longer than the demonstration's report wait
    EXPECT_EQ(f.ended, -1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.runState(), RunState::Baseline);
    EXPECT_TRUE(f.Recordings().isEmpty());
    ASSERT_FALSE(f.told.isEmpty());
    EXPECT_TRUE(f.told.last().startsWith(QStringLiteral("Sortie annulée")));
    EXPECT_TRUE(f.told.last().contains(QStringLiteral("Sondalog.prm")));
    EXPECT_TRUE(f.told.last().contains(QStringLiteral("Impossible de créer le fichier ") + f.work));
    const int n = f.N();
    ASSERT_TRUE(WaitUntil([&] { return f.N() > n; }, 10000));

    f.Click(Find<QPushButton>(w, "Button_exit_"));
    f.Click(Find<QToolButton>(w, "SpeedButton_question"));
    ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 3000));
    EXPECT_EQ(f.Recordings().size(), 1);
}

TEST(MainWindow, StartNeverClearsUnsavedReadingsWithoutAsking)
{
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    // No name at all: Stop writes nothing, as it should, and the readings stay unsaved.
    Find<QCheckBox>(w, "CheckBox_demo")->setChecked(false);
    Find<QLineEdit>(w, "Edit_Prefixe")->clear();
    Find<QCheckBox>(w, "CheckBox_date_heure")->setChecked(false);
    f.Click(Find<QPushButton>(w, "Button_stop"));
    ASSERT_EQ(w.runState(), RunState::Idle);
    EXPECT_TRUE(f.Recordings().isEmpty());
    const int n = f.N();
    f.answer = false;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_EQ(f.asked.size(), 1);
    EXPECT_EQ(f.asked[0], UnsavedReadingsQuestion(n));
    EXPECT_EQ(f.N(), n);
    EXPECT_EQ(w.runState(), RunState::Idle);
    f.answer = true;
    f.Click(Find<QPushButton>(w, "Button_START"));
    EXPECT_EQ(w.runState(), RunState::Baseline);
}

TEST(MainWindow, QuestionPanelButtonsAndEnterOnTheFocusedButton)
{
    Fixture f(false);
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    // The t0 button and "annuler" are never shown together.
    EXPECT_FALSE(Find<QPushButton>(w, "Button_go")->isHidden());
    EXPECT_TRUE(Find<QToolButton>(w, "SpeedButton_annuler")->isHidden());
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    Find<QPushButton>(w, "Button_go")->setFocus();
    QTest::keyClick(Find<QPushButton>(w, "Button_go"), Qt::Key_Return);
    EXPECT_EQ(w.runState(), RunState::Tracing);
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_TRUE(Find<QPushButton>(w, "Button_go")->isHidden());
    EXPECT_FALSE(Find<QToolButton>(w, "SpeedButton_annuler")->isHidden());
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
}

TEST(MainWindow, AxisBoxesShowTheAxesTheGraphDraws)
{
    Fixture f;
    MainWindow& w = *f.window;
    EXPECT_TRUE(AxesAgree(w)) << Find<QLineEdit>(w, "Edit_max_y1")->text().toStdString() << " " << w.run().state.axisY1.max;
    EXPECT_DOUBLE_EQ(w.run().state.axisY1.max, 750);  // the table's bounds
    f.Click(Find<QPushButton>(w, "Button_test_com"));
    EXPECT_TRUE(AxesAgree(w));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_test_com"));
    EXPECT_TRUE(AxesAgree(w));
    f.Click(Find<QPushButton>(w, "Button_START"));
    EXPECT_TRUE(AxesAgree(w));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    EXPECT_TRUE(AxesAgree(w));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    f.Click(Find<QPushButton>(w, "Button_START"));  // Restart
    EXPECT_TRUE(AxesAgree(w));
}

TEST(MainWindow, StartUpReminderAndDecimalSignCaption)
{
    Fixture f(true, [](QStringList& s) { s[6] = QStringLiteral("1"); });  // "point" on a French PC
    MainWindow& w = *f.window;
    f.answer = false;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::qWait(50);
    ASSERT_NE(Find<QToolButton>(w, "SpeedButton_choix_rep"), nullptr);
    QWidget* central = w.centralWidget();
    const QRect button(Find<QToolButton>(w, "SpeedButton_choix_rep")->mapTo(central, QPoint(0, 0)), Find<QToolButton>(w, "SpeedButton_choix_rep")->size());
    EXPECT_GE(Find<QFrame>(w, "Panel2")->x(), button.right());
    EXPECT_EQ(Find<QFrame>(w, "Panel2")->height(), 250);
    const QRect axisBox(Find<QLineEdit>(w, "Edit_max_y1")->mapTo(central, QPoint(0, 0)), Find<QLineEdit>(w, "Edit_max_y1")->size());
    EXPECT_FALSE(Find<QFrame>(w, "Panel2")->geometry().intersects(axisBox));

    ParametersWindow* p = w.parameters();
    EXPECT_EQ(p->Label2->text(), QStringLiteral("signe décimal du PC : virgule"));
    // The question comes once the start-up messages (the example table written) are read.
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
                if (box->isVisible()) {
                    box->accept();
                }
            }
            return !f.asked.isEmpty();
        },
        2000));
    QTest::qWait(20);
    EXPECT_EQ(p->Label2->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST(MainWindow, WindowMaximisedIsRestoredAndMeansAsWideAsTheScreen)
{
    {
        Fixture f(true, [](QStringList& s) { s[12] = QStringLiteral("true"); });
        MainWindow& w = *f.window;
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        ASSERT_TRUE(WaitUntil([&] { return w.isMaximized(); }, 2000));
    }
    Fixture f;
    MainWindow& w = *f.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QRect screen = w.screen()->geometry();
    const QString prm = f.dir.filePath(QStringLiteral("config/Sondalog.prm"));
    w.showNormal();
    w.resize(screen.width() / 2, screen.height() / 2);
    QTest::qWait(20);
    f.Click(Find<QPushButton>(w, "Button_enreg_param"));
    EXPECT_EQ(ReadTextLines(prm).value().at(12), QStringLiteral("false"));
    w.setGeometry(QRect(screen.topLeft(), QSize(screen.width(), screen.height() / 2)));  // as wide, not maximised
    QTest::qWait(20);
    f.Click(Find<QPushButton>(w, "Button_enreg_param"));
    EXPECT_EQ(ReadTextLines(prm).value().at(12), QStringLiteral("true"));
}

TEST(MainWindow, FitsALaptopScreenWithItsTitleBarInView)
{
    Fixture f;
    MainWindow& w = *f.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::qWait(50);
    const QRect available = w.screen()->availableGeometry();
    ASSERT_EQ(w.screen()->geometry().size(), QSize(1366, 768));
    EXPECT_TRUE(available.contains(w.frameGeometry())) << w.frameGeometry().y() << " " << w.frameGeometry().height();
    EXPECT_GE(w.frameGeometry().top(), available.top());
    EXPECT_LE(Find<QListView>(w, "Memo2")->mapTo(&w, QPoint(0, Find<QListView>(w, "Memo2")->height())).y(), w.height());  // the record list in view
}

TEST(MainWindow, PastedLineBreaksBecomeBlanksWhereTheyAreEntered)
{
    Fixture f;
    MainWindow& w = *f.window;
    Find<QLineEdit>(w, "Edit_Prefixe")->setText(QStringLiteral("Forage\r\n2"));
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_Prefixe")->text(), QStringLiteral("Forage  2"));
    ParametersWindow* p = w.parameters();
    p->Edit_start_inject->setText(QStringLiteral("sel\nversé"));
    EXPECT_EQ(p->Edit_start_inject->text(), QStringLiteral("sel versé"));
    p->tableModel->setData(p->tableModel->index(1, 2), QStringLiteral("WTW\n3430"));
    EXPECT_EQ(p->table.Cell(2, 1), QStringLiteral("WTW 3430"));
    EXPECT_EQ(p->tableModel->index(1, 2).data().toString(), QStringLiteral("WTW 3430"));
}

TEST(MainWindow, WindowAndCommandLineStartWithTheSameSettings)
{
    // A first start in an empty folder: the window writes the settings file as the core would.
    QTemporaryDir windowDir;
    QTemporaryDir coreDir;
    {
        MainWindow w(ConfigPaths::Resolve(windowDir.path(), QString()), Regional::French());
    }
    LoadStartup(ConfigPaths::Resolve(coreDir.path(), QString()), u',', {});
    const QStringList fromWindow = ReadTextLines(windowDir.filePath(QStringLiteral("Sondalog.prm"))).value();
    const QStringList fromCore = ReadTextLines(coreDir.filePath(QStringLiteral("Sondalog.prm"))).value();
    ASSERT_EQ(fromWindow.size(), 30);
    EXPECT_EQ(fromWindow, fromCore);
    EXPECT_EQ(fromCore.at(7), QStringLiteral("false"));
}

TEST(MainWindow, AnInterruptedRunIsOfferedAndContinuedFromItsCount)
{
    // A journal left by a run that did not end, planted before the program starts.
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("travail"));
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(work + QStringLiteral("/sauvegarde_auto"));
    QDir().mkpath(config);
    QStringList journal{QStringLiteral("Forage1-heure-DEMO\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature")};
    for (int n = 1; n <= 40; ++n) {
        // t0 at reading 20: its trace time 00:00:00.
        const QString trace = n >= 20 ? QStringLiteral("00:00:%1").arg(n - 20, 2, 10, QChar(u'0')) : QString();
        journal << QStringLiteral("07/12/2026 10:00:%1\t%2\t04:19:39\t%3\t 600,000\t22,9")
                       .arg(n % 60, 2, 10, QChar(u'0'))
                       .arg(n)
                       .arg(trace);
    }
    const QString planted = work + QStringLiteral("/sauvegarde_auto/en_cours 2026-12-07 10H00'00 Forage1.txt");
    ASSERT_TRUE(WriteFileAtomically(planted, JoinCrLf(journal)).isEmpty());
    QStringList settings(30);
    settings[0] = work;
    settings[1] = QStringLiteral("true");
    settings[5] = QStringLiteral("true");
    settings[18] = QStringLiteral("true");
    ASSERT_TRUE(WriteFileAtomically(config + QStringLiteral("/Sondalog.prm"), JoinCrLf(settings)).isEmpty());

    QStringList asked;
    QStringList told;
    auto first = std::make_unique<MainWindow>(ConfigPaths::Resolve(config, QString()), Regional::French());
    MainWindow& w = *first;
    w.confirm = [&](const QString& q) {
        asked << q;
        return true;
    };
    w.info = [&](const QString& t) { told << t; };
    w.openEditor = nullptr;
    w.show();
    ASSERT_TRUE(WaitUntil([&] { return !asked.isEmpty(); }, 3000));
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("Une acquisition interrompue a été retrouvée")));
    EXPECT_TRUE(asked[0].contains(planted));
    EXPECT_TRUE(asked[0].contains(QStringLiteral("40 mesures, la dernière le 07/12/2026 10:00:40")));
    // Written as an ordinary recording first, so that it is safe whatever happens next.
    const QStringList recordings = QDir(work).entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_EQ(recordings.size(), 1);
    EXPECT_EQ(ReadTextLines(QDir(work).filePath(recordings[0])).value(), journal);
    EXPECT_FALSE(QFile::exists(planted));
    EXPECT_EQ(w.run().state.series.sampleCount, 40);
    EXPECT_EQ(Find<QPushButton>(w, "Button_START")->text(), QStringLiteral("Continue"));

    QTest::mouseClick(Find<QPushButton>(w, "Button_START"), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return w.run().state.series.sampleCount >= 45; }, 10000));
    ASSERT_FALSE(w.run().records.isEmpty());
    EXPECT_EQ(w.run().records.first().section(u'\t', 1, 1), QStringLiteral("41"));  // numbering goes on, no header
    EXPECT_FALSE(w.run().records.first().section(u'\t', 3, 3).isEmpty());  // the trace goes on
    // The continued run's journal is a recording on its own, the whole run in it: the recording it continues first.
    const QStringList live = QDir(work + QStringLiteral("/sauvegarde_auto")).entryList({QStringLiteral("en_cours *.txt")});
    ASSERT_EQ(live.size(), 1);
    const QStringList liveLines = ReadTextLines(work + QStringLiteral("/sauvegarde_auto/") + live[0]).value();
    EXPECT_EQ(liveLines.mid(0, 41), journal);
    EXPECT_EQ(liveLines.value(41).section(u'\t', 1, 1), QStringLiteral("41"));

    // It crashes in its turn (its journal left as it is), and is recovered again: one run, one numbering.
    const int reached = w.run().state.series.sampleCount;
    first.reset();
    asked.clear();
    MainWindow again(ConfigPaths::Resolve(config, QString()), Regional::French());
    again.confirm = [&](const QString& q) {
        asked << q;
        return true;
    };
    again.info = [&](const QString& t) { told << t; };
    again.openEditor = nullptr;
    again.show();
    ASSERT_TRUE(WaitUntil([&] { return !asked.isEmpty(); }, 3000));
    EXPECT_GE(again.run().state.series.sampleCount, reached);
    QStringList whole;
    for (const QString& name : QDir(work).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QStringList lines = ReadTextLines(QDir(work).filePath(name)).value();
        if (lines.size() > whole.size()) {
            whole = lines;
        }
    }
    ASSERT_GE(whole.size(), reached + 1);
    EXPECT_EQ(whole.value(0), journal[0]);
    for (int n = 1; n < whole.size(); ++n) {
        EXPECT_EQ(whole[n].section(u'\t', 1, 1), QString::number(n)) << "line " << n;
        EXPECT_EQ(whole[n].section(u'\t', 3, 3).isEmpty(), n < 20) << "line " << n;
    }
}

TEST(MainWindow, AJournalThatCannotBeWrittenNeverStopsTheRun)
{
    Fixture f;
    MainWindow& w = *f.window;
    // The backup folder's place is taken by a file: no journal can be written there.
    ASSERT_TRUE(WriteFileAtomically(QDir(f.work).filePath(QStringLiteral("sauvegarde_auto")), "x").isEmpty());
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 10; }, 10000));
    EXPECT_EQ(w.runState(), RunState::Baseline);
    const QStringList journalMessages = f.told.filter(QStringLiteral("Le journal de l'acquisition ne peut pas être écrit"));
    EXPECT_EQ(journalMessages.size(), 1);  // said once, however many readings
    f.Click(Find<QPushButton>(w, "Button_stop"));
    const QStringList files = f.Recordings();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(ReadTextLines(QDir(f.work).filePath(files[0])).value().size(), f.N() + 1);  // every reading saved
}

TEST(MainWindow, ASavedRunLeavesNoJournalAndAFailedSaveKeepsIt)
{
    Fixture f;
    MainWindow& w = *f.window;
    const QString backups = QDir(f.work).filePath(QStringLiteral("sauvegarde_auto"));
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    ASSERT_EQ(QDir(backups).entryList({QStringLiteral("en_cours *.txt")}).size(), 1);
    {
        FileSizeLimit full(0);
        f.Click(Find<QPushButton>(w, "Button_stop"));
    }
    EXPECT_EQ(QDir(backups).entryList({QStringLiteral("en_cours *.txt")}).size(), 1);
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_EQ(f.Recordings().size(), 1);
    EXPECT_TRUE(QDir(backups).entryList({QStringLiteral("en_cours *.txt")}).isEmpty());
}

TEST(MainWindow, AxisBoxesTakeTypedKeysAndProposedValues)
{
    Fixture f;
    MainWindow& w = *f.window;
    Find<QLineEdit>(w, "Edit_max_y1")->clear();
    Find<QLineEdit>(w, "Edit_max_y1")->setFocus();
    for (const QChar c : QStringLiteral("1é5xà")) {  // the French digit row; a letter gives nothing
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Find<QLineEdit>(w, "Edit_max_y1"), &press);
    }
    QTest::keyClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::Key_Return);
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_max_y1")->text(), QStringLiteral("1250"));
    EXPECT_DOUBLE_EQ(w.run().state.axisY1.max, 1250);
    EXPECT_EQ(ActiveCell(w.parameters()->table, 1, col::max, 0), QStringLiteral("1250"));
    EXPECT_TRUE(w.parameters()->table.modified);

    // The proposed values beside the box: graduation 50 around 1000.
    Find<QLineEdit>(w, "Edit_y1_graduation")->setText(QStringLiteral("50"));
    QTest::keyClick(Find<QLineEdit>(w, "Edit_y1_graduation"), Qt::Key_Return);
    Find<QLineEdit>(w, "Edit_max_y1")->setText(QStringLiteral("1000"));
    QTest::keyClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::Key_Return);
    QTest::mouseDClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::LeftButton);
    ASSERT_TRUE(Find<QListWidget>(w, "ListBox1")->isVisible());
    ASSERT_EQ(Find<QListWidget>(w, "ListBox1")->count(), 21);
    EXPECT_EQ(Find<QListWidget>(w, "ListBox1")->item(0)->text(), QStringLiteral("1500"));
    EXPECT_EQ(Find<QListWidget>(w, "ListBox1")->item(20)->text(), QStringLiteral("500"));
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(Find<QListWidget>(w, "ListBox1")->isVisible());
    QTest::mouseDClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::LeftButton);
    Find<QListWidget>(w, "ListBox1")->setCurrentRow(2);
    w.panels().view->ListBox1DblClick();
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_max_y1")->text(), QStringLiteral("1400"));
    EXPECT_DOUBLE_EQ(w.run().state.axisY1.max, 1400);
}

TEST(MainWindow, ZoomContrastAndANarrowWindow)
{
    Fixture f;
    MainWindow& w = *f.window;
    // Zoom on the values read: 820 and 700.
    auto& state = const_cast<ProcessingState&>(w.run().state);  // as a run would have left it
    state.axisY1.maxRead = 820;
    state.axisY1.minRead = 700;
    Find<QLabel>(w, "Label_y1_max_lu")->setText(QStringLiteral("820,0"));
    Find<QLabel>(w, "Label_y1_min_lu")->setText(QStringLiteral("700,0"));
    const std::pair<double, double> expected[] = {{840, 680}, {820, 700}, {1500, 100}};
    for (const auto& [max, min] : expected) {
        QTest::keyClick(&w, Qt::Key_F4);
        EXPECT_DOUBLE_EQ(w.run().state.axisY1.max, max);
        EXPECT_DOUBLE_EQ(w.run().state.axisY1.min, min);
    }
    // Contrast: white, black, then the colours of the settings again.
    const QColor normal = w.panels().view->graphColour();
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_EQ(w.panels().view->graphColour(), QColor(Qt::white));
    EXPECT_EQ(Find<QLabel>(w, "Label_val_grand1")->palette().color(QPalette::WindowText), QColor(Qt::black));
    Find<QPushButton>(w, "Button_contraste")->click();
    EXPECT_EQ(w.panels().view->graphColour(), QColor(Qt::black));
    EXPECT_EQ(Find<QLabel>(w, "Label_n")->palette().color(QPalette::WindowText), QColor(Qt::white));
    Find<QPushButton>(w, "Button_contraste")->click();
    EXPECT_EQ(w.panels().view->graphColour(), normal);
    EXPECT_EQ(Find<QCheckBox>(w, "CheckBox_y2")->palette().color(QPalette::WindowText), QColor(Qt::red));

    // Narrower than 1280: the box is hidden, quantity 2 stays drawn.
    Find<QCheckBox>(w, "CheckBox_y2")->setChecked(true);
    w.resize(1200, 700);
    QTest::qWait(20);
    EXPECT_TRUE(Find<QCheckBox>(w, "CheckBox_y2")->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(w, "CheckBox_y2")->isChecked());
    EXPECT_FALSE(Find<QLineEdit>(w, "Edit_max_y2")->isHidden());
}

TEST(MainWindow, BackgroundColoursBeforeTheFirstReading)
{
    Fixture f;
    MainWindow& w = *f.window;
    QList<QColor> offered;
    w.pickColour = [&](const QColor& initial) -> std::optional<QColor> {
        offered << initial;
        return QColor(10, 20, 30);
    };
    QTest::mouseDClick(Find<GraphWidget>(w, "ImageA"), Qt::LeftButton);
    EXPECT_EQ(w.panels().view->graphColour(), QColor(10, 20, 30));
    EXPECT_FALSE(Find<QToolButton>(w, "SpeedButton_annuler_couleur")->isHidden());
    f.answer = true;
    Find<QToolButton>(w, "SpeedButton_annuler_couleur")->click();
    EXPECT_EQ(f.asked.last(), QStringLiteral("annuler les couleurs ?"));
    EXPECT_EQ(w.panels().view->graphColour(), QColor(255, 255, 255));  // the settings file's colour again
}

TEST(MainWindow, ChooserCreatesATypedFolderOnlyBeforeTheFirstReading)
{
    Fixture f;
    MainWindow& w = *f.window;
    const QString before = Find<QLineEdit>(w, "Edit_repertoire")->text();
    EXPECT_TRUE(before.endsWith(u'/'));
    f.Click(Find<QToolButton>(w, "SpeedButton_choix_rep"));
    ASSERT_TRUE(w.panels().recording->ChooserOpen());
    const QString created = QDir(f.work).filePath(QStringLiteral("essai_2026"));
    Find<QLineEdit>(w, "Edit_repertoire")->setText(created);
    QTest::keyClick(Find<QLineEdit>(w, "Edit_repertoire"), Qt::Key_Return);
    EXPECT_TRUE(QFileInfo(created).isDir());
    EXPECT_EQ(w.workingDirectory(), created + u'/');
    EXPECT_FALSE(w.panels().recording->ChooserOpen());  // Enter validated it
    EXPECT_TRUE(f.asked.last().contains(QStringLiteral("n'existe pas, le créer ?")));

    // Annuler gives back what the box showed before the chooser opened.
    f.Click(Find<QToolButton>(w, "SpeedButton_choix_rep"));
    Find<DirectoryChooser>(w, "Panel_dir")->GoTo(f.work);
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_repertoire")->text(), f.work + u'/');
    Find<DirectoryChooser>(w, "Panel_dir")->SpeedButton_annuler_repertoire->click();
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_repertoire")->text(), created + u'/');

    // After the first reading nothing is created.
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 1; }, 10000));
    const QString later = QDir(f.work).filePath(QStringLiteral("trop_tard"));
    Find<QLineEdit>(w, "Edit_repertoire")->setText(later);
    QTest::keyClick(Find<QLineEdit>(w, "Edit_repertoire"), Qt::Key_Return);
    EXPECT_FALSE(QFileInfo::exists(later));
}
