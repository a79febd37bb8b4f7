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

/// The decimals of the demonstration's values, looked up again only when the setting or the prefix changes.
struct DemoDecimals {
    QString setting;
    QString prefix;
    int decimals = -1;
    int For(const QString& decimalsSetting, const QString& initialPrefix);
};

/// The same with the decimals already worked out.
QString NextDemoLine(int& demoCounter, int tracingStartIndex, int decimals);

}  // namespace sondalog
