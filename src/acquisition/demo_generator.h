#pragma once
// The demonstration: a synthetic WTW Multi 3430 print block, a constant baseline until t0,
// then a breakthrough pulse peaking 140 readings after it.

#include "instrument/instrument_config.h"

#include <QString>

namespace sondalog {

inline const QString kDemoCaption = QStringLiteral("DEMO");
inline constexpr int kDemoPeriodMs = 960;

/// Overrides the names and markers the table gave with those the demonstration line needs.
void ApplyDemoSetup(InstrumentConfig& config);

/// The conductivity of demonstration reading n (1-based since t0); `tracing` false gives the baseline.
long double DemoValue(int n, bool tracing);

/// Advances `demoCounter` and returns the next line in the character-mode format. The value has
/// the decimals the decimals setting gives for `initialPrefix`.
QString NextDemoLine(int& demoCounter, int tracingStartIndex, const QString& decimalsSetting,
                     const QString& initialPrefix);

}  // namespace sondalog
