#pragma once
// The live graph: quantity 1 (and quantity 2 in the lower half) painted on a bitmap with
// plain primitives, the X axis as elapsed time, packets of samples decimated to the width.

#include "plot/label_text.h"
#include "plot/pixel_shapes.h"
#include "processing/processing_state.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace sondalog {

enum class Band { Whole, Upper, Lower };

/// What a graph keeps from one redraw to the next: its labels laid out and its points' stamps.
struct PaintCache {
    LabelCache labels;
    StampCache stamps;
};

inline constexpr int kGraphMargin = 30;
inline const QColor kGridColour = QColor(192, 192, 192);
inline const QColor kIntegralColour = QColor(160, 250, 245);

/// What one drawing of a quantity needs.
struct QuantityDrawing {
    int quantity = 1;        ///< 1, 2 or kRawQuantity: which value of the samples
    Band band = Band::Whole;
    int interval = 1;        ///< seconds between readings, for the time labels
    QColor colour;
    int radius = 3;
    QColor labelColour;      ///< the colour of quantity 1, used for every label
    QColor background = Qt::white;
    bool integral = false;   ///< "intégrale": bars between the curve and the baseline after t0
    QChar decimalSign = u',';
    PaintCache* cache = nullptr;  ///< the drawing graph's layouts and stamps, kept across redraws
};

/// Index step between time graduations for a view ending at `last`.
int TimeStep(int last);
/// "00:05", "01:00:00": elapsed seconds as the time axis shows them.
QString ElapsedLabel(qint64 seconds);
/// The integer step replacing a graduation of 0 or below (0 when the range is under 1).
double ReplacementGraduation(double min, double max);
/// Each component 255 minus itself; black and white become grey.
QColor InverseColour(const QColor& c);
/// Samples per packet for an image `width` pixels wide.
int PacketSize(int width, int sampleCount, const ViewWindow& view);

/// One point of the curve: reading n, drawn at the largest value of its packet.
struct PacketPoint {
    int n = 0;
    double value = 0;
};
/// The curve's points for packets of e readings over the view (the series' pyramid of maxima:
/// about one step per point, whatever the run's length).
std::vector<PacketPoint> PacketMaxima(const SampleSeries& series, int quantity, const ViewWindow& view, int e);

/// Draws one quantity. The axis' graduation is rewritten when it was 0 or below.
void DrawQuantity(QImage& image, AxisScale& axis, const QuantityDrawing& drawing, const SampleSeries& series,
                  const ViewWindow& view, int tracingStartIndex, double baseline);

/// The whole graph: quantity 1 alone, or both halves when `showY2`; a lower half of kRawQuantity (quantity 1
/// before the corrections) is drawn on quantity 1's axis.
void Redraw(QImage& image, ProcessingState& state, const QuantityDrawing& q1, const QuantityDrawing& q2, bool showY2);

/// A curve over quantity 1's band (the tracer fit): `valueAt(n)` in quantity 1's units, nothing
/// where it has no value; drawn dashed, on the same axes and packets as the readings.
void DrawFittedCurve(QImage& image, const ProcessingState& state, bool showY2, const QColor& colour,
                     const std::function<std::optional<double>(int n)>& valueAt);

}  // namespace sondalog
