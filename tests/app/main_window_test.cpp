#include "app/main_window.h"
#include "instrument/parameters_window.h"
#include "util/text_file.h"
#include "wait_until.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
struct Fixture {
    QTemporaryDir dir;
    QString work;
    QStringList asked;
    QStringList told;
    int ended = -1;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(bool withoutConfirmation = true)
    {
        work = dir.filePath(QStringLiteral("travail"));
        QDir().mkpath(work);
        const QString config = dir.filePath(QStringLiteral("config"));
        QDir().mkpath(config);
        QStringList settings(30);
        settings[0] = work;
        settings[1] = QStringLiteral("true");   // demonstration
        settings[5] = QStringLiteral("true");   // fast
        settings[18] = withoutConfirmation ? QStringLiteral("true") : QStringLiteral("false");
        settings[19] = QStringLiteral("µ=0;m=3;k=1;F=3");
        WriteFileAtomically(config + QStringLiteral("/Sondalog.prm"), JoinCrLf(settings));
        window = std::make_unique<MainWindow>(ConfigPaths::Resolve(config, QString()), Regional::French());
        window->confirm = [this](const QString& q) {
            asked << q;
            return true;
        };
        window->info = [this](const QString& t) { told << t; };
        window->openEditor = nullptr;
        window->endProcess = [this](int code) { ended = code; };
        window->show();
    }
    int N() const { return window->run().state.series.sampleCount; }
    QStringList Recordings() const { return QDir(work).entryList({QStringLiteral("*.txt")}, QDir::Files); }
    void Click(QAbstractButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }
};
}  // namespace

TEST(MainWindow, WholeTracerTestInTheDemonstration)
{
    Fixture f;
    MainWindow& w = *f.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sondalog  4.13"));
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_EQ(w.Button_START->text(), QStringLiteral("Start (base)"));
    EXPECT_TRUE(w.Button_START->isEnabled());
    EXPECT_FALSE(w.Button_stop->isEnabled());
    EXPECT_EQ(w.Button_test_com->text(), QStringLiteral("test COM"));
    EXPECT_EQ(w.Label_multimetre->text(), QStringLiteral("DEMO"));

    // Start: the baseline.
    f.Click(w.Button_START);
    EXPECT_EQ(w.runState(), RunState::Baseline);
    EXPECT_FALSE(w.Button_START->isEnabled());
    EXPECT_EQ(w.Button_START->text(), QStringLiteral("Restart(base)"));
    EXPECT_TRUE(w.Button_stop->isEnabled());
    EXPECT_FALSE(w.Button_test_com->isEnabled());  // no second run inside this one
    EXPECT_TRUE(w.Panel_question->isVisible());
    EXPECT_TRUE(w.Button_go->isVisible());
    EXPECT_TRUE(w.Label_mess->text().startsWith(QStringLiteral("acquisition de la ligne de base")));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 20; }, 20000));

    // Go: t0.
    f.Click(w.Button_go);
    const int t0 = w.run().state.tracingStartIndex;
    EXPECT_GE(t0, 20);
    EXPECT_EQ(w.runState(), RunState::Tracing);
    EXPECT_FALSE(w.Panel_question->isVisible());
    EXPECT_TRUE(w.Button_stop->isEnabled());
    EXPECT_FALSE(w.Button_START->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= t0 + 200; }, 30000));
    EXPECT_NE(w.Label_tracage->text(), QStringLiteral("---"));
    EXPECT_TRUE(w.Label_zero->text().contains(QStringLiteral("aire[µS/cm.s]")));

    // Stop + save, without confirmation.
    f.Click(w.Button_stop);
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_TRUE(w.Button_START->isEnabled());
    EXPECT_EQ(w.Button_START->text(), QStringLiteral("Restart(base)"));
    EXPECT_FALSE(w.Button_stop->isEnabled());
    EXPECT_TRUE(w.Button_test_com->isEnabled());
    const int n = f.N();
    QTest::qWait(100);
    EXPECT_EQ(f.N(), n);  // the run has ended
    const QStringList files = f.Recordings();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].contains(QStringLiteral(" demo %1_enreg_").arg(n))) << files[0].toStdString();
    EXPECT_EQ(w.Label22->text(), files[0]);
    const QStringList lines = ReadTextLines(QDir(f.work).filePath(files[0])).value();
    ASSERT_EQ(lines.size(), n + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("quirn-1-heure-DEMO\tn\theure\theure-traçage\tconductivité[µS/cm]")));
    EXPECT_TRUE(lines[n].contains(QStringLiteral("\t%1\t").arg(n)));
    ASSERT_LT(n, 1000);
    EXPECT_EQ(w.Label_n->text(), QStringLiteral("n = ") + QString::number(n));
    EXPECT_TRUE(w.Label_mess->text().startsWith(QStringLiteral("%1 enregistrements effectués dans ").arg(n)));
}

