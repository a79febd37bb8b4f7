#pragma once
// What the four charts of a three-probe run hold: one point per reading, or, on long runs, one
// point per packet of consecutive readings (its last value, mean, minimum or maximum), with a
// packet size that grows with the run so that each chart keeps about a chosen number of points.

#include "processing/sample_series.h"

#include <QString>

#include <array>
#include <vector>

namespace sondalog {

/// The packet calculation ("calcul").
enum class PacketCalc { Last = 0, Mean = 1, Minimum = 2, Maximum = 3 };

/// Points per chart of the choices "tous", 100, 2 000, 5 000, 38 400 and 100 000 (0: every reading).
inline constexpr std::array<int, 6> kPointsPerChart = {0, 100, 2000, 5000, 38400, 100000};

/// One point of each chart: x = the reading number, the label is that reading's stamp text.
struct ChartPoint {
    int n = 0;
    std::array<double, 4> values{};  ///< conductivity, temperature, pH, oxygen
};

/// The three captions of the charts window.
struct ChartCaptions {
    QString Label1;  ///< n
    QString Label2;  ///< "tous les n points" or "P points"
    QString Label7;  ///< "point par point" or "f points par calcul"
};

/// What the charts are to do after a reading: append `points`, or clear and hold `points` only.
struct ChartUpdate {
    bool rebuild = false;
    std::vector<ChartPoint> points;
};

class ChartPackets {
public:
    /// "points par graphe": index 0 takes every reading (P := the current count), 1 to 5 the table.
    void SetPointsChoice(int index, int sampleCount);
    int PointsChoice() const { return pointsChoice_; }
    void SetCalc(PacketCalc calc) { calc_ = calc; }
    PacketCalc Calc() const { return calc_; }
    int PointsPerChart() const { return pointsPerChart_; }
    int PacketFactor() const { return factor_; }
    const ChartCaptions& Captions() const { return captions_; }

    /// After reading n = series.sampleCount was stored. Walks the series only when the packet
    /// factor changes (a rebuild); otherwise it reads the last packet at most.
    ChartUpdate Feed(const SampleSeries& series);
    /// Every point from reading 1 to series.sampleCount.
    ChartUpdate Rebuild(const SampleSeries& series);

    /// The packet point of readings from..to (to included).
    static ChartPoint Packet(const SampleSeries& series, int from, int to, PacketCalc calc);

private:
    int pointsChoice_ = 1;      ///< 100 points: "tous" would draw a week's 600,000 readings
    int pointsPerChart_ = 100;  ///< P, 100 when the window is made
    int factor_ = 1;            ///< f: a packet holds f + 1 readings
    PacketCalc calc_ = PacketCalc::Last;
    ChartCaptions captions_{QStringLiteral("0"), QStringLiteral("nb_tous"), QStringLiteral("nb points par paquet")};
};

/// A wheel notch on a chart's vertical range: forward (+1) narrows it by 20 %, backward (-1) widens
/// it by 20 % of the current range.
struct AxisRange {
    double min = 0;
    double max = 0;
};
AxisRange ZoomChartY(AxisRange range, int direction);

/// The calculation named on the command line ("dernier", "moyenne", "minimum", "maximum").
bool PacketCalcFromName(const QString& name, PacketCalc& calc);

}  // namespace sondalog
