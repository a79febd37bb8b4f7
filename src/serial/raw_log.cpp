#include "serial/raw_log.h"

namespace sondalog {

void AppendLogLine(QStringList& log, const QString& line)
{
    if (log.size() > kRawLogLimit) {
        log.clear();
    }
    log << line;
}

}  // namespace sondalog
