// The orderings that keep a tracer test from being lost, on the run controller alone (no window):
// the demonstration feeds it, a full disk refuses its writes.
#include "app/run_controller.h"

#include "acquisition/demo_generator.h"
#include "app/run_options.h"
#include "support/disk_full.h"
#include "util/text_file.h"
#include "wait_until.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {

struct Controlled {
    QTemporaryDir dir;
    SystemClock clock;
    RunController controller{clock, Regional::French()};
    QStringList asked;
    QStringList told;
    bool answer = true;

    Controlled()
    {
        controller.confirm = [this](const QString& q) {
            asked << q;
            return answer;
        };
        controller.info = [this](const QString& t) { told << t; };
        RecordingSetup setup;
        setup.workingDirectory = dir.path() + u'/';
        setup.prefix = QStringLiteral("Forage1");
        controller.SetRecordingSetup(setup);
    }
    static LinkRequest Demo()
    {
        LinkRequest r;
        ApplyDemoSetup(r.config);
        Settings s;
        r.options = MakeProcessOptions(s, InstrumentTable(), r.config, Regional::French());
        r.blockOptions = MakeBlockOptions(s);
        r.session.demo = true;
        r.session.fast = true;
        return r;
    }
    bool Start() { return controller.Start(Demo, InstrumentConfig(), false, 60000); }
    int N() const { return controller.run().state.series.sampleCount; }
    bool ReadAtLeast(int n) const { return WaitUntil([&] { return N() >= n; }, 10000); }
    QStringList Recordings() const { return QDir(dir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files); }
    bool JournalThere() { return QFileInfo::exists(controller.journal().path()); }
};

}  // namespace

TEST(RunController, NothingUnsavedIsClearedWithoutTheUsersYes)
{
    Controlled c;
    ASSERT_TRUE(c.Start());
    ASSERT_TRUE(c.ReadAtLeast(5));
    const QString journal = c.controller.journal().path();
    const StopOutcome stop = c.controller.StopAndSave();
    ASSERT_TRUE(stop.stopped);
    ASSERT_TRUE(c.ReadAtLeast(0));
    // A second run's readings, not saved: neither Start nor a link test clears them on a No.
    ASSERT_TRUE(c.Start());
    ASSERT_TRUE(c.ReadAtLeast(5));
    c.controller.session().RequestStop();
    const qsizetype lines = c.controller.run().records.size();
    const int readings = c.N();
    c.answer = false;
    EXPECT_FALSE(c.Start());
    EXPECT_FALSE(c.controller.StartLinkTest(Controlled::Demo, InstrumentConfig()));
    EXPECT_EQ(c.asked.size(), 2);
    EXPECT_EQ(c.controller.run().records.size(), lines);
    EXPECT_EQ(c.N(), readings);
    // On Yes they go, and the new run starts from nothing.
    c.answer = true;
    EXPECT_TRUE(c.Start());
    EXPECT_LE(c.controller.run().records.size(), 2);
    EXPECT_NE(c.controller.journal().path(), QString());
    c.controller.session().RequestStop();
    Q_UNUSED(journal);
}

TEST(RunController, AFailedSaveStopsNothingAndClearsNothing)
{
    // Stop + save and the exit on a disk that refuses every byte, then on one with room.
    struct Case {
        const char* what;
        bool exit;
    };
    for (const Case& k : {Case{"stop + save", false}, Case{"exit", true}}) {
        SCOPED_TRACE(k.what);
        Controlled c;
        ASSERT_TRUE(c.Start());
        ASSERT_TRUE(c.ReadAtLeast(5));
        ASSERT_TRUE(c.JournalThere());
        bool failed = false;
        {
            FileSizeLimit full(0);
            failed = k.exit ? !c.controller.Exit({}).isEmpty() : !c.controller.StopAndSave().stopped;
        }
        EXPECT_TRUE(failed);
        EXPECT_EQ(c.controller.state(), RunState::Baseline);
        EXPECT_TRUE(c.controller.session().IsRunning());
        EXPECT_TRUE(c.Recordings().isEmpty());
        EXPECT_TRUE(c.JournalThere());
        const int n = c.N();
        ASSERT_TRUE(c.ReadAtLeast(n + 1));  // still reading

        const QString journal = c.controller.journal().path();
        if (k.exit) {
            EXPECT_TRUE(c.controller.Exit({}).isEmpty());
            EXPECT_FALSE(c.controller.session().IsRunning() && c.controller.state() != RunState::Exiting);
        } else {
            EXPECT_TRUE(c.controller.StopAndSave().stopped);
            EXPECT_EQ(c.controller.state(), RunState::Idle);
        }
        ASSERT_EQ(c.Recordings().size(), 1);
        const QStringList saved = ReadTextLines(QDir(c.dir.path()).filePath(c.Recordings()[0])).value();
        EXPECT_EQ(saved.size(), c.controller.run().records.size());
        // Every line is in the recording: the journal has gone.
        EXPECT_FALSE(QFileInfo::exists(journal));
    }
}

