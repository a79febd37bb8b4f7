#pragma once
// One chart of the charts window: a line with round points, the readings' times under it; the
// left button zooms a rectangle, the right button pans, the wheel zooms the vertical axis and a
// double click returns to the automatic view.

#include <QChartView>
#include <QColor>
#include <QPointF>

#include <functional>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace sondalog {

class ChartView : public QChartView {
    Q_OBJECT
public:
    ChartView(const QString& title, const QColor& colour, QWidget* parent);

    /// The label under reading n (its date-time text).
    std::function<QString(int n)> labelOf;

    /// Empties the chart and restyles it.
    void Reset();
    /// The chart holds `points` only (one replace, not one append per point).
    void SetPoints(const QList<QPointF>& points);
    void Append(const QPointF& point);
    /// Undoes any zoom or pan: the axes follow the data again.
    void RestoreAutomaticView();
    /// A wheel notch (+1 forward, -1 backward) on the vertical axis.
    void ZoomY(int direction);

    QLineSeries* Series() const { return series_; }
    QValueAxis* AxisY() const { return axisY_; }
    QCategoryAxis* AxisX() const { return axisX_; }
    bool UserView() const { return userView_ || userViewY_; }
    /// The vertical axis' unit, as its title ("µS/cm", "°C").
    void SetUnit(const QString& unit);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FitAxes();
    void PlaceLabels();

    QLineSeries* series_ = nullptr;
    QCategoryAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    double minX_ = 0;
    double maxX_ = 0;
    double minY_ = 0;
    double maxY_ = 0;
    bool empty_ = true;
    bool userView_ = false;   ///< zoomed or panned: new points no longer move the axes
    bool userViewY_ = false;  ///< the wheel zoomed the values only: time still follows new readings
    bool panning_ = false;
    QPointF lastPan_;
    QPointF leftPress_;
};

}  // namespace sondalog
