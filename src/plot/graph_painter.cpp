#include "plot/graph_painter.h"

#include "plot/label_text.h"
#include "plot/pixel_shapes.h"
#include "util/number_format.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace sondalog {

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

void Circle(QPainter& p, int x, int y, int r, const QColor& c)
{
    p.setPen(QPen(c, 1));
    p.setBrush(c);
    p.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
}
}  // namespace

int TimeStep(int last)
{
    if (last >= 14400) {
        return 7200;
    }
    if (last >= 7200) {
        return 3600;
    }
    if (last >= 3600) {
        return 1800;
    }
    if (last >= 1800) {
        return 900;
    }
    if (last >= 600) {
        return 300;
    }
    if (last >= 120) {
        return 60;
    }
    if (last < 20) {
        return 1;
    }
    return 5;
}

QString ElapsedLabel(qint64 seconds)
{
    // Written into one buffer: a week's graph shows over a hundred of these at every redraw.
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds / 60) % 60;
    const qint64 s = seconds % 60;
    char buffer[64];
    const int length = h > 0 ? std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", static_cast<long long>(h),
                                             static_cast<long long>(m), static_cast<long long>(s))
                             : std::snprintf(buffer, sizeof buffer, "%02lld:%02lld", static_cast<long long>(m),
                                             static_cast<long long>(s));
    return QString::fromLatin1(buffer, length);
}

double ReplacementGraduation(double min, double max)
{
    const double a = std::trunc(max - min);
    if (a <= 0) {
        return 0;
    }
    const double p = std::pow(10.0, std::trunc(std::log10(a)));
    double next = 10 * p;
    if (2 * p > a) {
        next = 2 * p;
    } else if (5 * p > a) {
        next = 5 * p;
    }
    const double step = std::trunc(next / 10);
    return step == 0 ? 1 : step;
}

QColor InverseColour(const QColor& c)
{
    if (c == QColor(0, 0, 0) || c == QColor(255, 255, 255)) {
        return QColor(128, 128, 128);
    }
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

std::vector<PacketPoint> PacketMaxima(const SampleSeries& series, int quantity, const ViewWindow& view, int e)
{
    std::vector<PacketPoint> points;
    e = std::max(e, 1);
    const int last = std::min(view.last, series.Capacity() - 1);
    // Readings n with (n - 1) divisible by e close a packet, which runs from the reading after the
    // previous one (or the view's start); its value is its largest, and never below 0.
    const int from = std::max(view.first, 1);
    int n = from + ((e - (from - 1) % e) % e);
    int start = std::max(view.first, 0);
    if (n <= last) {
        points.reserve(static_cast<std::size_t>((last - n) / e + 1));
    }
    for (; n <= last; n += e) {
        points.push_back({n, std::max(0.0, series.MaxOf(quantity, start, n))});
        start = n + 1;
    }
    return points;
}

int PacketSize(int width, int sampleCount, const ViewWindow& view)
{
    int d = static_cast<int>(std::lround(width / 2.0));
    if (d == 0) {
        d = 840;
    }
    int e = 1;
    if (d < sampleCount) {
        e = static_cast<int>(std::lround(static_cast<double>(view.last - view.first + 1) / d));
    }
    return std::max(e, 1);
}

void DrawQuantity(QImage& image, AxisScale& axis, const QuantityDrawing& d, const SampleSeries& series,
                  const ViewWindow& view, int tracingStartIndex, double baseline)
{
    PixelTarget pixels(image);  // before the painter begins: both write the same memory
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
    p.setBrush(Qt::NoBrush);

    // Opaque shapes go straight into the pixels (the same pixels, at a fraction of QPainter's cost per
    // call); anything else is left to the painter. Labels are always the painter's.
    const bool direct = pixels.Valid() && d.colour.alpha() == 255;
    const auto thinLine = [&](QPoint a, QPoint b, const QPen& pen) {
        if (!direct || !ThinLine(pixels, a, b, pen.color().rgba())) {
            p.setPen(pen);
            p.drawLine(a, b);
        }
    };

    // Time grid and labels. From the first grid reading on, a step of k: as many turns as lines drawn.
    const QPen gridPen(kGridColour, 1);
    const QPen labelPen(d.labelColour);
    const int k = TimeStep(view.last);
    const int gridStart = std::max(view.first, 1);
    std::vector<int> gridReadings;
    std::vector<int> gridColumns;
    for (int i = gridStart + ((k - (gridStart - 1) % k) % k); i <= view.last; i += k) {
        gridReadings.push_back(i);
        gridColumns.push_back(g.X(i));
    }
    const int columnTop = std::min(g.top + kGraphMargin, g.top + g.height - kGraphMargin);
    const int columnBottom = std::max(g.top + kGraphMargin, g.top + g.height - kGraphMargin);
    const int labelBaseline = g.top + g.height - kLabelOffset;
    // The time labels sit below the grid's columns: when no glyph reaches the columns' rows, the
    // columns go down with the background in one pass, and the order they were drawn in is moot.
    const bool ruledFill =
        direct && d.background.alpha() == 255 && LabelTopRow(p, labelBaseline) > columnBottom;
    if (ruledFill) {
        FillWithColumns(pixels, bandRect, d.background.rgba(), gridColumns, columnTop, columnBottom, kGridColour.rgba());
    } else {
        p.fillRect(bandRect, d.background);
    }
    for (std::size_t j = 0; j < gridReadings.size(); ++j) {
        const int x = gridColumns[j];
        if (!ruledFill) {
            thinLine(QPoint(x, g.top + kGraphMargin), QPoint(x, g.top + g.height - kGraphMargin), gridPen);
        }
        p.setPen(labelPen);
        DrawCentredLabel(p, x, labelBaseline, ElapsedLabel(static_cast<qint64>(gridReadings[j] - 1) * d.interval),
                         d.cache ? &d.cache->labels : nullptr);
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
            thinLine(QPoint(kGraphMargin, y), QPoint(w - kGraphMargin, y), gridPen);
            p.setPen(labelPen);
            DrawCentredLabel(p, kGraphMargin - kLabelOffset, y + 5, FormatFixed(q, 5, whole ? 0 : decimals, d.decimalSign) + u' ',
                             d.cache ? &d.cache->labels : nullptr);
        }
    }

    // The curve, by packets of e samples: each packet drawn at its largest value.
    const int e = PacketSize(w, series.sampleCount, view);
    const int barWidth = std::clamp(
        static_cast<int>(std::lround(w * 1.2 / std::max(1, view.last - view.first + 1))), 3, 200);
    const QColor inverse = InverseColour(d.colour);
    const CircleStamp onCurve = StampFor(d.radius, d.colour, d.cache ? &d.cache->stamps : nullptr);
    const CircleStamp beforeT0 = StampFor(d.radius, inverse, d.cache ? &d.cache->stamps : nullptr);
    const QPen linePen(d.colour, 1);
    const QPen barPen(kIntegralColour, barWidth, Qt::SolidLine, Qt::FlatCap);
    bool havePrevious = false;
    QPoint previous;
    for (const PacketPoint& packet : PacketMaxima(series, d.quantity, view, e)) {
        const int i = packet.n;
        const double s = packet.value;
        const QPoint point(g.X(i), g.Y(s));
        if (i < tracingStartIndex) {
            if (direct) {
                beforeT0.Draw(pixels, point.x(), point.y());
            } else {
                Circle(p, point.x(), point.y(), d.radius, inverse);
            }
        } else {
            if (d.quantity == 1 && d.band != Band::Lower && d.integral) {
                // Flat ends: the bar runs exactly from the point to the baseline.
                if (direct) {
                    FlatVerticalBar(pixels, point.x(), point.y(), g.Y(baseline), barWidth, kIntegralColour.rgba());
                } else {
                    p.setPen(barPen);
                    p.drawLine(point.x(), point.y(), point.x(), g.Y(baseline));
                }
            }
            if (direct) {
                onCurve.Draw(pixels, point.x(), point.y());
            } else {
                Circle(p, point.x(), point.y(), d.radius, d.colour);
            }
        }
        if (i > 1 && i > view.first && havePrevious && previous.x() > 0 && point.x() >= previous.x() &&
            previous.y() >= 0 && previous.y() <= imageHeight && point.y() >= 0 && point.y() <= imageHeight) {
            thinLine(previous, point, linePen);
        }
        previous = point;
        havePrevious = true;
    }
}

