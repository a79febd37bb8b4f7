#include "ui/charts_window/chart_view.h"

#include "charts/chart_packets.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace sondalog {

namespace {
constexpr int kAxisLabels = 4;  // date-time texts are long: four fit under a laptop's chart
}

ChartView::ChartView(const QString& title, const QColor& colour, QWidget* parent) : QChartView(parent)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setPointSize(12);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setTitleBrush(colour);
    chart->setBackgroundBrush(Qt::white);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 2, 4, 2));
    series_ = new QLineSeries(chart);
    QPen pen(colour);
    pen.setWidth(2);
    series_->setPen(pen);
    series_->setPointsVisible(true);
    series_->setMarkerSize(4);  // 4 x 4 circles
    series_->setPointLabelsVisible(false);
    chart->addSeries(series_);
    axisX_ = new QCategoryAxis(chart);
    axisX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisY_ = new QValueAxis(chart);
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    series_->attachAxis(axisX_);
    series_->attachAxis(axisY_);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::RectangleRubberBand);
}

void ChartView::Reset()
{
    series_->clear();
    empty_ = true;
    userView_ = false;
    PlaceLabels();
}

void ChartView::SetPoints(const QList<QPointF>& points)
{
    series_->replace(points);
    empty_ = points.isEmpty();
    if (!empty_) {
        minX_ = points.front().x();
        maxX_ = points.back().x();
        auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                            [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        minY_ = lo->y();
        maxY_ = hi->y();
    }
    FitAxes();
}

void ChartView::Append(const QPointF& point)
{
    series_->append(point);
    if (empty_) {
        minX_ = maxX_ = point.x();
        minY_ = maxY_ = point.y();
        empty_ = false;
    } else {
        minX_ = std::min(minX_, point.x());
        maxX_ = std::max(maxX_, point.x());
        minY_ = std::min(minY_, point.y());
        maxY_ = std::max(maxY_, point.y());
    }
    FitAxes();
}

void ChartView::FitAxes()
{
    if (userView_) {
        return;
    }
    if (empty_) {
        axisX_->setRange(0, 1);
        if (!userViewY_) {
            axisY_->setRange(0, 1);
        }
    } else {
        // A flat line or a single point still needs a range to be drawn in.
        const double padX = maxX_ > minX_ ? 0 : 1;
        const double padY = maxY_ > minY_ ? 0 : std::max(1.0, std::abs(maxY_) * 0.01);
        axisX_->setRange(minX_ - padX, maxX_ + padX);
        if (!userViewY_) {
            axisY_->setRange(minY_ - padY, maxY_ + padY);
        }
    }
    PlaceLabels();
}

void ChartView::SetUnit(const QString& unit)
{
    axisY_->setTitleText(unit);
}

void ChartView::PlaceLabels()
{
    for (const QString& label : axisX_->categoriesLabels()) {
        axisX_->remove(label);
    }
    const int count = series_->count();
    if (count == 0 || !labelOf) {
        return;
    }
    // A few readings spread inside the line carry their date-time text (the ends would be cut).
    QString previous;
    for (int k = 1; k <= kAxisLabels; ++k) {
        const int index = count == 1 ? 0 : static_cast<int>(std::lround(k * (count - 1) / double(kAxisLabels + 1)));
        const QPointF p = series_->at(index);
        const QString full = labelOf(static_cast<int>(p.x()));
        // The date only where it changes: the other ticks show the time of day.
        const QString date = full.section(u' ', 0, -2);
        const QString label = !previous.isEmpty() && date == previous.section(u' ', 0, -2) ? full.section(u' ', -1) : full;
        if (label.isEmpty() || full == previous || axisX_->categoriesLabels().contains(label)) {
            continue;  // the axis takes each text once
        }
        axisX_->append(label, p.x());
        previous = full;
        if (count == 1) {
            break;
        }
    }
    axisX_->setStartValue(axisX_->min());
}

void ChartView::RestoreAutomaticView()
{
    chart()->zoomReset();
    userView_ = false;
    userViewY_ = false;
    FitAxes();
}

void ChartView::ZoomY(int direction)
{
    const AxisRange r = ZoomChartY({axisY_->min(), axisY_->max()}, direction);
    if (r.max > r.min) {
        userViewY_ = true;  // the values only: the time axis goes on following the run
        axisY_->setRange(r.min, r.max);
    }
}

void ChartView::wheelEvent(QWheelEvent* event)
{
    ZoomY(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        panning_ = true;
        lastPan_ = event->position();
        event->accept();
        return;
    }
    leftPress_ = event->position();
    QChartView::mousePressEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (panning_) {
        const QPointF delta = event->position() - lastPan_;
        lastPan_ = event->position();
        userView_ = true;
        chart()->scroll(-delta.x(), delta.y());
        event->accept();
        return;
    }
    QChartView::mouseMoveEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        panning_ = false;
        event->accept();
        return;  // no zoom-out: the right button pans here
    }
    if (event->button() == Qt::LeftButton && (event->position() - leftPress_).manhattanLength() > 3) {
        userView_ = true;  // a rectangle was zoomed
    }
    QChartView::mouseReleaseEvent(event);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    RestoreAutomaticView();
    event->accept();
}

}  // namespace sondalog
