#include "charts/chart_packets.h"

#include "util/translate.h"

#include <algorithm>

namespace sondalog {

namespace {
std::array<double, 4> ValuesOf(const Sample& s)
{
    return {s.value1, s.value2, s.phValue, s.oxValue};
}
}  // namespace

void ChartPackets::SetPointsChoice(int index, int sampleCount)
{
    pointsChoice_ = std::clamp(index, 0, static_cast<int>(kPointsPerChart.size()) - 1);
    pointsPerChart_ = pointsChoice_ == 0 ? sampleCount : kPointsPerChart[static_cast<std::size_t>(pointsChoice_)];
}

ChartPoint ChartPackets::Packet(const SampleSeries& series, int from, int to, PacketCalc calc)
{
    ChartPoint p;
    p.n = to;
    from = std::max(from, 1);
    switch (calc) {
    case PacketCalc::Last:
        p.values = ValuesOf(series.At(to));
        break;
    case PacketCalc::Mean: {
        // Sums of whole blocks of readings come from the series' summaries: the last bits of a mean
        // may differ from a reading-by-reading sum, never what a chart shows.
        const SampleSeries::Stats stats = series.StatsOf(from, to);
        const int count = to - from + 1;
        for (std::size_t k = 0; k < 4; ++k) {
            p.values[k] = count > 0 ? stats.sum[k] / count : 0;
        }
        break;
    }
    case PacketCalc::Minimum:
        p.values = series.StatsOf(from, to).min;
        break;
    case PacketCalc::Maximum:
        p.values = series.StatsOf(from, to).max;
        break;
    }
    return p;
}

ChartUpdate ChartPackets::Feed(const SampleSeries& series)
{
    const int n = series.sampleCount;
    ChartUpdate update;
    captions_.Label1 = QString::number(n);
    if (n < 1) {
        return update;
    }
    if (pointsChoice_ == 0) {
        captions_.Label2 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "tous les %1 points")).arg(n);
        update.points.push_back(Packet(series, n, n, PacketCalc::Last));
        return update;
    }
    const int q = pointsPerChart_ > 0 ? n / pointsPerChart_ : 0;
    if (q != factor_) {
        factor_ = q;
        return Rebuild(series);
    }
    if (n % (factor_ + 1) == 0) {
        update.points.push_back(Packet(series, n - factor_, n, calc_));
    }
    return update;
}

ChartUpdate ChartPackets::Rebuild(const SampleSeries& series)
{
    const int n = series.sampleCount;
    ChartUpdate update;
    update.rebuild = true;
    captions_.Label1 = QString::number(n);
    if (pointsChoice_ == 0) {
        captions_.Label2 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "tous les %1 points")).arg(n);
        captions_.Label7 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "point par point"));
        update.points.reserve(static_cast<std::size_t>(std::max(n, 0)));
        for (int i = 1; i <= n; ++i) {
            update.points.push_back(Packet(series, i, i, PacketCalc::Last));
        }
        return update;
    }
    factor_ = pointsPerChart_ > 0 ? n / pointsPerChart_ : 0;
    captions_.Label2 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 points")).arg(pointsPerChart_);
    captions_.Label7 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 points par calcul")).arg(factor_);
    const int step = factor_ + 1;
    update.points.reserve(static_cast<std::size_t>(std::max(n / step, 0)));
    for (int i = step; i <= n; i += step) {
        update.points.push_back(Packet(series, i - factor_, i, calc_));
    }
    return update;
}

AxisRange ZoomChartY(AxisRange range, int direction)
{
    const double d = (range.max - range.min) * 0.2 / 2 * direction;
    return {range.min + d, range.max - d};
}

bool PacketCalcFromName(const QString& name, PacketCalc& calc)
{
    const QString t = name.trimmed();
    if (t == QLatin1String("dernier")) {
        calc = PacketCalc::Last;
    } else if (t == QLatin1String("moyenne")) {
        calc = PacketCalc::Mean;
    } else if (t == QLatin1String("minimum")) {
        calc = PacketCalc::Minimum;
    } else if (t == QLatin1String("maximum")) {
        calc = PacketCalc::Maximum;
    } else {
        return false;
    }
    return true;
}

}  // namespace sondalog
