#include "readings.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace sim {

double Curve::Value(long k)
{
    double v = o_.baseline + o_.drift * static_cast<double>(k);
    if (o_.pulseStart >= 0 && k >= o_.pulseStart) {
        const double x = (static_cast<double>(k - o_.pulseStart) - o_.pulseRise) / o_.pulseWidth;
        v += o_.amplitude * std::exp(-x * x);
    }
    if (o_.noise > 0) {
        v += noise_(random_);
    }
    return v;
}

std::string Stamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
    return text;
}

std::string Encode(Format format, double conductivity, const std::string& stamp, long k)
{
    char value[32];
    std::snprintf(value, sizeof value, "%.1f", conductivity);
    const double ph = 7.0 + static_cast<double>(k % 10) / 100.0;
    const double ox = 85.0 - static_cast<double>(k % 7) / 10.0;
    char phText[16];
    char oxText[16];
    std::snprintf(phText, sizeof phText, "%.2f", ph);
    std::snprintf(oxText, sizeof oxText, "%.1f", ox);
    std::string out;
    switch (format) {
    case Format::Print:
        // The multimeter's print block; its micro sign is the byte 0xE6.
        out = stamp + "\r\nMulti 3430\r\nNo.s\xe9r.  14451527\r\n\r\n\r\nTetraCon 925\r\nNo.s\xe9r.  14440518\r\nCond " +
              value + " \xe6S/cm 22.9 \xb0" "C\r\nC = 0.475 1/cm, Tref25, nLF\r\n\r\n_____________________________\r\n";
        break;
    case Format::Csv:
        // One line per probe; the conductivity line closes the block.
        out = stamp + ";14440518;" + phText + ";mV;pH;22.9;\xb0" "C;SenTix 940\r\n" + stamp + ";14440519;" + oxText +
              ";%;Ox;22.9;\xb0" "C;FDO 925\r\n" + stamp + ";14451527;" + value + ";\xb5S/cm;Cond;22.9;\xb0" "C;TetraCon 925\r\n";
        break;
    case Format::Plain:
        out = std::string("$Cond  ") + value + " \xe6S/cm  22.9 \xb0" "C\r\n" + stamp + "\r\n";
        break;
    case Format::Fluorometer:
        break;  // its rows carry lamps, not a conductivity: EncodeFluorometer
    }
    return out;
}

std::string EncodeFluorometer(const Options& o, double value, long k)
{
    const double uranine = value - o.baseline;
    double sulforhodamine = 0;
    double ntu = 0;
    if (o.pulseStart >= 0) {
        const double later = (static_cast<double>(k - o.pulseStart) - 2 * o.pulseRise) / (2 * o.pulseWidth);
        sulforhodamine = o.amplitude / 2 * std::exp(-later * later);
        const double event = (static_cast<double>(k - o.pulseStart) - 1.5 * o.pulseRise) / (o.pulseWidth / 2);
        ntu = 20 * std::exp(-event * event);
    }
    const double l1 = 1.19 + 6.1306 * uranine + 1.0 * ntu;
    const double l2 = 10.20 + 0.406 * uranine + 1.454 * sulforhodamine + 1.2 * ntu;
    const double l3 = 5.30 + 0.7 * ntu;
    const double l4 = 0.80 + 16.0 * ntu;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%y/%m/%d-%H:%M:%S", &local);
    char row[160];
    std::snprintf(row, sizeof row, "%4ld  %s  0  %8.2f  %8.2f  %8.2f  %8.2f  250.00  12.4  11.50  520\r\n", k, stamp, l1, l2,
                  l3, l4);
    return row;
}

}  // namespace sim