TEST(MainWindow, StopAsksFirstWithoutSaveSansConfirmation)
{
    Fixture f(false);
    MainWindow& w = *f.window;
    f.Click(w.Button_START);
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    f.Click(w.Button_stop);
    EXPECT_EQ(w.SpeedButton_question->text(), QStringLiteral("Stop + save"));
    EXPECT_TRUE(w.Panel_question->isVisible());
    const int asked = f.N();
    ASSERT_TRUE(WaitUntil([&] { return f.N() > asked + 3; }, 10000));  // reading goes on meanwhile
    EXPECT_TRUE(f.Recordings().isEmpty());
    f.Click(w.SpeedButton_question);
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_FALSE(w.Panel_question->isVisible());
    EXPECT_EQ(f.Recordings().size(), 1);
}

TEST(MainWindow, ExitSavesOnlyNewLinesAndStaysResponsive)
{
    {
        Fixture f;
        MainWindow& w = *f.window;
        f.Click(w.Button_START);
        ASSERT_TRUE(WaitUntil([&] { return f.N() >= 10; }, 10000));
        f.Click(w.Button_exit_);
        EXPECT_EQ(w.SpeedButton_question->text(), QStringLiteral("exit"));
        bool timerRan = false;
        QTimer::singleShot(100, [&] { timerRan = true; });
        f.Click(w.SpeedButton_question);
        EXPECT_EQ(w.SpeedButton_question->text(), QStringLiteral("EXIT AUTO..."));
        EXPECT_EQ(f.Recordings().size(), 1);
        EXPECT_EQ(f.ended, -1);  // the report stays readable for a while
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 3000));
        EXPECT_TRUE(timerRan);  // the window kept serving events during the wait
        EXPECT_TRUE(QFile::exists(f.dir.filePath(QStringLiteral("config/Sondalog.prm"))));
    }
    {
        Fixture f;
        MainWindow& w = *f.window;
        f.Click(w.Button_START);
        ASSERT_TRUE(WaitUntil([&] { return f.N() >= 10; }, 10000));
        f.Click(w.Button_stop);
        ASSERT_EQ(f.Recordings().size(), 1);
        f.Click(w.Button_exit_);
        f.Click(w.SpeedButton_question);
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 1000));
        EXPECT_EQ(f.Recordings().size(), 1);  // nothing new since Stop: no second file
    }
    {
        Fixture f;
        f.Click(f.window->Button_exit_);
        f.Click(f.window->SpeedButton_question);
        ASSERT_TRUE(WaitUntil([&] { return f.ended == 0; }, 1000));
        EXPECT_TRUE(f.Recordings().isEmpty());
    }
}

TEST(MainWindow, CloseBoxAsksTheExitQuestion)
{
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(w.Button_START);
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    w.close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Panel_question->isVisible());
    EXPECT_EQ(w.SpeedButton_question->text(), QStringLiteral("exit"));
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.Panel_question->isVisible());
    EXPECT_EQ(w.runState(), RunState::Baseline);  // cancelling leaves the run as it was
}

TEST(MainWindow, LinkTestAndDemonstrationBoxesInStep)
{
    Fixture f;
    MainWindow& w = *f.window;
    w.parameters()->CheckBox_demo->setChecked(false);
    EXPECT_FALSE(w.CheckBox_demo->isChecked());
    EXPECT_EQ(w.Label_multimetre->text(), QStringLiteral("WTW3430"));
    w.CheckBox_demo->click();
    EXPECT_TRUE(w.parameters()->CheckBox_demo->isChecked());
    EXPECT_EQ(w.Label_multimetre->text(), QStringLiteral("DEMO"));

    f.Click(w.Button_test_com);
    EXPECT_EQ(w.runState(), RunState::LinkTest);
    EXPECT_EQ(w.Button_test_com->text(), QStringLiteral("stop COM"));
    EXPECT_FALSE(w.Button_START->isEnabled());
    EXPECT_FALSE(w.Button_stop->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    f.Click(w.Button_test_com);
    EXPECT_EQ(w.runState(), RunState::Idle);
    EXPECT_EQ(w.Button_test_com->text(), QStringLiteral("test COM"));
    EXPECT_TRUE(w.Button_START->isEnabled());
    EXPECT_TRUE(w.Button_stop->isEnabled());
}
