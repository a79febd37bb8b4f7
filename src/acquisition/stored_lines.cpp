#include "acquisition/stored_lines.h"

namespace sondalog {

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
    QString line;
    while (!run.stopRequested) {
        if (progress && !progress(fraction ? fraction() : 0.0)) {
            break;
        }
        if (!next(line) || line == QLatin1String("fin")) {
            break;
        }
        if (beforeLine) {
            beforeLine();
        }
        run.FeedLine(line, nullptr);
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
