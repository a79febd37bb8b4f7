#include "plot/reference_painter.h"

#include "util/number_format.h"

#include <QPainter>

#include <cmath>

// The painter as it drew before the curve's shapes were written straight into the pixels: every
// shape through QPainter, one call each. Kept to prove the faster painter gives the same picture.

namespace sondalog::reference {

namespace {
constexpr int kLabelOffset = 15;

struct Geometry {
    int width = 0;
    int height = 0;  ///< of the band
    int top = 0;
    int imageHeight = 0;
    ViewWindow view;
    double min = 0;
    double max = 0;

    int X(int i) const
    {
        const int span = view.last - view.first + 1;
        if (span == 0) {
            return 0;
        }
        return static_cast<int>(std::lround((width - 2.0 * kGraphMargin) * (i - view.first) / span)) + kGraphMargin;
    }
    int Y(double v) const
    {
        if (max == min) {
            return 0;
        }
        return top + height - kGraphMargin -
               static_cast<int>(std::lround((v - min) / (max - min) * (height - 2.0 * kGraphMargin)));
    }
};

void CentredText(QPainter& p, int x, int baseline, const QString& text)
{
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.drawText(x - w / 2, baseline, text);
}

void Circle(QPainter& p, int x, int y, int r, const QColor& c)
{
    p.setPen(QPen(c, 1));
    p.setBrush(c);
    p.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
}
}  // namespace

void DrawQuantity(QImage& image, AxisScale& axis, const QuantityDrawing& d, const SampleSeries& series,
                  const ViewWindow& view, int tracingStartIndex, double baseline)
{
    QPainter p(&image);
    const int w = image.width();
    const int imageHeight = image.height();
    Geometry g;
    g.width = w;
    g.imageHeight = imageHeight;
    g.height = d.band == Band::Whole ? imageHeight : imageHeight / 2;
    g.top = d.band == Band::Lower ? imageHeight / 2 : 0;
    g.view = view;
    g.min = axis.min;
    g.max = axis.max;

    // A graduation of 0 or below is replaced by the integer step of the range (and kept).
    if (axis.graduation <= 0) {
        axis.graduation = ReplacementGraduation(axis.min, axis.max);
    }
    const double grad = axis.graduation;
    if (grad > 0 && std::lround(std::abs(axis.max - axis.min) / grad) > 50) {
        p.fillRect(QRect(0, 0, w, imageHeight), d.background);
        return;
    }
    const QRect bandRect = d.band == Band::Whole   ? QRect(0, 0, w, imageHeight)
                           : d.band == Band::Upper ? QRect(0, 0, w, imageHeight / 2)
                                                   : QRect(0, g.height, w, g.height);
    p.fillRect(bandRect, d.background);
    p.setBrush(Qt::NoBrush);

    // Time grid and labels.
    const int k = TimeStep(view.last);
    // From the first grid reading on, a step of k: as many turns as lines drawn.
    const int gridStart = std::max(view.first, 1);
    for (int i = gridStart + ((k - (gridStart - 1) % k) % k); i <= view.last; i += k) {
        const int x = g.X(i);
        p.setPen(QPen(kGridColour, 1));
        p.drawLine(x, g.top + kGraphMargin, x, g.top + g.height - kGraphMargin);
        p.setPen(d.labelColour);
        CentredText(p, x, g.top + g.height - kLabelOffset, ElapsedLabel(static_cast<qint64>(i - 1) * d.interval));
    }

    // Value grid and labels; a step of 0 (a range under 1) draws none rather than loop.
    if (grad > 0) {
        const bool whole = grad == std::trunc(grad);
        const int decimals = grad < 0.00101 ? 3 : grad < 0.0101 ? 2 : 1;
        for (int step = 0; step <= 51; ++step) {
            const double q = axis.min + step * grad;
            if (q > axis.max + grad * 1e-9) {
                break;
            }
            const int y = g.Y(q);
            p.setPen(QPen(kGridColour, 1));
            p.drawLine(kGraphMargin, y, w - kGraphMargin, y);
            p.setPen(d.labelColour);
            CentredText(p, kGraphMargin - kLabelOffset, y + 5, FormatFixed(q, 5, whole ? 0 : decimals, d.decimalSign) + u' ');
        }
    }

    // The curve, by packets of e samples: each packet drawn at its largest value.
    const int e = PacketSize(w, series.sampleCount, view);
    const int barWidth = std::clamp(
        static_cast<int>(std::lround(w * 1.2 / std::max(1, view.last - view.first + 1))), 3, 200);
    const QColor inverse = InverseColour(d.colour);
    bool havePrevious = false;
    QPoint previous;
    for (const PacketPoint& packet : PacketMaxima(series, d.quantity, view, e)) {
        const int i = packet.n;
        const double s = packet.value;
        const QPoint point(g.X(i), g.Y(s));
        if (i < tracingStartIndex) {
            Circle(p, point.x(), point.y(), d.radius, inverse);
        } else {
            if (d.quantity == 1 && d.band != Band::Lower && d.integral) {
                // Flat ends: the bar runs exactly from the point to the baseline.
                p.setPen(QPen(kIntegralColour, barWidth, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(point.x(), point.y(), point.x(), g.Y(baseline));
            }
            Circle(p, point.x(), point.y(), d.radius, d.colour);
        }
        if (i > 1 && i > view.first && havePrevious && previous.x() > 0 && point.x() >= previous.x() &&
            previous.y() >= 0 && previous.y() <= imageHeight && point.y() >= 0 && point.y() <= imageHeight) {
            p.setPen(QPen(d.colour, 1));
            p.drawLine(previous, point);
        }
        previous = point;
        havePrevious = true;
    }
}

void Redraw(QImage& image, ProcessingState& state, const QuantityDrawing& q1, const QuantityDrawing& q2, bool showY2)
{
    if (image.isNull()) {
        return;
    }
    const double baseline = static_cast<double>(state.baseline);
    if (showY2) {
        QuantityDrawing upper = q1;
        upper.band = Band::Upper;
        reference::DrawQuantity(image, state.axisY1, upper, state.series, state.view, state.DrawnTracingStart(), baseline);
        QuantityDrawing lower = q2;
        lower.band = Band::Lower;
        reference::DrawQuantity(image, state.axisY2, lower, state.series, state.view, state.DrawnTracingStart(), baseline);
    } else {
        QuantityDrawing whole = q1;
        whole.band = Band::Whole;
        reference::DrawQuantity(image, state.axisY1, whole, state.series, state.view, state.DrawnTracingStart(), baseline);
    }
}

}  // namespace sondalog::reference
