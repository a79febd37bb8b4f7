#pragma once
// What the simulated multimeter sends: its values and the bytes of each format.

#include "sim_options.h"

#include <random>
#include <string>

namespace sim {

/// Reading k (from 1): a baseline, then a pulse, plus drift and noise.
class Curve {
public:
    explicit Curve(const Options& o) : o_(o), noise_(0.0, o.noise > 0 ? o.noise : 1.0) {}
    double Value(long k);

private:
    const Options& o_;
    std::mt19937 random_{1234};
    std::normal_distribution<double> noise_;
};

/// The bytes of one reading in Windows-1252 with CR LF line ends; `stamp` is "dd.MM.yyyy hh:mm:ss".
std::string Encode(Format format, double conductivity, const std::string& stamp, long k);

/// A fluorometer's row for reading k: uranine in ppb is the curve above its baseline (amplitude, drift and noise
/// included), sulforhodamine a later, wider pulse of half its height, and a turbidity event of 20 NTU between
/// them; each lamp sees what the calibration's standards say of each (L1 6.13 mV/ppb of uranine, L2 1.45 of
/// sulforhodamine and 0.41 of uranine, L4 16 mV/NTU, every lamp a little of the turbidity).
std::string EncodeFluorometer(const Options& o, double value, long k);

/// The current local time as the instrument prints it.
std::string Stamp();

}  // namespace sim
