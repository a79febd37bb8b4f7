#include "pty_pair.h"
#include "serial/burst_port.h"
#include "serial/line_port.h"
#include "wait_until.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(BurstPortIo, ABurstEndsWithTheLinesSilence)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    BurstPort port;
    ASSERT_TRUE(port.Open(pty.Description()));
    port.SetDtr(true);  // a pseudo-terminal has no control lines: not an error
    QStringList texts;
    QList<int> counts;
    QObject::connect(&port, &BurstPort::burstReceived, [&](const QString& t, int c) {
        texts << t;
        counts << c;
    });
    // Two chunks of one burst, closer than the silence: one burst; a byte 0 adds nothing.
    ASSERT_TRUE(pty.Send(QByteArray("L1\r\nCond 1 \xe6S", 13)));
    QThread::msleep(30);
    ASSERT_TRUE(pty.Send(QByteArray("/cm\0\r\n", 6)));
    ASSERT_TRUE(WaitUntil([&] { return !texts.isEmpty(); }, 3000));
    QThread::msleep(200);
    QCoreApplication::processEvents();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0], QStringLiteral("L1\r\nCond 1 æS/cm"));
    EXPECT_EQ(counts[0], 18);

    ASSERT_TRUE(pty.Send("0123456789\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return texts.size() == 2; }, 3000));
    EXPECT_EQ(texts[1], QStringLiteral("0123456789"));
    EXPECT_EQ(counts[1], 12);
}

TEST(LinePortIo, LinesEndAtCarriageReturnOrSilence)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    LinePort port;
    ASSERT_TRUE(port.Open(pty.Description()));
    port.SetTimeouts(100);
    QStringList lines;
    QObject::connect(&port, &LinePort::lineReceived, [&](const QString& l) { lines << l; });
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(pty.Send("AB\rC"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }, 3000));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("AB"), QStringLiteral("C")}));
    EXPECT_GE(clock.elapsed(), 100);  // C only after the silence

    ASSERT_TRUE(pty.Send("\nx;y\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 3; }, 3000));
    EXPECT_EQ(lines[2], QStringLiteral("\nx;y"));  // line feeds stay in the text

    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(PortIo, MissingDeviceDoesNotOpen)
{
    BurstPort burst;
    EXPECT_FALSE(burst.Open(QStringLiteral("/nonexistent/ttyS99: bauds=9600 parity=N data=8 stop=1")));
    EXPECT_FALSE(burst.ErrorText().isEmpty());
    LinePort line;
    EXPECT_FALSE(line.Open(QStringLiteral("/nonexistent/ttyS99: bauds=9600 parity=N data=8 stop=1")));
}
