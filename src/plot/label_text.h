#pragma once
// The graph's labels: laying a text out cost far more than drawing its glyphs, and the same few
// dozen labels come back at every redraw.

#include <QPainter>
#include <QString>

namespace sondalog {

/// Draws `text` with the painter's pen and font, centred on x, its baseline at `baseline`: the
/// pixels of QPainter::drawText at (x - advance / 2, baseline), from a layout kept across redraws.
void DrawCentredLabel(QPainter& p, int x, int baseline, const QString& text);

/// The highest row a label drawn at `baseline` with the painter's font can reach.
int LabelTopRow(QPainter& p, int baseline);

}  // namespace sondalog
