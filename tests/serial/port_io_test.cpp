#include "pty_pair.h"
#include "serial/burst_port.h"
#include "serial/line_port.h"
#include "util/translate.h"
#include "wait_until.h"

#include <QElapsedTimer>

#include <atomic>
#include <thread>

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

TEST(BurstPortIo, AnInstrumentThatNeverPausesIsCutAtWholeBlocks)
{
    const QString block = QStringLiteral("04:19:39\r\nCond 600.3 \u00b5S/cm\r\n\r\n_____________________________\r\n");
    EXPECT_EQ(OverlongCut(block + QStringLiteral("04:19:40\r\nCo"), QString()), block.size());
    EXPECT_EQ(OverlongCut(QStringLiteral("a\r\nFIN\r\nb\r\nc"), QStringLiteral("FIN")), 8);
    EXPECT_EQ(OverlongCut(QStringLiteral("a\r\nb"), QString()), 3);
    EXPECT_EQ(OverlongCut(QStringLiteral("abc"), QString()), 3);

    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    BurstPort port;
    ASSERT_TRUE(port.Open(pty.Description()));
    QStringList bursts;
    QStringList said;
    QObject::connect(&port, &BurstPort::burstReceived, [&](const QString& t, int) { bursts << t; });
    QObject::connect(&port, &BurstPort::overlong, [&](const QString& t) { said << t; });
    // 200 KB of print blocks, never 110 ms apart: bursts come while the stream goes on.
    const QByteArray chunk = block.toLatin1().repeated(10);
    std::atomic<bool> streaming = true;
    std::thread instrument([&] {
        for (int i = 0; i < 300; ++i) {
            pty.Send(chunk);
            QThread::msleep(10);
        }
        streaming = false;
    });
    int whileStreaming = 0;
    while (streaming) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (streaming) {
            whileStreaming = static_cast<int>(bursts.size());
        }
    }
    instrument.join();
    EXPECT_GE(whileStreaming, 2);
    for (const QString& b : bursts) {
        EXPECT_LE(b.size(), kMaxBurstChars);
        EXPECT_TRUE(b.endsWith(QStringLiteral("_____________________________"))) << b.right(40).toStdString();
    }
    EXPECT_EQ(said, QStringList{Message(kOverlongBurstLog)});  // said once
}

TEST(LinePortIo, ALineWithoutEndIsCutAt64KiB)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    LinePort port;
    ASSERT_TRUE(port.Open(pty.Description()));
    port.SetTimeouts(500);
    QStringList lines;
    QStringList said;
    QObject::connect(&port, &LinePort::lineReceived, [&](const QString& l) { lines << l; });
    QObject::connect(&port, &LinePort::overlong, [&](const QString& t) { said << t; });
    std::atomic<bool> streaming = true;
    std::thread instrument([&] {
        for (int i = 0; i < 100; ++i) {
            pty.Send(QByteArray(2000, 'x'));
            QThread::msleep(10);
        }
        streaming = false;
    });
    int whileStreaming = 0;
    while (streaming) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (streaming) {
            whileStreaming = static_cast<int>(lines.size());
        }
    }
    instrument.join();
    EXPECT_GE(whileStreaming, 2);  // before any silence or CR
    for (const QString& l : lines) {
        EXPECT_EQ(l.size(), kMaxLineChars);
    }
    EXPECT_EQ(said, QStringList{Message(kOverlongLineLog)});
}
