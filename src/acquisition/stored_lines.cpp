#include "acquisition/stored_lines.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace sondalog {

bool readAheadOnThread = true;
RecordValuesAhead recordValuesAhead = RecordValuesAhead::Balanced;

namespace {
/// Lines read and assembled into blocks on a second thread while the readings of the lines before them
/// are processed: the two halves take about the same time on a long file.
class AssemblyAhead {
public:
    struct Line {
        double fraction = 0;  ///< how far the source was before this line was read
        BlockAssembler::Step step;
        std::vector<ReadingFields> read;  ///< the fields of each of the step's readings, read ahead too
    };
    struct Batch {
        std::vector<Line> lines;   ///< the first `count` are this batch's; the others wait to be reused
        std::size_t count = 0;
        bool last = false;         ///< the source is done after these lines
        double endFraction = 0;    ///< how far it was when it had no more
    };

    AssemblyAhead(ReadingRun& run, const NextLine& next, const std::function<double()>& fraction, bool onThread)
        : run_(run), own_(std::make_unique<Own>(next, fraction))
    {
        if (onThread) {
            try {
                thread_ = std::thread([this] { Produce(); });
            } catch (const std::system_error&) {
                // No second thread to be had: each batch is read when it is taken, on this one.
            }
        }
    }
    ~AssemblyAhead()
    {
        if (!thread_.joinable()) {
            return;
        }
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            abandoned_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    /// The next batch, in the file's order; rethrows what the reading thread met (memory, mostly).
    Batch Take()
    {
        if (!thread_.joinable()) {
            Batch batch = Spare();
            Fill(batch, recordValuesAhead == RecordValuesAhead::Always);  // one thread: made where they are used
            return batch;
        }
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || failure_; });
        if (ready_.empty()) {
            std::rethrow_exception(failure_);
        }
        Batch batch = std::move(ready_.front());
        ready_.pop_front();
        lock.unlock();
        changed_.notify_all();
        return batch;
    }
    /// A processed batch handed back: its steps' texts are written over, not allocated again.
    void GiveBack(Batch&& batch)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        spare_.push_back(std::move(batch));
    }

private:
    // Each hand-over may wake the other thread (a system call): batches of a millisecond's work or so. Larger
    // ones make the first lines' rooms (allocated once, then reused) and the wait at either end longer.
    static constexpr std::size_t kBatchLines = 1024;
    static constexpr std::size_t kBatchesAhead = 4;  // bounds the memory read ahead

    /// Reads lines into the batch until it is full or the source is done; with `prepare`, each reading's record
    /// values are made here too (else the processing thread makes them).
    void Fill(Batch& batch, bool prepare)
    {
        Own& own = *own_;
        QString& line = own.line;
        while (batch.count < kBatchLines) {
            const double f = own.fraction ? own.fraction() : 0.0;
            if (!own.next(line) || line == QLatin1String("fin")) {
                batch.last = true;
                batch.endFraction = f;
                return;
            }
            if (batch.count == batch.lines.size()) {
                batch.lines.emplace_back();
            }
            Line& l = batch.lines[batch.count++];
            l.fraction = f;
            run_.AssembleLine(l.step, line, false);
            l.read.resize(static_cast<std::size_t>(l.step.readings.size()));
            for (std::size_t i = 0; i < l.read.size(); ++i) {
                ReadFields(l.read[i], l.step.readings.at(static_cast<qsizetype>(i)), run_.config, run_.options);
                if (prepare) {
                    PrepareRecordValues(l.read[i], run_.options);
                }
            }
        }
    }

    void Produce()
    {
        try {
            bool last = false;
            while (!last) {
                // The record values go to whichever thread has time for them: made here while batches wait
                // to be processed, left to the processing thread while it waits for this one.
                std::size_t waiting = 0;
                Batch batch = Spare(&waiting);
                Fill(batch, recordValuesAhead == RecordValuesAhead::Always ||
                                (recordValuesAhead == RecordValuesAhead::Balanced && waiting >= kBatchesAhead / 2));
                last = batch.last;
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [this] { return ready_.size() < kBatchesAhead || abandoned_; });
                if (abandoned_) {
                    return;
                }
                ready_.push_back(std::move(batch));
                lock.unlock();
                changed_.notify_all();
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(mutex_);
            failure_ = std::current_exception();
        }
        changed_.notify_all();
    }

    /// A batch to fill; `waiting` (if given) gets how many batches wait to be processed.
    Batch Spare(std::size_t* waiting = nullptr)
    {
        Batch batch;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (waiting) {
                *waiting = ready_.size();
            }
            if (!spare_.empty()) {
                batch = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        batch.count = 0;
        batch.last = false;
        batch.lines.reserve(kBatchLines);
        return batch;
    }

    /// What the reading thread writes for every line, on cache lines of its own: near anything the other
    /// thread writes (its stack, the run's state), every line would pass them between the two cores.
    struct alignas(64) Own {
        Own(const NextLine& n, const std::function<double()>& f) : next(n), fraction(f) {}
        NextLine next;
        std::function<double()> fraction;
        QString line;  // the line read, its room kept
    };

    ReadingRun& run_;
    const std::unique_ptr<Own> own_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> ready_;
    std::vector<Batch> spare_;
    bool abandoned_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};
}  // namespace

