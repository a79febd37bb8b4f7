#include "acquisition/acquisition_session.h"
#include "serial/port_prober.h"
#include "pty_pair.h"
#include "simulator.h"
#include "support/print_config.h"
#include "util/translate.h"
#include "wait_until.h"

#include <QProcess>
#include <QThread>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
InstrumentConfig CsvConfig()
{
    InstrumentConfig c = PrintBlockConfig();
    c.q1.occurrence = 1;
    c.q2.marker = QStringLiteral("°C");
    c.q2.occurrence = 3;
    return c;
}

struct Harness {
    SystemClock clock;
    ReadingRun run{clock};
    AcquisitionSession session{run};
    QStringList log;
    QStringList lost;
    QStringList messages;
    bool finished = false;

    Harness(const InstrumentConfig& config)
    {
        run.config = config;
        run.options.regional = Regional::French();
        QObject::connect(&session, &AcquisitionSession::logLine, [this](const QString& l) { log << l; });
        QObject::connect(&session, &AcquisitionSession::linkLost, [this](const QString& m) { lost << m; });
        QObject::connect(&session, &AcquisitionSession::messageRequested, [this](const QString& m) { messages << m; });
        QObject::connect(&session, &AcquisitionSession::finished, [this] { finished = true; });
    }
    SessionSettings Settings(const QString& port, ReadMode mode) const
    {
        SessionSettings s;
        s.mode = mode;
        s.portDescription = port + QStringLiteral(": bauds=9600 parity=N data=8 stop=1");
        s.waitScale = 0.05;
        s.timeoutsText = QStringLiteral("200");
        return s;
    }
    QList<double> Values() const
    {
        QList<double> v;
        for (int n = 1; n <= run.state.series.sampleCount; ++n) {
            v << run.state.series.At(n).value1;
        }
        return v;
    }
};
}  // namespace

TEST(Session, FiftyPrintReadingsInCharacterMode)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("print"), QStringLiteral("--interval"),
                         QStringLiteral("0.08"), QStringLiteral("--count"), QStringLiteral("50"), QStringLiteral("--drift"),
                         QStringLiteral("0.5"), QStringLiteral("--pulse-start"), QStringLiteral("20"),
                         QStringLiteral("--delay"), QStringLiteral("0.3")});
    Harness h(PrintBlockConfig());
    SessionSettings s = h.Settings(link, ReadMode::Character);
    s.burstSilenceMs = 30;  // readings 80 ms apart: the line is silent between them
    h.session.Start(s);
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= 50 || sim.Finished(); }, 30000));
    WaitUntil([&] { return h.run.state.series.sampleCount >= 50; }, 1000);
    const QList<double> sent = sim.Sent();
    ASSERT_EQ(sent.size(), 50);
    EXPECT_EQ(h.Values(), sent);
    EXPECT_TRUE(h.log.contains(QStringLiteral(" _Open ") + link + QStringLiteral(": bauds=9600 parity=N data=8 stop=1")));
    EXPECT_EQ(h.run.records.size(), 51);

    h.session.CloseSerial();
    EXPECT_TRUE(h.finished);
    EXPECT_EQ(h.log.mid(h.log.size() - 2), (QStringList{QStringLiteral(" Close"), QString()}));
    EXPECT_FALSE(h.session.burstPort().IsOpen());
}

TEST(Session, TwentyThousandCsvLinesAsFastAsTheyCome)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--interval"),
                         QStringLiteral("0"), QStringLiteral("--count"), QStringLiteral("6667"), QStringLiteral("--drift"),
                         QStringLiteral("0.1"), QStringLiteral("--delay"), QStringLiteral("0.3")});
    Harness h(CsvConfig());
    h.run.options.threeProbes = true;
    h.run.blockOptions.threeProbes = true;
    h.session.Start(h.Settings(link, ReadMode::StringCsv));
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= 6667 || sim.Finished(); }, 60000));
    WaitUntil([&] { return h.run.state.series.sampleCount >= 6667; }, 2000);
    const QList<double> sent = sim.Sent();
    ASSERT_EQ(sent.size(), 6667);
    EXPECT_EQ(h.Values(), sent);
    EXPECT_DOUBLE_EQ(h.run.state.series.At(6667).value2, 22.9);
    EXPECT_GT(h.run.state.series.At(6667).phValue, 6.9);
    EXPECT_GT(h.run.state.series.At(6667).oxValue, 84);
    h.session.RequestStop();
    EXPECT_TRUE(WaitUntil([&] { return h.finished; }, 2000));
}