TEST(RunController, TheExitStopsAtTheFirstConfigurationItCouldNotWrite)
{
    Controlled c;
    ASSERT_TRUE(c.Start());
    ASSERT_TRUE(c.ReadAtLeast(3));
    const QStringList failures = c.controller.Exit([] { return QStringList{QStringLiteral("Sondalog.prm")}; });
    EXPECT_EQ(failures, QStringList{QStringLiteral("Sondalog.prm")});
    EXPECT_EQ(c.controller.state(), RunState::Baseline);
    EXPECT_TRUE(c.controller.session().IsRunning());
    EXPECT_TRUE(c.JournalThere());
}

TEST(RunController, TheJournalStaysUntilEveryLineIsInARecording)
{
    Controlled c;
    ASSERT_TRUE(c.Start());
    ASSERT_TRUE(c.ReadAtLeast(3));
    // A backup is no recording: the journal stays.
    c.controller.Backup();
    EXPECT_TRUE(c.JournalThere());
    // A save while the run goes on (readings come after it): the journal stays too.
    ASSERT_TRUE(c.controller.Save(false).written);
    ASSERT_TRUE(c.ReadAtLeast(c.N() + 2));
    const StopOutcome stop = c.controller.StopAndSave();
    ASSERT_TRUE(stop.stopped);
    EXPECT_FALSE(c.JournalThere());
    EXPECT_EQ(ReadTextLines(stop.save.path).value().size(), c.controller.run().records.size());
}

TEST(RunController, AnInterruptedRunIsRecoveredAndContinuedAsOneNumbering)
{
    Controlled c;
    // A journal left by a run that did not end.
    QStringList journal{QStringLiteral("Forage1-heure-DEMO\tn\theure\theure-traçage\tconductivité[µS/cm]\ttempérature")};
    for (int i = 1; i <= 20; ++i) {
        journal << QStringLiteral("07/12/2026 10:00:%1\t%2\t04:19:39\t%3\t 600,000\t22,9")
                       .arg(i, 2, 10, QChar(u'0'))
                       .arg(i)
                       .arg(i > 10 ? QStringLiteral("00:00:%1").arg(i - 10, 2, 10, QChar(u'0')) : QString());
    }
    const QString folder = QDir(c.dir.path()).filePath(kAutoSaveFolder);
    QDir().mkpath(folder);
    ASSERT_TRUE(WriteFileAtomically(QDir(folder).filePath(JournalFileName(QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
                                                                         QStringLiteral("Forage1"))),
                                    JoinCrLf(journal))
                    .isEmpty());
    c.controller.OfferRecovery(InstrumentConfig());
    ASSERT_EQ(c.asked.size(), 1);
    EXPECT_TRUE(c.controller.continuing());
    EXPECT_EQ(c.N(), 20);
    EXPECT_EQ(c.controller.storedT0(), 10);  // the reading before the first trace time
    ASSERT_EQ(c.Recordings().size(), 1);
    EXPECT_EQ(ReadTextLines(c.controller.continuedPath()).value(), journal);
    // Continue: the new journal begins with the recording it continues.
    ASSERT_TRUE(c.Start());
    ASSERT_TRUE(c.ReadAtLeast(23));
    c.controller.session().RequestStop();
    const QStringList live = ReadTextLines(c.controller.journal().path()).value();
    EXPECT_EQ(live.mid(0, 21), journal);
    EXPECT_TRUE(live.value(21).section(u'\t', 1, 1).trimmed() == QStringLiteral("21")) << live.value(21).toStdString();
}
