#pragma once
// ImageA: the bitmap the live graph is painted on, sized to its panel.

#include "plot/graph_painter.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace sondalog {

class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    /// The labels and stamps the painter keeps for this graph from one redraw to the next.
    PaintCache& paintCache() { return paintCache_; }
    /// Called after a resize so the owner repaints the graph on the new bitmap.
    std::function<void()> onResized;
    void Fill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
    PaintCache paintCache_;
};

}  // namespace sondalog
