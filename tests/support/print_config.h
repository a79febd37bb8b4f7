#pragma once
// The configuration the multimeter's print block decodes with: "Cond 600.3 µS/cm 22.9 °C",
// quantity 1 the 2nd word, quantity 2 the 4th, a time with two ':'. Shared by tests and benchmarks.

#include "instrument/instrument_config.h"

inline sondalog::InstrumentConfig PrintBlockConfig()
{
    sondalog::InstrumentConfig c;
    c.q1.name = QStringLiteral("conductivité");
    c.q1.unit = QStringLiteral("S/cm");
    c.q1.marker = QStringLiteral("Cond");
    c.q1.occurrence = 2;
    c.q1.timeMarkCount = 2;
    c.q1.axisMin = 400;
    c.q1.axisMax = 1000;
    c.q2.name = QStringLiteral("température");
    c.q2.unit = QStringLiteral("°C");
    c.q2.marker = QStringLiteral("Cond");
    c.q2.occurrence = 4;
    c.q2.axisMin = 10;
    c.q2.axisMax = 30;
    c.q2.graduation = 5;
    return c;
}
