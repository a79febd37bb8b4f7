#pragma once
// The graph's labels: laying a text out cost far more than drawing its glyphs, and the same few
// dozen labels come back at every redraw.

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <QTransform>

namespace sondalog {

/// The labels laid out, kept by the graph that draws them from one redraw to the next.
struct LabelCache {
    struct Layout {
        QStaticText text;
        int advance = 0;
    };
    QFont font;
    QTransform transform;
    qreal ascent = 0;
    bool ready = false;
    QHash<QString, Layout> layouts;
};

/// Draws `text` with the painter's pen and font, centred on x, its baseline at `baseline`: the
/// pixels of QPainter::drawText at (x - advance / 2, baseline), from a layout kept in `cache` when given.
void DrawCentredLabel(QPainter& p, int x, int baseline, const QString& text, LabelCache* cache = nullptr);

/// The highest row a label drawn at `baseline` with the painter's font can reach.
int LabelTopRow(QPainter& p, int baseline);

}  // namespace sondalog
