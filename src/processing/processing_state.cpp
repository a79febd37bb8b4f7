#include "processing/processing_state.h"

namespace sondalog {

void ProcessingState::ResetRun(const InstrumentConfig& config)
{
    series.sampleCount = 0;
    series.ClearKeptStamps();
    tracingStartIndex = kNotTracing;
    t0Marked = false;
    tracingStartTime = QDateTime();
    haveLastReadingUtc = false;
    lastReadingUtc = 0;
    baseline = 0;
    area = 0;
    initialPrefix.clear();
    currentPrefix.clear();
    prefixFactor = 1;
    displayDecimals = QStringLiteral("1");
    timeOfReading2 = QDateTime();
    view = {};
    axisY1.min = config.q1.axisMin;
    axisY1.max = config.q1.axisMax;
    axisY1.graduation = 100;
    axisY1.maxRead = 0;
    axisY1.minRead = 1000000;
    axisY2.min = config.q2.axisMin;
    axisY2.max = config.q2.axisMax;
    axisY2.graduation = config.q2.graduation;
    axisY2.maxRead = 0;
    axisY2.minRead = 1000000;
}

void ProcessingState::MarkT0(const QDateTime& now)
{
    tracingStartIndex = series.sampleCount;
    t0Marked = true;
    tracingStartTime = now;
}

}  // namespace sondalog
