#include "analysis/elapsed_time.h"

#include "util/translate.h"

#include <QDateTime>

namespace sondalog {

namespace {
constexpr qint64 kDay = 86400;

/// A wall-clock time as the PC showed it (read without a time zone: 02:30 exists on a clock going forward).
QString WallText(qint64 wall)
{
    return QDateTime::fromSecsSinceEpoch(wall, Qt::UTC).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

int OffsetAt(const QTimeZone& zone, qint64 instant)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC));
}
}  // namespace

InstantReader::InstantReader(const QTimeZone& zone, qint64 firstWall, qint64 lastWall) : zone_(zone)
{
    // Wall seconds are the instant plus the offset: a day either side covers any offset there is.
    offset_ = OffsetAt(zone_, firstWall - kDay);
    const QTimeZone::OffsetDataList changes = zone_.transitions(QDateTime::fromSecsSinceEpoch(firstWall - kDay, Qt::UTC),
                                                                QDateTime::fromSecsSinceEpoch(lastWall + kDay, Qt::UTC));
    oneOffset_ = changes.isEmpty() && OffsetAt(zone_, lastWall + kDay) == offset_;
}

qint64 InstantReader::Instant(qint64 wall, qint64 notBefore) const
{
    if (oneOffset_) {
        return wall - offset_;
    }
    // The offsets half a day either side: a clock changes at most once in a day.
    const int before = OffsetAt(zone_, wall - kDay / 2);
    const int after = OffsetAt(zone_, wall + kDay / 2);
    qint64 candidates[2];
    int count = 0;
    for (const int offset : {before, after}) {
        const qint64 instant = wall - offset;
        if (OffsetAt(zone_, instant) == offset && (count == 0 || candidates[0] != instant)) {
            candidates[count++] = instant;
        }
    }
    if (count == 0) {
        return wall - before;  // skipped by the change: read as the clock before it would have said
    }
    if (count == 2 && candidates[1] < candidates[0]) {
        std::swap(candidates[0], candidates[1]);
    }
    return count == 2 && candidates[0] < notBefore ? candidates[1] : candidates[0];
}

ElapsedTimes ElapsedSeconds(const SampleSeries& series, int first, int origin, int last, double secondsPerReading,
                            const QTimeZone& zone)
{
    ElapsedTimes out;
    if (last < first) {
        return out;
    }
    out.seconds.reserve(static_cast<std::size_t>(last - first + 1));
    if (secondsPerReading > 0) {
        for (int n = first; n <= last; ++n) {
            out.seconds.push_back((n - origin) * secondsPerReading);
        }
        return out;
    }
    for (int n = first; n <= last; ++n) {
        if (series.At(n).time == kNoTime) {
            out.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "mesure n° %1 sans heure lisible : analyse arrêtée (les temps de transit "
                                       "demandent l'heure de chaque mesure)"))
                            .arg(n);
            out.seconds.clear();
            return out;
        }
    }
    const InstantReader reader(zone, series.At(first).time, series.At(last).time);
    std::vector<qint64> instants;
    instants.reserve(out.seconds.capacity());
    qint64 previous = std::numeric_limits<qint64>::min();
    for (int n = first; n <= last; ++n) {
        const qint64 instant = reader.Instant(series.At(n).time, previous);
        if (instant < previous) {
            out.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "l'heure recule à la mesure n° %1 (%2 après %3) : analyse arrêtée, "
                                       "vérifier l'horloge du PC"))
                            .arg(n)
                            .arg(WallText(series.At(n).time), WallText(series.At(n - 1).time));
            out.seconds.clear();
            return out;
        }
        instants.push_back(instant);
        previous = instant;
    }
    const qint64 zero = instants[static_cast<std::size_t>(origin - first)];
    for (const qint64 instant : instants) {
        out.seconds.push_back(static_cast<double>(instant - zero));
    }
    return out;
}

}  // namespace sondalog
