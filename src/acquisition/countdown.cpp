#include "acquisition/countdown.h"

#include "util/number_format.h"

namespace sondalog {

QString CountdownCaption(const QDateTime& now, const QDateTime& runStartTime, const QString& startInjectText,
                         const QString& current)
{
    const qint64 elapsed = runStartTime.isValid() ? runStartTime.secsTo(now) : 1000000;
    if (elapsed >= 0 && elapsed <= 5) {
        return FormatDuration(6 - elapsed);
    }
    return current != startInjectText ? startInjectText : current;
}

}  // namespace sondalog
