// sondalog-instrument-sim: a simulated multimeter on a pseudo-terminal, for tests, demonstrations
// and users without their instrument at hand. It prints "sent K VALUE" for every reading it sends
// and "lost K VALUE" for those scheduled while it was unplugged or waiting for a reader.

#include "pty_link.h"
#include "readings.h"
#include "sim_options.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {
volatile std::sig_atomic_t stopping = 0;

void OnSignal(int)
{
    stopping = 1;
}

using Clock = std::chrono::steady_clock;

bool WaitForReader(const sim::PtyLink& pty, const sim::Options& o)
{
    while (o.waitReader && !pty.ReaderPresent()) {
        if (stopping) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(o.delay));
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    const std::optional<sim::Options> parsed = sim::ParseOptions(argc, argv);
    if (!parsed) {
        return 2;
    }
    const sim::Options& o = *parsed;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);

    sim::PtyLink pty(o.link);
    if (!pty.Open()) {
        return 1;
    }
    std::printf("terminal %s\n", pty.SlaveName().c_str());
    std::fflush(stdout);
    if (!WaitForReader(pty, o)) {
        return 0;
    }

    sim::Curve curve(o);
    auto next = Clock::now();
    Clock::time_point pluggedBackAt{};
    bool unplugged = false;
    for (long k = 1; (o.count < 0 || k <= o.count) && !stopping; ++k) {
        const double value = curve.Value(k);
        if (o.unplugAfter >= 0 && k == o.unplugAfter + 1 && !unplugged) {
            unplugged = true;
            pty.Close();
            std::printf("unplugged\n");
            std::fflush(stdout);
            pluggedBackAt = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.unplugFor));
        }
        if (pluggedBackAt != Clock::time_point{} && Clock::now() >= pluggedBackAt) {
            pluggedBackAt = {};
            if (!pty.Open()) {
                return 1;
            }
            std::printf("replugged %s\n", pty.SlaveName().c_str());
            std::fflush(stdout);
            if (!WaitForReader(pty, o)) {
                return 0;
            }
            next = Clock::now();
        }
        // Readings due while there was no terminal (or no reader) are lost, as with a real cable.
        const bool connected = pluggedBackAt == Clock::time_point{} && pty.ReaderPresent();
        if (connected && pty.Write(o.format == sim::Format::Fluorometer ? sim::EncodeFluorometer(o, value, k)
                                                                  : sim::Encode(o.format, value, sim::Stamp(), k))) {
            std::printf("sent %ld %.1f\n", k, value);
        } else {
            std::printf("lost %ld %.1f\n", k, value);
        }
        std::fflush(stdout);
        if (o.interval > 0) {
            next += std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.interval));
            std::this_thread::sleep_until(next);
        }
    }
    // Leave the last bytes time to be read before the terminal goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return 0;
}
