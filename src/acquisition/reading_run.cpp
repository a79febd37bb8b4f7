#include "acquisition/reading_run.h"

#include "acquisition/demo_generator.h"

namespace sondalog {

void ReadingRun::Start(bool continuing)
{
    stopRequested = false;
    readingCounter = 0;
    instrumentTime.clear();
    decoder_ = CharacterDecoder();
    if (!continuing) {
        state.ResetRun(config);
        records.clear();
        shown = DisplayTexts();
        demoCounter = 0;
    }
}

void ReadingRun::MarkT0()
{
    demoCounter = 0;
    state.MarkT0(clock_.Now());
}

DisplayTexts ReadingRun::Process(const QString& line)
{
    DisplayTexts texts = ProcessReading(state, config, options, line, instrumentTime, clock_.Now(), feed);
    if (texts.stored) {
        clock_.ReadingStored();
        records << texts.recordLines;
        if (onRecordLines && !texts.recordLines.isEmpty()) {
            onRecordLines(texts.recordLines);
        }
        shown.MergeCaptions(texts);
    }
    return texts;
}

CycleOutput ReadingRun::CharacterLine(const QString& line)
{
    CycleOutput out;
    CharacterDecoder::Cycle c =
        decoder_.Decode(line, config.q1, options.phMarker, options.oxMarker, stopRequested);
    out.log << c.log;
    out.csvDetected = c.csvDetected;
    if (c.handOver) {
        instrumentTime = c.timeText;
        DisplayTexts texts = Process(c.valuesText);
        out.log << texts.logLines;
        if (texts.stored) {
            out.texts.push_back(std::move(texts));
        }
    }
    return out;
}

CycleOutput ReadingRun::DemoCycle()
{
    const QString line = NextDemoLine(demoCounter, state.tracingStartIndex, options.decimalsSetting,
                                      state.initialPrefix);
    return CharacterLine(line);
}

CycleOutput ReadingRun::BurstCycle(const QString& raw, int count)
{
    if (count <= 0) {
        return CharacterLine(QString());
    }
    ++readingCounter;
    const CleanedBurst burst = CleanBurst(raw, count);
    CycleOutput out = CharacterLine(burst.line);
    out.log = burst.log + out.log;
    return out;
}

CycleOutput ReadingRun::LineCycle(const QString& line)
{
    CycleOutput out;
    FeedLine(line, &out);
    return out;
}

void ReadingRun::FeedLine(const QString& line, CycleOutput* out)
{
    BlockAssembler::Step step =
        assembler_.Feed(line, config, blockOptions, state.series.sampleCount, stopRequested);
    readingCounter += step.counterIncrement;
    if (out) {
        out->log << step.log;
        out->label21 = step.label21;
    }
    for (const QString& reading : step.readings) {
        DisplayTexts texts = Process(reading);
        if (out) {
            out->log << texts.logLines;
            if (texts.stored) {
                out->texts.push_back(std::move(texts));
            }
        }
    }
}

}  // namespace sondalog
