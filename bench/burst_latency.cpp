// Latency from the last byte of an instrument burst to the end of its processing, over a
// pseudo-terminal: the burst silence (110 ms) plus decoding and ProcessReading. Prints figures.

#include "acquisition/reading_run.h"
#include "serial/burst_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

using namespace sondalog;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    termios raw{};
    cfmakeraw(&raw);
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    SystemClock clock;
    ReadingRun run(clock);
    run.config.q1.marker = QStringLiteral("Cond");
    run.config.q1.occurrence = 2;
    run.config.q1.timeMarkCount = 2;
    run.config.q2.occurrence = 4;
    run.options.regional = Regional::French();
    run.Start(false);

    BurstPort port;
    if (!port.Open(QString::fromLocal8Bit(name) + QStringLiteral(": bauds=9600 parity=N data=8 stop=1"))) {
        std::fprintf(stderr, "cannot open %s\n", name);
        return 1;
    }
    const QByteArray block =
        "07.12.2026 10:00:00\r\nMulti 3430\r\nNo.s\xe9r.  14451527\r\n\r\n\r\nTetraCon 925\r\nNo.s\xe9r.  14440518\r\n"
        "Cond 600.3 \xe6S/cm 22.9 \xb0" "C\r\nC = 0.475 1/cm, Tref25, nLF\r\n\r\n_____________________________\r\n";
    constexpr int kBursts = 40;
    std::vector<double> latencies;
    QElapsedTimer sinceWrite;
    QObject::connect(&port, &BurstPort::burstReceived, [&](const QString& text, int count) {
        run.BurstCycle(text, count);
        latencies.push_back(static_cast<double>(sinceWrite.nsecsElapsed()) / 1e6);
    });
    int sent = 0;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        if (sent == kBursts) {
            app.quit();
            return;
        }
        if (::write(master, block.constData(), block.size()) != block.size()) {
            app.exit(1);
        }
        sinceWrite.start();  // the last byte is in the terminal now
        ++sent;
    });
    pace.start(300);
    const int status = app.exec();
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::fprintf(stderr, "no burst processed\n");
        return 1;
    }
    std::printf("bursts processed: %zu of %d, samples stored: %d\n", latencies.size(), kBursts,
                run.state.series.sampleCount);
    std::printf("last byte -> processed (ms): min %.2f  median %.2f  max %.2f  (burst silence %d ms)\n",
                latencies.front(), latencies[latencies.size() / 2], latencies.back(), kBurstSilenceMs);
    ::close(slave);
    ::close(master);
    return status;
}
