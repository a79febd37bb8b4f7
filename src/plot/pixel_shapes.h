#pragma once
// The curve's many small shapes written straight into the image's pixels. A redraw draws about
// eight hundred circles and bars per band; through QPainter each paid for a pen, a brush and the
// rasterizer's set-up, most of a redraw's time. Each shape here gives exactly the pixels
// QPainter gives for it (unantialiased, opaque colours).

#include <QColor>
#include <QImage>
#include <QPoint>

#include <deque>
#include <vector>

namespace sondalog {

/// An image's pixels, taken before a QPainter begins on it (both then write the same memory).
/// Only 32-bit images, where an opaque colour is one word whatever the format.
class PixelTarget {
public:
    explicit PixelTarget(QImage& image);
    bool Valid() const { return bits_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    /// Inclusive bounds, clipped to the image.
    void Fill(int left, int top, int right, int bottom, QRgb pixel);
    QRgb* Row(int y) { return bits_ + static_cast<qsizetype>(y) * stride_; }
    void Set(int x, int y, QRgb pixel)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            bits_[static_cast<qsizetype>(y) * stride_ + x] = pixel;
        }
    }

private:
    QRgb* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    qsizetype stride_ = 0;  ///< in pixels
};

/// A filled circle with a one-pixel outline of the same colour, as QPainter::drawEllipse draws it
/// in the square (x - r, y - r, 2r, 2r): drawn once with QPainter, then stamped.
class CircleStamp {
public:
    CircleStamp(int radius, const QColor& colour);
    void Draw(PixelTarget& target, int x, int y) const;
    bool Matches(int radius, QRgb colour) const { return radius == radius_ && colour == pixel_; }

private:
    int radius_ = 0;
    QRgb pixel_ = 0;
    std::vector<QPoint> offsets_;  ///< from the centre
};

/// The stamps made for earlier redraws: two colours per band and a radius each, a handful serve every redraw.
using StampCache = std::deque<CircleStamp>;

/// The stamp for this radius and opaque colour, kept in `cache` when given.
CircleStamp StampFor(int radius, const QColor& colour, StampCache* cache = nullptr);

/// What a flat-capped line `width` (2 or more) pixels wide from (x, y1) to (x, y2) covers:
/// columns x - width/2 on, `width` of them, rows from the upper end to the one before the lower end.
void FlatVerticalBar(PixelTarget& target, int x, int y1, int y2, int width, QRgb pixel);

/// Fills `area` with `background` and draws one-pixel columns at `columns` from row `from` to row
/// `to` (both included) over it, in one pass over the rows: a column walked pixel by pixel
/// touched a new cache line at every row.
void FillWithColumns(PixelTarget& target, const QRect& area, QRgb background, const std::vector<int>& columns,
                     int from, int to, QRgb columnPixel);

/// A one-pixel, square-capped line between two distinct points, each inside the image or on its
/// far edges: the rasterizer's own walk in 26.6 fixed point, so the same pixels as QPainter's.
/// False, and nothing drawn, for any other line: the caller leaves it to QPainter.
bool ThinLine(PixelTarget& target, QPoint a, QPoint b, QRgb pixel);

}  // namespace sondalog
