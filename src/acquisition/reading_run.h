#pragma once
// One run's decoding and processing, whatever feeds it: demonstration lines, bursts of the
// character mode, lines of the string mode or of a stored file. The acquisition session and
// the command line drive it; it never waits and never touches a port or a window.

#include "acquisition/block_assembler.h"
#include "acquisition/character_decoder.h"
#include "acquisition/demo_generator.h"
#include "util/instrument_stamp.h"
#include "processing/process_reading.h"
#include "util/clock.h"
#include "util/record_store.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace sondalog {

/// What one cycle produced, for the windows.
struct CycleOutput {
    QStringList log;                   ///< raw-line log
    std::vector<DisplayTexts> texts;   ///< one per ProcessReading call that stored a sample
    bool csvDetected = false;          ///< character mode received CSV: the run ends
    std::optional<QString> label21;    ///< three-probe stamps differ
};

class ReadingRun {
public:
    explicit ReadingRun(Clock& clock) : clock_(clock) {}

    ProcessingState state;
    // A replay's reading thread reads the configuration and options and writes the block assembler while this
    // thread writes the state, the records and the counters after every line: each group on cache lines of
    // its own, or every line would pass them back and forth between the two cores.
    alignas(64) InstrumentConfig config;
    ProcessOptions options;
    BlockOptions blockOptions;
    alignas(64) ChartFeed feed;

    QString instrumentTime;      ///< the loop's instrument-time text
    RecordStore records;         ///< the record list a recording file holds
    int readingCounter = 0;
    int demoCounter = 0;
    bool stopRequested = false;
    /// An instrument's logging file: a reading's time is the date and time its block carries (the clock's only
    /// where it carries none). Cleared by Start.
    bool timeFromInstrument = false;
    /// The captions on screen: the latest text processing gave each of them.
    DisplayTexts shown;
    /// Told every record line as it is made (the run journal listens here).
    std::function<void(const QStringList&)> onRecordLines;

    /// A new run: counters and texts cleared; the series reset unless a loaded recording is continued.
    void Start(bool continuing);
    /// Opening a port starts the string mode from an empty block.
    void ClearPendingBlock() { assembler_.Clear(); }
    /// Go: t0 is marked at the time the next reading will get.
    void MarkT0();

    /// One demonstration cycle (character mode).
    CycleOutput DemoCycle();
    /// One character-mode cycle on a received burst (`count` characters).
    CycleOutput BurstCycle(const QString& raw, int count);
    /// One string-mode cycle on a received or stored line.
    CycleOutput LineCycle(const QString& line);
    /// The same without gathering what the window shows (a stored file's replay): `out` may be null.
    void FeedLine(const QString& line, CycleOutput* out);
    /// FeedLine's two halves: the line into the pending block (touches neither the state nor the
    /// records when `blockOptions.unseen`), then the readings it completed processed.
    BlockAssembler::Step AssembleLine(const QString& line);
    /// The same into a step handed round again, with the stop flag as the caller read it (a replay's reading
    /// thread leaves the run's own flag unread).
    void AssembleLine(BlockAssembler::Step& step, const QString& line, bool stop);
    /// `readAhead`, when given, holds ReadFields of each of the step's readings.
    void ProcessStep(const BlockAssembler::Step& step, CycleOutput* out, const ReadingFields* readAhead = nullptr);

    /// ProcessReading on one decoded line, at the clock's time; records and captions kept.
    DisplayTexts Process(const QString& line);

    /// The wall clock (the countdown, the link's waits).
    Clock& clock() { return clock_; }
    /// The clock the readings are stamped with: in the demonstration one second per reading on the system clock,
    /// so that the graph, the area, the recording and the analysis share one time base.
    Clock& ReadingClock() { return demoClock_ ? static_cast<Clock&>(*demoClock_) : clock_; }

private:
    CycleOutput CharacterLine(const QString& line);
    /// Process with the line's fields perhaps read ahead; without `listRecordLines` (nobody reads the
    /// texts' record lines) they go straight into `records`.
    DisplayTexts Process(const QString& line, const ReadingFields* readAhead, bool listRecordLines);

    Clock& clock_;
    std::optional<FixedClock> demoClock_;
    InstrumentStampReader stampReader_;
    DemoDecimals demoDecimals_;
    CharacterDecoder decoder_;
    alignas(64) BlockAssembler assembler_;
};

}  // namespace sondalog