TEST(Session, UnpluggedAdapterLosesOnlyWhatWasSentMeanwhile)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("print"), QStringLiteral("--interval"),
                         QStringLiteral("0.2"), QStringLiteral("--count"), QStringLiteral("40"), QStringLiteral("--drift"),
                         QStringLiteral("1"), QStringLiteral("--unplug-after"), QStringLiteral("10"),
                         QStringLiteral("--unplug-for"), QStringLiteral("3"), QStringLiteral("--delay"),
                         QStringLiteral("0.3")});
    Harness h(PrintBlockConfig());
    h.session.Start(h.Settings(link, ReadMode::Character));
    ASSERT_TRUE(WaitUntil([&] { return sim.Finished(); }, 60000));
    QCoreApplication::processEvents();
    WaitUntil([&] { return h.Values().size() >= sim.Sent().size(); }, 2000);
    EXPECT_EQ(h.Values(), sim.Sent());
    EXPECT_GT(sim.Lost(), 0);
    EXPECT_GT(sim.Sent().size(), 20);
    ASSERT_FALSE(h.lost.isEmpty());
    EXPECT_TRUE(h.lost.first().startsWith(QStringLiteral("liaison perdue avec <") + link));
    EXPECT_TRUE(h.log.contains(QStringLiteral("liaison rétablie avec <") + link + u'>'));

    // The simulator is gone for good now: stop works while the session is trying to reconnect.
    ASSERT_TRUE(WaitUntil([&] { return h.session.IsReconnecting(); }, 5000));
    h.session.RequestStop();
    EXPECT_TRUE(WaitUntil([&] { return h.finished; }, 1000));
}

TEST(Session, UnpluggedCsvInstrumentLosesNoWholeBlock)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--interval"),
                         QStringLiteral("0.2"), QStringLiteral("--count"), QStringLiteral("40"), QStringLiteral("--drift"),
                         QStringLiteral("1"), QStringLiteral("--unplug-after"), QStringLiteral("10"),
                         QStringLiteral("--unplug-for"), QStringLiteral("3"), QStringLiteral("--delay"),
                         QStringLiteral("0.3")});
    Harness h(CsvConfig());
    h.run.options.threeProbes = true;
    h.run.blockOptions.threeProbes = true;
    h.session.Start(h.Settings(link, ReadMode::StringCsv));
    ASSERT_TRUE(WaitUntil([&] { return sim.Finished(); }, 60000));
    QCoreApplication::processEvents();
    WaitUntil([&] { return h.Values().size() >= sim.Sent().size(); }, 2000);
    // Only what was sent while unplugged is missing: the first block after it is kept.
    EXPECT_EQ(h.Values(), sim.Sent());
    EXPECT_GT(sim.Lost(), 0);
    EXPECT_TRUE(h.log.contains(QStringLiteral("liaison rétablie avec <") + link + u'>'));
    ASSERT_TRUE(WaitUntil([&] { return h.session.IsReconnecting(); }, 5000));
    h.session.RequestStop();
    EXPECT_TRUE(WaitUntil([&] { return h.finished; }, 1000));
}

TEST(Session, CsvInCharacterModeEndsTheRunWithTheMessage)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    Harness h(PrintBlockConfig());
    SessionSettings s = h.Settings(QString(), ReadMode::Character);
    s.portDescription = pty.Description();
    h.session.Start(s);
    ASSERT_TRUE(WaitUntil([&] { return h.log.size() >= 1; }, 3000));
    WaitUntil([] { return false; }, 150);  // the line silent once: the run takes what comes next
    ASSERT_TRUE(pty.Send("26.09.2009 04:19:39;1;600.3;\xb5S/cm;Cond\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return h.finished; }, 3000));
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("CSV détecté, changer l'option vers <par chaîne de caractères et "
                                                     "CSV> ET RTS activé!")});
    EXPECT_TRUE(h.log.contains(QStringLiteral("CSV détecté, changer l'option vers <par chaîne de caractères et CSV>")));
    EXPECT_TRUE(h.session.burstPort().IsOpen());
    EXPECT_FALSE(h.run.stopRequested);
}

TEST(Session, StopDuringTheOpenSequenceAndFailedOpen)
{
    PtyPair pty;
    Harness h(PrintBlockConfig());
    SessionSettings s = h.Settings(QString(), ReadMode::StringCsv);
    s.portDescription = pty.Description();
    s.waitScale = 1.0;
    h.session.Start(s);
    EXPECT_TRUE(h.session.IsRunning());
    h.session.RequestStop();
    ASSERT_TRUE(WaitUntil([&] { return h.finished; }, 500));

    Harness bad(PrintBlockConfig());
    QStringList failures;
    QObject::connect(&bad.session, &AcquisitionSession::openFailed, [&](const QString& m) { failures << m; });
    bad.session.Start(bad.Settings(QStringLiteral("/nonexistent/ttyS9"), ReadMode::Character));
    // A first opening that fails is a lost link: said, and tried again by itself until Stop.
    EXPECT_TRUE(bad.session.IsReconnecting());
    EXPECT_EQ(bad.log.value(0), QStringLiteral(" _Open /nonexistent/ttyS9: bauds=9600 parity=N data=8 stop=1  erreur"));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(bad.lost.size(), 1);
    bad.session.RequestStop();
    EXPECT_TRUE(WaitUntil([&] { return bad.finished; }, 3000));
}

