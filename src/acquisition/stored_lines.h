#pragma once
// Decoding the lines of an instrument's own logging file through the string-mode chain.

#include "acquisition/reading_run.h"

#include <QStringList>

#include <functional>

namespace sondalog {

/// Called before each line with the fraction done (0 to 1); returning false stops the replay.
using Progress = std::function<bool(double fraction)>;

/// Feeds `lines` to the run one by one until the line "fin" (never decoded) or the last line;
/// the caller appends "fin". `beforeLine` runs ahead of every line (the command line presses Go there).
void ReplayStoredLines(ReadingRun& run, const QStringList& lines, const Progress& progress = {},
                       const std::function<void()>& beforeLine = {});

}  // namespace sondalog
