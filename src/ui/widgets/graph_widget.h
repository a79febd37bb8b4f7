#pragma once
// ImageA: the bitmap the live graph is painted on, sized to its panel.

#include <QImage>
#include <QWidget>

#include <functional>

namespace sondalog {

class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    /// Called after a resize so the owner repaints the graph on the new bitmap.
    std::function<void()> onResized;
    void Fill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

}  // namespace sondalog
