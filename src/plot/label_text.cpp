#include "plot/label_text.h"

#include <QFontMetricsF>

#include <cmath>

namespace sondalog {


void DrawCentredLabel(QPainter& p, int x, int baseline, const QString& text, LabelCache* kept)
{
    LabelCache once;
    LabelCache& cache = kept ? *kept : once;
    if (!cache.ready || cache.font != p.font() || cache.transform != p.transform() || cache.layouts.size() > 4096) {
        cache.layouts.clear();
        cache.font = p.font();
        cache.transform = p.transform();
        cache.ascent = QFontMetricsF(cache.font, p.device()).ascent();
        cache.ready = true;
    }
    auto found = cache.layouts.find(text);
    if (found == cache.layouts.end()) {
        LabelCache::Layout layout;
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