TEST(Session, AnAdapterPluggedInAfterStartIsReadWithoutAWord)
{
    // Start pressed before the USB adapter is in: the run waits for it, then reads it.
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Harness h(PrintBlockConfig());
    SessionSettings s = h.Settings(link, ReadMode::Character);
    s.burstSilenceMs = 30;
    s.reconnectMs = 200;
    h.session.Start(s);
    EXPECT_TRUE(h.session.IsReconnecting());
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("print"), QStringLiteral("--interval"),
                         QStringLiteral("0.1"), QStringLiteral("--count"), QStringLiteral("20"), QStringLiteral("--delay"),
                         QStringLiteral("1.0")});
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= 5; }, 20000));
    EXPECT_FALSE(h.session.IsReconnecting());
    h.session.RequestStop();
    WaitUntil([&] { return h.finished; }, 1000);
}

TEST(Session, DemonstrationPacing)
{
    Harness h(PrintBlockConfig());
    SessionSettings s;
    s.demo = true;
    s.fast = true;
    h.run.options.demo = true;
    h.session.Start(s);
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= 20; }, 5000));
    h.session.RequestStop();
    ASSERT_TRUE(WaitUntil([&] { return h.finished; }, 1000));
    const int n = h.run.state.series.sampleCount;
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.run.state.series.sampleCount, n);  // nothing after the stop
    EXPECT_DOUBLE_EQ(h.run.state.series.At(1).value1, 600);
}

TEST(Session, ProbingReportsTheRunsPortBusyAndTheRunGoesOn)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("print"), QStringLiteral("--interval"),
                         QStringLiteral("0.08"), QStringLiteral("--count"), QStringLiteral("60"), QStringLiteral("--delay"),
                         QStringLiteral("0.3")});
    Harness h(PrintBlockConfig());
    SessionSettings s = h.Settings(link, ReadMode::Character);
    s.burstSilenceMs = 30;
    h.session.Start(s);
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= 5; }, 20000));
    ASSERT_EQ(h.session.PortsInUse(), QStringList{link});

    // The probe opens nothing the run holds: it would count an attempt on the run's port.
    QStringList tried;
    PortProber prober([&](const QString& name) {
        tried << name;
        return ProbePort(name);
    });
    QList<bool> result;
    QObject::connect(&prober, &PortProber::finished, [&](const QStringList&, const QList<bool>& opened) { result = opened; });
    PtyPair other;
    const QString otherName = other.Description().section(u':', 0, 0);
    ASSERT_TRUE(prober.Start({link, otherName}, h.session.PortsInUse(), 2000));
    ASSERT_TRUE(WaitUntil([&] { return !prober.IsBusy(); }, 5000));
    EXPECT_EQ(result, (QList<bool>{false, true}));
    EXPECT_EQ(tried, QStringList{otherName});
    const int n = h.run.state.series.sampleCount;
    ASSERT_TRUE(WaitUntil([&] { return h.run.state.series.sampleCount >= n + 5; }, 20000));
    EXPECT_TRUE(h.lost.isEmpty());
    h.session.RequestStop();
}

