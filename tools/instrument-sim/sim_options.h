#pragma once
// Options of the simulated multimeter.

#include <optional>
#include <string>

namespace sim {

/// Fluorometer: one space-aligned row of lamp signals per reading (two dyes over a turbidity event).
enum class Format { Print, Csv, Plain, Fluorometer };

struct Options {
    std::string link;            ///< where the symbolic link to the terminal is kept
    Format format = Format::Print;
    double interval = 1.0;       ///< seconds between readings; 0 as fast as the terminal takes them
    long count = -1;             ///< readings to send; -1 without end
    double baseline = 600.3;
    double amplitude = 200;
    long pulseStart = -1;        ///< first reading of the pulse; -1 for none
    double pulseRise = 20;       ///< readings from the start of the pulse to its peak
    double pulseWidth = 10;
    double drift = 0;            ///< added per reading, so that every value differs
    double noise = 0;            ///< standard deviation
    long unplugAfter = -1;       ///< readings sent before the terminal disappears
    double unplugFor = 3;        ///< seconds without a terminal
    double delay = 0.5;          ///< seconds between a reader opening the terminal and the first send
    bool waitReader = true;
};

/// Parses the arguments; nullopt (with a message on stderr) when they do not fit.
std::optional<Options> ParseOptions(int argc, char** argv);

}  // namespace sim
