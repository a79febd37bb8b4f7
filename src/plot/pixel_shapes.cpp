#include "plot/pixel_shapes.h"

#include <QPainter>

#include <algorithm>
#include <deque>

namespace sondalog {

PixelTarget::PixelTarget(QImage& image)
{
    const QImage::Format f = image.format();
    if (image.isNull() || (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
                           f != QImage::Format_ARGB32_Premultiplied)) {
        return;
    }
    bits_ = reinterpret_cast<QRgb*>(image.bits());
    width_ = image.width();
    height_ = image.height();
    stride_ = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

void PixelTarget::Fill(int left, int top, int right, int bottom, QRgb pixel)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    for (int y = top; y <= bottom; ++y) {
        QRgb* row = bits_ + static_cast<qsizetype>(y) * stride_;
        std::fill(row + left, row + right + 1, pixel);
    }
}

CircleStamp::CircleStamp(int radius, const QColor& colour) : radius_(radius), pixel_(colour.rgba())
{
    // Room around the square for the outline's half pixel; drawn at an integer offset, the
    // rasterizer covers the same pixels wherever the square stands.
    const int pad = 3;
    const int r = std::max(radius, 0);
    const int side = 2 * r + 2 * pad + 1;
    const int centre = r + pad;
    QImage sprite(side, side, QImage::Format_ARGB32);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setPen(QPen(colour, 1));
        p.setBrush(colour);
        p.drawEllipse(QRect(centre - radius, centre - radius, 2 * radius, 2 * radius));
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (qAlpha(sprite.pixel(x, y)) != 0) {
                offsets_.emplace_back(x - centre, y - centre);
            }
        }
    }
}

void CircleStamp::Draw(PixelTarget& target, int x, int y) const
{
    for (const QPoint& o : offsets_) {
        target.Set(x + o.x(), y + o.y(), pixel_);
    }
}

CircleStamp StampFor(int radius, const QColor& colour, StampCache* cache)
{
    if (cache == nullptr) {
        return CircleStamp(radius, colour);
    }
    StampCache& stamps = *cache;
    for (const CircleStamp& s : stamps) {
        if (s.Matches(radius, colour.rgba())) {
            return s;
        }
    }
    if (stamps.size() >= 16) {
        stamps.pop_front();
    }
    return stamps.emplace_back(radius, colour);
}

void FlatVerticalBar(PixelTarget& target, int x, int y1, int y2, int width, QRgb pixel)
{
    if (y1 == y2) {
        return;
    }
    const int left = x - width / 2;
    target.Fill(left, std::min(y1, y2), left + width - 1, std::max(y1, y2) - 1, pixel);
}

void FillWithColumns(PixelTarget& target, const QRect& area, QRgb background, const std::vector<int>& columns,
                     int from, int to, QRgb columnPixel)
{
    const int left = std::max(area.left(), 0);
    const int right = std::min(area.right(), target.Width() - 1);
    if (left > right) {
        return;
    }
    // The row with its columns, made once and copied.
    std::vector<QRgb> ruled(static_cast<std::size_t>(target.Width()), background);
    for (const int x : columns) {
        if (x >= 0 && x < target.Width()) {
            ruled[static_cast<std::size_t>(x)] = columnPixel;
        }
    }
    for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), target.Height() - 1); ++y) {
        QRgb* row = target.Row(y);
        if (y >= from && y <= to) {
            std::copy(ruled.begin() + left, ruled.begin() + right + 1, row + left);
        } else {
            std::fill(row + left, row + right + 1, background);
        }
    }
    // Columns running above or below the area, as separate lines would have drawn them.
    for (const int x : columns) {
        if (from < area.top()) {
            target.Fill(x, from, x, std::min(to, area.top() - 1), columnPixel);
        }
        if (to > area.bottom()) {
            target.Fill(x, std::max(from, area.bottom() + 1), x, to, columnPixel);
        }
    }
}

namespace {
// 16.16 fixed-point quotient of two 26.6 values.
int FixedDiv(int x, int y)
{
    return static_cast<int>(static_cast<qint64>(x) * (1 << 16) / y);
}
}  // namespace

bool ThinLine(PixelTarget& target, QPoint a, QPoint b, QRgb pixel)
{
    const auto inside = [&](QPoint p) {
        return p.x() >= 0 && p.y() >= 0 && p.x() <= target.Width() && p.y() <= target.Height();
    };
    if (a == b || !inside(a) || !inside(b)) {
        return false;
    }
    // The grid's lines: the walk below gives the whole span, both ends included.
    if (a.x() == b.x() || a.y() == b.y()) {
        target.Fill(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y()),
                    pixel);
        return true;
    }
    int x1 = a.x() * 64;
    int y1 = a.y() * 64;
    int x2 = b.x() * 64;
    int y2 = b.y() * 64;
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        // Steep: one pixel per row, from the upper end; the square caps add half a pixel at each end.
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int xinc = FixedDiv(x2 - x1, y2 - y1);
        int x = x1 * (1 << 10) - (xinc >> 1);
        y1 -= 32;
        y2 += 32;
        int y = (y1 + 32) >> 6;
        const int ys = (y2 + 32) >> 6;
        x += ((y * 64) + (xinc > 0 ? 32 : 0) - y1) * xinc >> 6;
        for (; y < ys; ++y, x += xinc) {
            target.Set(x >> 16, y, pixel);
        }
    } else {
        // Flat: one pixel per column, from the left end.
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int yinc = FixedDiv(y2 - y1, x2 - x1);
        int y = y1 * (1 << 10) - (yinc >> 1);
        x1 -= 32;
        x2 += 32;
        int x = (x1 + 32) >> 6;
        const int xs = (x2 + 32) >> 6;
        y += ((x * 64) + (yinc > 0 ? 32 : 0) - x1) * yinc >> 6;
        for (; x < xs; ++x, y += yinc) {
            target.Set(x, y >> 16, pixel);
        }
    }
    return true;
}

}  // namespace sondalog
