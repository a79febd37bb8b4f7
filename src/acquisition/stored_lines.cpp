#include "acquisition/stored_lines.h"

namespace sondalog {

void ReplayStoredLines(ReadingRun& run, const QStringList& lines, const Progress& progress,
                       const std::function<void()>& beforeLine)
{
    const bool wasReplaying = run.options.replaying;
    const ReadMode wasMode = run.options.mode;
    const bool wasWithoutLog = run.blockOptions.withoutLog;
    run.options.replaying = true;
    run.blockOptions.withoutLog = true;
    run.options.mode = ReadMode::StringCsv;
    const qsizetype count = lines.size();
    for (qsizetype index = 0; index < count && !run.stopRequested;) {
        if (progress && !progress(static_cast<double>(index) / static_cast<double>(count))) {
            break;
        }
        const QString& line = lines.at(index);
        ++index;
        if (index >= count || line == QLatin1String("fin")) {
            break;
        }
        if (beforeLine) {
            beforeLine();
        }
        run.LineCycle(line);
    }
    run.options.replaying = wasReplaying;
    run.blockOptions.withoutLog = wasWithoutLog;
    run.options.mode = wasMode;
}

}  // namespace sondalog
