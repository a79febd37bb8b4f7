#pragma once
// Decoding the lines of an instrument's own logging file through the string-mode chain.

#include "acquisition/reading_run.h"

#include <QStringList>

#include <functional>

namespace sondalog {

/// Called before each line with the fraction done (0 to 1); returning false stops the replay.
using Progress = std::function<bool(double fraction)>;

/// Hands the next stored line; false when there is none left.
using NextLine = std::function<bool(QString& line)>;

/// Feeds `lines` to the run one by one until the line "fin" (never decoded) or the last line;
/// the caller appends "fin". `beforeLine` runs ahead of every line (the command line presses Go there).
void ReplayStoredLines(ReadingRun& run, const QStringList& lines, const Progress& progress = {},
                       const std::function<void()>& beforeLine = {});

/// Whether a replay reads its lines ahead on a second thread (the default); without one, or when no thread
/// can be started, each batch of lines is read on the calling thread when its turn comes.
extern bool readAheadOnThread;

/// Which thread writes the values part of each record line (quantity 1 as recorded, quantity 2, the probes):
/// by default the reading thread while batches wait for the processing thread, and the processing thread while
/// it waits for the reading thread, so that neither waits long. Tests set it to go through one way only.
enum class RecordValuesAhead { Balanced, Always, Never };
extern RecordValuesAhead recordValuesAhead;

/// The same, the lines pulled one at a time (a file read as it goes) until the line "fin" or the
/// last one; `fraction` says how far the source is, for `progress`. Lines are read ahead: after a stop
/// by `progress`, the source and the pending block are past the last line processed (such a run is dropped).
void ReplayLineSource(ReadingRun& run, const NextLine& next, const std::function<double()>& fraction,
                      const Progress& progress = {}, const std::function<void()>& beforeLine = {});

}  // namespace sondalog
