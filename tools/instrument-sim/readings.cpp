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
    }
    return out;
}

}  // namespace sim