TEST(PortProber, SamePortAndTimeLimit)
{
    EXPECT_TRUE(SamePort(QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyUSB0")));
    EXPECT_TRUE(SamePort(QStringLiteral("\\\\.\\COM12"), QStringLiteral("COM12")));
    EXPECT_FALSE(SamePort(QStringLiteral("COM1"), QStringLiteral("COM12")));
    EXPECT_FALSE(SamePort(QString(), QString()));

    // A port that hangs is busy after the limit; one that answers keeps its answer; a second
    // start while the first is going is refused.
    PortProber prober([](const QString& name) {
        if (name == QLatin1String("slow")) {
            QThread::msleep(1500);
        }
        return true;
    });
    QList<bool> result;
    QObject::connect(&prober, &PortProber::finished, [&](const QStringList&, const QList<bool>& opened) { result = opened; });
    ASSERT_TRUE(prober.Start({QStringLiteral("slow"), QStringLiteral("quick")}, {}, 200));
    EXPECT_FALSE(prober.Start({QStringLiteral("quick")}, {}, 200));
    ASSERT_TRUE(WaitUntil([&] { return !prober.IsBusy(); }, 1000));
    EXPECT_EQ(result, (QList<bool>{false, true}));
    // Nothing to open (all in use): finished all the same, on the next turn of the loop.
    result.clear();
    ASSERT_TRUE(prober.Start({QStringLiteral("a")}, {QStringLiteral("/dev/a")}, 200));
    ASSERT_TRUE(WaitUntil([&] { return !prober.IsBusy(); }, 1000));
    EXPECT_EQ(result, QList<bool>{false});
}

namespace {
QByteArray PrintBlock(int second, double value)
{
    return QStringLiteral("26.09.2009 04:19:%1\r\nMulti 3430\r\nNo.s\u00e9r.  14451527\r\n\r\nCond %2 \u00e6S/cm 22.9 \u00b0C\r\n"
                          "C = 0.475 1/cm, Tref25, nLF\r\n\r\n_____________________________\r\n")
        .arg(second % 60, 2, 10, QChar(u'0'))
        .arg(value, 0, 'f', 1)
        .toLatin1();
}
}  // namespace

TEST(Session, NoiseOnTheLineNeverEndsARunAndEveryBlockOfABurstIsAReading)
{
    struct Case {
        const char* what;
        int blocksPerWrite;  ///< blocks sent in one write, without a pause between them
        QByteArray noise;    ///< sent after each write, before the pause
    };
    const Case cases[] = {
        {"garbage lines with ';'", 1, QByteArray("x;y;z ### ;;\r\n")},
        {"binary noise with ';'", 1, QByteArray("\x01\xff;\x7f\x80;\x1b[2J;\xfe\r\n")},
        {"an instrument that never pauses", 20, QByteArray()},
    };
    for (const Case& c : cases) {
        PtyPair pty;
        ASSERT_TRUE(pty.Ok());
        Harness h(PrintBlockConfig());
        SessionSettings s = h.Settings(QString(), ReadMode::Character);
        s.portDescription = pty.Description();
        s.burstSilenceMs = 40;
        h.session.Start(s);
        ASSERT_TRUE(WaitUntil([&] { return h.log.size() >= 1; }, 3000)) << c.what;
        WaitUntil([] { return false; }, 150);
        QList<double> sent;
        for (int w = 0; w < 40 / c.blocksPerWrite; ++w) {
            QByteArray bytes;
            for (int b = 0; b < c.blocksPerWrite; ++b) {
                sent << 600.0 + sent.size();
                bytes += PrintBlock(sent.size(), sent.last());
            }
            ASSERT_TRUE(pty.Send(bytes + c.noise)) << c.what;
            WaitUntil([] { return false; }, 120);  // the line silent: one burst per write
        }
        WaitUntil([&] { return h.run.state.series.sampleCount >= 40; }, 3000);
        EXPECT_FALSE(h.finished) << c.what;
        EXPECT_TRUE(h.messages.isEmpty()) << c.what;
        EXPECT_EQ(h.Values(), sent) << c.what;
        h.session.RequestStop();
        WaitUntil([&] { return h.finished; }, 1000);
    }
}

TEST(Session, BytesThatDecodeToNoReadingAreSaidWithTheLastLine)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    // The example table's "rep hms" of one ':' where the instrument writes hh:mm:ss: nothing decodes.
    InstrumentConfig config = PrintBlockConfig();
    config.q1.timeMarkCount = 1;
    Harness h(config);
    QStringList undecoded;
    QObject::connect(&h.session, &AcquisitionSession::undecoded, [&](const QString& m) { undecoded << m; });
    SessionSettings s = h.Settings(QString(), ReadMode::Character);
    s.portDescription = pty.Description();
    s.burstSilenceMs = 40;
    s.intervalSeconds = 0.2;
    h.session.Start(s);
    ASSERT_TRUE(WaitUntil([&] { return h.log.size() >= 1; }, 3000));
    WaitUntil([] { return false; }, 800);
    EXPECT_TRUE(undecoded.isEmpty());  // a silent line is no such case
    for (int i = 0; i < 8 && undecoded.isEmpty(); ++i) {
        ASSERT_TRUE(pty.Send(PrintBlock(i, 600 + i)));
        WaitUntil([] { return false; }, 200);
    }
    ASSERT_TRUE(WaitUntil([&] { return !undecoded.isEmpty(); }, 3000));
    EXPECT_EQ(h.run.state.series.sampleCount, 0);
    EXPECT_TRUE(undecoded.first().startsWith(Message(kUndecodedMessage))) << undecoded.first().toStdString();
    EXPECT_TRUE(undecoded.first().contains(QStringLiteral("Cond 60"))) << undecoded.first().toStdString();
    h.session.RequestStop();
    WaitUntil([&] { return h.finished; }, 1000);
}