namespace {
/// The first batch tells how far into the source its lines went and how many readings they hold: room for
/// the whole source's readings and record lines is set aside once (by a quarter more), rather than the
/// series and the records being copied each time their room doubles. Room never used takes no memory.
void ReserveForTheWholeFile(ReadingRun& run, const AssemblyAhead::Batch& batch)
{
    if (batch.count == 0 || batch.last) {
        return;
    }
    const double reached = batch.lines[batch.count - 1].fraction;
    if (!(reached > 0.0 && reached < 1.0)) {
        return;
    }
    std::size_t readings = 0;
    for (std::size_t i = 0; i < batch.count; ++i) {
        for (const ReadingFields& r : batch.lines[i].read) {
            readings += r.ofQuantity1 ? 1 : 0;
        }
    }
    const double expected = static_cast<double>(readings) / reached * 1.25;
    if (expected < 1.0 || expected > 50e6) {
        return;
    }
    const int count = static_cast<int>(expected);
    try {
        run.state.series.ReserveRoom(run.state.series.sampleCount + count + SampleSeries::kGrowth);
        run.records.ReserveRoom(count, 64);
    } catch (const std::bad_alloc&) {
        // Only room set aside ahead: without it the series and the records grow as they go.
    }
}
}  // namespace

void ReplayLineSource(ReadingRun& run, const NextLine& next, const std::function<double()>& fraction,
                      const Progress& progress, const std::function<void()>& beforeLine)
{
    const bool wasReplaying = run.options.replaying;
    const ReadMode wasMode = run.options.mode;
    const bool wasUnseen = run.blockOptions.unseen;
    const bool wasCaptionsAtEnd = run.options.captionsAtEnd;
    run.options.replaying = true;
    run.options.captionsAtEnd = true;
    run.blockOptions.unseen = true;
    run.options.mode = ReadMode::StringCsv;
    // Nothing in the replay sets the stop flag: it is read once, and the reading thread never sees it change.
    if (!run.stopRequested) {
        AssemblyAhead ahead(run, next, fraction, readAheadOnThread);
        bool done = false;
        bool sized = false;
        while (!done) {
            AssemblyAhead::Batch batch = ahead.Take();
            if (!sized) {
                ReserveForTheWholeFile(run, batch);
                sized = true;
            }
            for (std::size_t i = 0; i < batch.count && !done; ++i) {
                const AssemblyAhead::Line& l = batch.lines[i];
                if (progress && !progress(l.fraction)) {
                    done = true;
                    break;
                }
                if (beforeLine) {
                    beforeLine();
                }
                run.ProcessStep(l.step, nullptr, l.read.data());
            }
            if (!done && batch.last) {
                if (progress) {
                    progress(batch.endFraction);
                }
                done = true;
            }
            ahead.GiveBack(std::move(batch));
        }
    }
    // The captions a replay skipped on the way: those of its last reading.
    if (run.state.series.sampleCount > 0 && !wasCaptionsAtEnd) {
        DisplayTexts last;
        LastReadingCaptions(last, run.state, run.config, run.options);
        run.shown.MergeCaptions(last);
    }
    run.options.replaying = wasReplaying;
    run.options.captionsAtEnd = wasCaptionsAtEnd;
    run.blockOptions.unseen = wasUnseen;
    run.options.mode = wasMode;
}

void ReplayStoredLines(ReadingRun& run, const QStringList& lines, const Progress& progress,
                       const std::function<void()>& beforeLine)
{
    // The last line is the caller's "fin": it ends the replay without being decoded.
    const qsizetype count = lines.size();
    qsizetype index = 0;
    const NextLine next = [&](QString& line) {
        if (index + 1 >= count) {
            return false;
        }
        line = lines.at(index++);
        return true;
    };
    ReplayLineSource(run, next, [&] { return count > 0 ? static_cast<double>(index) / static_cast<double>(count) : 0.0; },
                     progress, beforeLine);
}

}  // namespace sondalog
