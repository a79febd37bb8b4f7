#include "acquisition/demo_generator.h"

#include "processing/decimals.h"
#include "processing/processing_state.h"
#include "util/number_format.h"

#include <cmath>

namespace sondalog {

void ApplyDemoSetup(InstrumentConfig& config)
{
    config.active.instrumentName = kDemoCaption;
    config.q1.name = QStringLiteral("conductivité");
    config.q1.marker = QStringLiteral("Cond");
    config.q1.markerNote.clear();
    config.q1.occurrence = 2;
    config.q1.timeMarkCount = 2;
    config.q2.name = QStringLiteral("température");
    config.q2.marker = QStringLiteral("Cond");
    config.q2.markerNote.clear();
    config.q2.occurrence = 4;
    config.q2.timeMarkCount = 2;
}

long double DemoValue(int n, bool tracing)
{
    if (!tracing) {
        return 600.3L;
    }
    const long double x = (n - 140) / 4.0L;
    return 600.3L + 200.0L * std::exp(-(x * x) / ((0.05L * n + 1.0L) * 60.0L));
}

int DemoDecimals::For(const QString& decimalsSetting, const QString& initialPrefix)
{
    if (decimals < 0 || decimalsSetting != setting || initialPrefix != prefix) {
        setting = decimalsSetting;
        prefix = initialPrefix;
        decimals = DecimalsFromText(DecimalsFor(decimalsSetting, initialPrefix), 0);
    }
    return decimals;
}

QString NextDemoLine(int& demoCounter, int tracingStartIndex, const QString& decimalsSetting,
                     const QString& initialPrefix)
{
    DemoDecimals decimals;
    return NextDemoLine(demoCounter, tracingStartIndex, decimals.For(decimalsSetting, initialPrefix));
}

QString NextDemoLine(int& demoCounter, int tracingStartIndex, int d)
{
    ++demoCounter;
    const double y = static_cast<double>(DemoValue(demoCounter, tracingStartIndex != kNotTracing));
    const QString value = FormatFixed(y, 8, d, u'.');
    return QStringLiteral("26.09.2009 04:19:39| Multi 3430| No.sér.  14451527| | | TetraCon 925| No.sér.  14440518| Cond ") +
           value + QStringLiteral(" µS/cm 22.9 °C| C = 0.475 1/cm, Tref25, nLF| | _____________________________|");
}

}  // namespace sondalog
