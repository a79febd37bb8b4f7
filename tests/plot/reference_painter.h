#pragma once
// The graph drawn shape by shape through QPainter: the picture the live graph must keep.

#include "plot/graph_painter.h"

namespace sondalog::reference {

void DrawQuantity(QImage& image, AxisScale& axis, const QuantityDrawing& d, const SampleSeries& series,
                  const ViewWindow& view, int tracingStartIndex, double baseline);
void Redraw(QImage& image, ProcessingState& state, const QuantityDrawing& q1, const QuantityDrawing& q2, bool showY2);

}  // namespace sondalog::reference