void DrawFittedCurve(QImage& image, const ProcessingState& state, bool showY2, const QColor& colour,
                     const std::function<std::optional<double>(int n)>& valueAt)
{
    if (image.isNull() || !valueAt) {
        return;
    }
    Geometry g;
    g.width = image.width();
    g.imageHeight = image.height();
    g.height = showY2 ? image.height() / 2 : image.height();
    g.top = 0;
    g.view = state.view;
    g.min = state.axisY1.min;
    g.max = state.axisY1.max;
    // One point per packet of the curve, as the readings are drawn.
    const int e = PacketSize(g.width, state.series.sampleCount, state.view);
    QPainterPath path;
    bool open = false;
    const int last = std::min(state.view.last, state.series.sampleCount);
    for (int n = std::max(state.view.first, 1); n <= last; n += e) {
        const std::optional<double> v = valueAt(n);
        if (!v || !std::isfinite(*v)) {
            open = false;
            continue;
        }
        const QPointF point(g.X(n), g.Y(*v));
        if (open) {
            path.lineTo(point);
        } else {
            path.moveTo(point);
            open = true;
        }
    }
    QPainter p(&image);
    p.setClipRect(QRect(0, 0, g.width, g.top + g.height));
    p.setPen(QPen(colour, 2, Qt::DashLine));
    p.drawPath(path);
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
        DrawQuantity(image, state.axisY1, upper, state.series, state.view, state.DrawnTracingStart(), baseline);
        QuantityDrawing lower = q2;
        lower.band = Band::Lower;
        if (q2.quantity == kRawQuantity) {
            // The raw tracer on the corrected one's axis: the two bands compare at a glance.
            AxisScale same = state.axisY1;
            DrawQuantity(image, same, lower, state.series, state.view, state.DrawnTracingStart(), baseline);
        } else {
            DrawQuantity(image, state.axisY2, lower, state.series, state.view, state.DrawnTracingStart(), baseline);
        }
    } else {
        QuantityDrawing whole = q1;
        whole.band = Band::Whole;
        DrawQuantity(image, state.axisY1, whole, state.series, state.view, state.DrawnTracingStart(), baseline);
    }
}

}  // namespace sondalog
