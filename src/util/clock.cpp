#include "util/clock.h"

namespace sondalog {

QDateTime SystemClock::Now() const
{
    return QDateTime::currentDateTime();
}

}  // namespace sondalog
