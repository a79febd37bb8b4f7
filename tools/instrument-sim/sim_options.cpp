#include "sim_options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {

namespace {
void Usage()
{
    std::fprintf(stderr,
                 "usage: sondalog-instrument-sim LINK [--format print|csv|plain|fluorometer] [--interval S] [--count N]\n"
                 "       [--baseline V] [--amplitude A] [--pulse-start K] [--pulse-rise R] [--pulse-width W]\n"
                 "       [--drift D] [--noise SD] [--unplug-after N] [--unplug-for S] [--delay S] [--no-wait]\n");
}
}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                Usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--format") {
            const std::string f = value();
            if (f == "print") {
                o.format = Format::Print;
            } else if (f == "csv") {
                o.format = Format::Csv;
            } else if (f == "plain") {
                o.format = Format::Plain;
            } else if (f == "fluorometer") {
                o.format = Format::Fluorometer;
            } else {
                Usage();
                return std::nullopt;
            }
        } else if (a == "--interval") {
            o.interval = std::atof(value());
        } else if (a == "--count") {
            o.count = std::atol(value());
        } else if (a == "--baseline") {
            o.baseline = std::atof(value());
        } else if (a == "--amplitude") {
            o.amplitude = std::atof(value());
        } else if (a == "--pulse-start") {
            o.pulseStart = std::atol(value());
        } else if (a == "--pulse-rise") {
            o.pulseRise = std::atof(value());
        } else if (a == "--pulse-width") {
            o.pulseWidth = std::atof(value());
        } else if (a == "--drift") {
            o.drift = std::atof(value());
        } else if (a == "--noise") {
            o.noise = std::atof(value());
        } else if (a == "--unplug-after") {
            o.unplugAfter = std::atol(value());
        } else if (a == "--unplug-for") {
            o.unplugFor = std::atof(value());
        } else if (a == "--delay") {
            o.delay = std::atof(value());
        } else if (a == "--no-wait") {
            o.waitReader = false;
        } else if (!a.empty() && a[0] != '-' && o.link.empty()) {
            o.link = a;
        } else {
            Usage();
            return std::nullopt;
        }
    }
    if (o.link.empty()) {
        Usage();
        return std::nullopt;
    }
    return o;
}

}  // namespace sim
