#include "plot/label_text.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>

#include <cmath>

namespace sondalog {

namespace {
struct Layout {
    QStaticText text;
    int advance = 0;
};

struct LayoutCache {
    QFont font;
    QTransform transform;
    qreal ascent = 0;
    bool ready = false;
    QHash<QString, Layout> layouts;
};
}  // namespace

void DrawCentredLabel(QPainter& p, int x, int baseline, const QString& text)
{
    thread_local LayoutCache cache;
    if (!cache.ready || cache.font != p.font() || cache.transform != p.transform() || cache.layouts.size() > 4096) {
        cache.layouts.clear();
        cache.font = p.font();
        cache.transform = p.transform();
        cache.ascent = QFontMetricsF(cache.font, p.device()).ascent();
        cache.ready = true;
    }
    auto found = cache.layouts.find(text);
    if (found == cache.layouts.end()) {
        Layout layout;
        layout.text.setText(text);
        layout.text.setTextFormat(Qt::PlainText);
        layout.text.prepare(cache.transform, cache.font);
        layout.advance = p.fontMetrics().horizontalAdvance(text);
        found = cache.layouts.insert(text, layout);
    }
    p.drawStaticText(QPointF(x - found->advance / 2, baseline - cache.ascent), found->text);
}

int LabelTopRow(QPainter& p, int baseline)
{
    // A row of margin for the antialiasing of the glyphs' tops.
    return static_cast<int>(std::floor(baseline - p.fontMetrics().ascent())) - 1;
}

}  // namespace sondalog
