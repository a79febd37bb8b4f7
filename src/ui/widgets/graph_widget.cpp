#include "ui/widgets/graph_widget.h"

#include <QPainter>
#include <QResizeEvent>

namespace sondalog {

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImageA"));
    setMinimumSize(200, 150);
    image_ = QImage(400, 300, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void GraphWidget::Fill(const QColor& colour)
{
    image_.fill(colour);
    update();
}

void GraphWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void GraphWidget::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size().expandedTo(QSize(1, 1));
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(Qt::white);
    image_ = resized;
    if (onResized) {
        onResized();
    }
    update();
}

}  // namespace sondalog
