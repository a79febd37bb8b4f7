#include "acquisition/reading_run.h"

#include "acquisition/demo_generator.h"

namespace sondalog {

void ReadingRun::Start(bool continuing)
{
    stopRequested = false;
    readingCounter = 0;
    instrumentTime.clear();
    decoder_ = CharacterDecoder();
    timeFromInstrument = false;
    // A demonstration on the system clock runs faster than time (or as fast as it can): its readings are one
    // second apart whatever the pace. A test's fixed clock keeps its own step.
    if (!options.demo || dynamic_cast<SystemClock*>(&clock_) == nullptr) {
        demoClock_.reset();
    } else if (!continuing || !demoClock_) {
        const QDateTime now = clock_.Now();
        demoClock_.emplace(now.addMSecs(-now.time().msec()), 1);
    }
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
    // In an instrument's file the PC's clock says nothing of when readings were taken: t0 takes the time of the
    // next reading when it comes.
    state.MarkT0(timeFromInstrument ? QDateTime() : ReadingClock().Now());
}

DisplayTexts ReadingRun::Process(const QString& line)
{
    return Process(line, nullptr, true);
}

DisplayTexts ReadingRun::Process(const QString& line, const ReadingFields* readAhead, bool listRecordLines)
{
    // A line read ahead as holding no reading stores nothing: the clock is not asked.
    QDateTime now;
    if (!(readAhead && !readAhead->ofQuantity1)) {
        const std::optional<QDateTime> stamp =
            timeFromInstrument ? stampReader_.Read(instrumentTime) : std::optional<QDateTime>();
        now = stamp ? *stamp : ReadingClock().Now();
        if (state.t0Marked && !state.tracingStartTime.isValid()) {
            state.tracingStartTime = now;
        }
    }
    RecordStore* const direct = listRecordLines ? nullptr : &records;
    DisplayTexts texts = ProcessReading(state, config, options, line, readAhead, instrumentTime, now, feed, direct);
    if (texts.stored) {
        ReadingClock().ReadingStored();
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
    const QString line = NextDemoLine(demoCounter, state.tracingStartIndex,
                                      demoDecimals_.For(options.decimalsSetting, state.initialPrefix));
    return CharacterLine(line);
}

CycleOutput ReadingRun::BurstCycle(const QString& raw, int count)
{
    if (count <= 0) {
        return CharacterLine(QString());
    }
    ++readingCounter;
    const CleanedBurst burst = CleanBurst(raw, count);
    CycleOutput out;
    out.log = burst.log;
    // Every complete block of the burst is a reading (an instrument that never pauses sends many at once).
    for (const QString& block : SplitBlocks(burst.line, config.q1)) {
        CycleOutput one = CharacterLine(block);
        out.log << one.log;
        out.csvDetected = out.csvDetected || one.csvDetected;
        for (DisplayTexts& t : one.texts) {
            out.texts.push_back(std::move(t));
        }
        if (out.csvDetected) {
            break;
        }
    }
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
    ProcessStep(AssembleLine(line), out);
}

BlockAssembler::Step ReadingRun::AssembleLine(const QString& line)
{
    BlockAssembler::Step step;
    AssembleLine(step, line, stopRequested);
    return step;
}

void ReadingRun::AssembleLine(BlockAssembler::Step& step, const QString& line, bool stop)
{
    // A replay's assembler never reads the count (no stamps warning): left unread, it may run on its own thread.
    const int count = blockOptions.unseen ? 0 : state.series.sampleCount;
    assembler_.Feed(step, line, config, blockOptions, count, stop);
}

void ReadingRun::ProcessStep(const BlockAssembler::Step& step, CycleOutput* out, const ReadingFields* readAhead)
{
    readingCounter += step.counterIncrement;
    if (out) {
        out->log << step.log;
        out->label21 = step.label21;
    }
    const bool listed = out != nullptr || bool(onRecordLines);
    for (qsizetype i = 0; i < step.readings.size(); ++i) {
        if (readAhead && !readAhead[i].ofQuantity1 && !listed) {
            // Read ahead as holding no reading (a block's time, mostly): nothing to store, no captions to make.
            PassLine(state, config, options, step.readings.at(i), readAhead[i], instrumentTime);
            continue;
        }
        DisplayTexts texts =
            Process(step.readings.at(i), readAhead ? readAhead + i : nullptr, listed);
        if (out) {
            out->log << texts.logLines;
            if (texts.stored) {
                out->texts.push_back(std::move(texts));
            }
        }
    }
}

}  // namespace sondalog
