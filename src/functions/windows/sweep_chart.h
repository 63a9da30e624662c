#pragma once

#include "functions/core/sweep_export.h"

#include <QChartView>
#include <QList>
#include <QString>

class QCategoryAxis;
class QScatterSeries;

namespace zorv {

// How an axis places values: as they are, or by the logarithm of their magnitude (a range of
// negative values then runs reversed, so that the axis still reads in increasing order).
struct AxisScale
{
    bool logarithmic = false;
    bool negative = false; // logarithmic over negative values

    double place(double value) const;
    double value(double place) const;
};

// What a plot shows.
struct SweepPlot
{
    QList<functions::SweepCurve> curves; // over the same abscissas
    QString xTitle;
    QString yTitle;
    bool xLogarithmic = false;
    bool yLogarithmic = false;
};

// The plot of a sweep: one line per curve, broken where points were refused, axes graduated in
// engineering form, and a cursor on one abscissa that the mouse or the arrow keys move.
class SweepChartView : public QChartView
{
    Q_OBJECT

public:
    explicit SweepChartView(QWidget *parent = nullptr);

    // Draws the curves; the cursor goes back to the first point. A logarithmic ordinate is drawn
    // only when every computed value has the same sign and none is zero; otherwise the ordinate is
    // linear and yLogRefusal() tells why.
    void plot(const SweepPlot &plot);

    QString yLogRefusal() const { return m_yLogRefusal; }

    // The abscissa under the cursor (an index into the curves' points), -1 when nothing is drawn.
    int cursorIndex() const { return m_cursor; }

    void setCursorIndex(int index);

    // Moves the cursor to the abscissa nearest to a position of the view (the mouse's).
    void moveCursorNear(QPointF position);

    // Where a point of the first curve stands in the view, for tests and tools.
    QPointF positionOf(int index) const;

signals:
    void cursorMoved(int index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addCurve(const functions::SweepCurve &curve, const QColor &color);
    void setAxes(const SweepPlot &plot);
    void placeMarker();

    QList<functions::SweepCurve> m_curves;
    AxisScale m_x;
    AxisScale m_y;
    QString m_yLogRefusal;
    QCategoryAxis *m_xAxis = nullptr;
    QCategoryAxis *m_yAxis = nullptr;
    QScatterSeries *m_marker = nullptr;
    int m_cursor = -1;
};

} // namespace zorv
