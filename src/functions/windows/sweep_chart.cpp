#include "functions/windows/sweep_chart.h"

#include "functions/core/axis_ticks.h"

#include <QCategoryAxis>
#include <QKeyEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>

#include <cmath>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

// Past this many pieces, a curve broken by refusals is drawn as points: thousands of short lines
// would cost more than they tell.
constexpr int MostLinePieces = 64;

const std::array<QColor, 6> CurveColours{QColor(0x1f, 0x4e, 0xa8),
                                         QColor(0xc0, 0x39, 0x2b),
                                         QColor(0x1e, 0x84, 0x49),
                                         QColor(0x8e, 0x44, 0xad),
                                         QColor(0xd3, 0x7a, 0x00),
                                         QColor(0x2c, 0x3e, 0x50)};

// The computed values of every curve.
QList<double> computedValues(const QList<functions::SweepCurve> &curves)
{
    QList<double> values;
    for (const functions::SweepCurve &curve : curves) {
        for (const functions::SweepPoint &point : curve.result.points) {
            if (point.y)
                values.append(*point.y);
        }
    }
    return values;
}

// The places' range, widened a little around the curves so that no line runs along a border.
std::pair<double, double> paddedRange(double low, double high, bool logarithmic)
{
    if (high == low) {
        const double half = logarithmic ? 0.5 : (low == 0 ? 1 : std::abs(low) * 0.1);
        return {low - half, high + half};
    }
    const double margin = (high - low) * 0.05;
    return {low - margin, high + margin};
}

void graduate(QCategoryAxis *axis, const AxisScale &scale, double low, double high)
{
    const auto categories = axis->categoriesLabels();
    for (const QString &label : categories)
        axis->remove(label);
    axis->setRange(low, high);
    // Just below the range, so that a graduation at its very start is one too.
    axis->setStartValue(low - (high - low) * 1e-9);
    axis->setReverse(scale.negative);
    QList<functions::AxisTick> ticks;
    if (scale.logarithmic) {
        const double a = std::pow(10.0, low);
        const double b = std::pow(10.0, high);
        ticks = functions::logarithmicTicks(a, b);
        if (scale.negative) {
            for (functions::AxisTick &tick : ticks) {
                tick.label.prepend(u'-');
                tick.value = -tick.value;
            }
        }
    } else {
        ticks = functions::linearTicks(low, high);
    }
    std::sort(ticks.begin(), ticks.end(), [&scale](const auto &a, const auto &b) {
        return scale.place(a.value) < scale.place(b.value);
    });
    for (const functions::AxisTick &tick : ticks) {
        const double place = scale.place(tick.value);
        if (place >= low && place <= high)
            axis->append(tick.label, place);
    }
}

} // namespace

double AxisScale::place(double value) const
{
    return logarithmic ? std::log10(std::abs(value)) : value;
}

double AxisScale::value(double place) const
{
    if (!logarithmic)
        return place;
    const double magnitude = std::pow(10.0, place);
    return negative ? -magnitude : magnitude;
}

SweepChartView::SweepChartView(QWidget *parent)
    : QChartView(parent)
{
    setObjectName(u"chtCourbe"_s);
    setAccessibleName(u"Courbe"_s);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    m_xAxis = new QCategoryAxis;
    m_yAxis = new QCategoryAxis;
    for (QCategoryAxis *axis : {m_xAxis, m_yAxis})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart()->addAxis(m_xAxis, Qt::AlignBottom);
    chart()->addAxis(m_yAxis, Qt::AlignLeft);
}

void SweepChartView::plot(const SweepPlot &plot)
{
    chart()->removeAllSeries();
    m_marker = nullptr;
    m_curves = plot.curves;
    const QList<double> values = computedValues(m_curves);
    m_yLogRefusal.clear();
    bool yLogarithmic = plot.yLogarithmic;
    if (yLogarithmic && !values.isEmpty()) {
        const bool positive = values.first() > 0;
        const bool oneSign = std::all_of(values.cbegin(), values.cend(), [positive](double v) {
            return v != 0 && (v > 0) == positive;
        });
        if (!oneSign) {
            yLogarithmic = false;
            m_yLogRefusal
                = u"Ordonnées linéaires : une échelle logarithmique demande des résultats "
                  u"tous non nuls et de même signe."_s;
        }
    }
    const bool xNegative = !m_curves.isEmpty() && !m_curves.first().result.points.isEmpty()
                           && m_curves.first().result.points.first().x < 0;
    m_x = {plot.xLogarithmic, plot.xLogarithmic && xNegative};
    m_y = {yLogarithmic, yLogarithmic && !values.isEmpty() && values.first() < 0};
    setAxes(plot);
    for (qsizetype i = 0; i < m_curves.size(); ++i)
        addCurve(m_curves[i], CurveColours[i % CurveColours.size()]);

    m_marker = new QScatterSeries;
    m_marker->setMarkerSize(9);
    m_marker->setColor(Qt::transparent);
    m_marker->setBorderColor(Qt::black);
    chart()->addSeries(m_marker);
    m_marker->attachAxis(m_xAxis);
    m_marker->attachAxis(m_yAxis);
    for (QLegendMarker *legendMarker : chart()->legend()->markers(m_marker))
        legendMarker->setVisible(false);
    chart()->legend()->setVisible(m_curves.size() > 1);
    m_cursor = -1;
    setCursorIndex(0);
}

void SweepChartView::setAxes(const SweepPlot &plot)
{
    m_xAxis->setTitleText(plot.xTitle);
    m_yAxis->setTitleText(plot.yTitle);
    const QList<functions::SweepPoint> &points = m_curves.isEmpty()
                                                     ? QList<functions::SweepPoint>()
                                                     : m_curves.first().result.points;
    if (points.isEmpty())
        return;
    const double a = m_x.place(points.first().x);
    const double b = m_x.place(points.last().x);
    graduate(m_xAxis, m_x, std::min(a, b), std::max(a, b));

    QList<double> places;
    for (const double value : computedValues(m_curves))
        places.append(m_y.place(value));
    if (places.isEmpty()) {
        graduate(m_yAxis, AxisScale{}, 0, 1);
        return;
    }
    const auto [low, high] = std::minmax_element(places.cbegin(), places.cend());
    const auto [from, to] = paddedRange(*low, *high, m_y.logarithmic);
    graduate(m_yAxis, m_y, from, to);
}

void SweepChartView::addCurve(const functions::SweepCurve &curve, const QColor &color)
{
    QList<QList<QPointF>> pieces(1);
    QList<QPointF> alone;
    for (const functions::SweepPoint &point : curve.result.points) {
        if (point.y) {
            pieces.last().append({m_x.place(point.x), m_y.place(*point.y)});
        } else if (!pieces.last().isEmpty()) {
            pieces.append(QList<QPointF>());
        }
    }
    QList<QXYSeries *> series;
    if (pieces.size() > MostLinePieces) {
        auto *dots = new QScatterSeries;
        dots->setMarkerSize(4);
        dots->setBorderColor(color);
        for (const QList<QPointF> &piece : pieces)
            alone += piece;
        dots->replace(alone);
        series.append(dots);
    } else {
        for (const QList<QPointF> &piece : pieces) {
            if (piece.size() == 1)
                alone += piece;
            if (piece.size() < 2)
                continue;
            auto *line = new QLineSeries;
            line->setPen(QPen(color, 2));
            line->replace(piece);
            series.append(line);
        }
        if (!alone.isEmpty()) {
            auto *dots = new QScatterSeries;
            dots->setMarkerSize(5);
            dots->setBorderColor(color);
            dots->replace(alone);
            series.append(dots);
        }
    }
    for (qsizetype i = 0; i < series.size(); ++i) {
        QXYSeries *one = series[i];
        one->setName(curve.legend);
        one->setColor(color);
        chart()->addSeries(one);
        one->attachAxis(m_xAxis);
        one->attachAxis(m_yAxis);
        // One entry of the legend per curve, however many pieces it is drawn in.
        for (QLegendMarker *legendMarker : chart()->legend()->markers(one))
            legendMarker->setVisible(i == 0);
    }
}

void SweepChartView::setCursorIndex(int index)
{
    const int count = m_curves.isEmpty() ? 0 : int(m_curves.first().result.points.size());
    const int clamped = count == 0 ? -1 : std::clamp(index, 0, count - 1);
    if (clamped == m_cursor)
        return;
    m_cursor = clamped;
    placeMarker();
    emit cursorMoved(m_cursor);
}

void SweepChartView::placeMarker()
{
    if (!m_marker)
        return;
    QList<QPointF> points;
    if (m_cursor >= 0) {
        for (const functions::SweepCurve &curve : m_curves) {
            const functions::SweepPoint &point = curve.result.points.value(m_cursor);
            if (point.y && m_cursor < curve.result.points.size())
                points.append({m_x.place(point.x), m_y.place(*point.y)});
        }
    }
    m_marker->replace(points);
}

void SweepChartView::moveCursorNear(QPointF position)
{
    if (m_curves.isEmpty() || m_curves.first().result.points.size() < 2 || !m_marker)
        return;
    const QList<functions::SweepPoint> &points = m_curves.first().result.points;
    const double place = chart()->mapToValue(position, m_marker).x();
    // The points stand evenly along the axis: the nearest is found by proportion.
    const double first = m_x.place(points.first().x);
    const double last = m_x.place(points.last().x);
    const double t = (place - first) / (last - first);
    setCursorIndex(int(std::lround(t * double(points.size() - 1))));
}

QPointF SweepChartView::positionOf(int index) const
{
    if (m_curves.isEmpty() || !m_marker)
        return {};
    const functions::SweepPoint &point = m_curves.first().result.points.value(index);
    return chart()->mapToPosition({m_x.place(point.x), point.y ? m_y.place(*point.y) : 0}, m_marker);
}

void SweepChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (chart()->plotArea().contains(event->position()))
        moveCursorNear(event->position());
    QChartView::mouseMoveEvent(event);
}

void SweepChartView::keyPressEvent(QKeyEvent *event)
{
    const int count = m_curves.isEmpty() ? 0 : int(m_curves.first().result.points.size());
    const int page = std::max(1, count / 20);
    switch (event->key()) {
    case Qt::Key_Left:
        setCursorIndex(m_cursor - 1);
        break;
    case Qt::Key_Right:
        setCursorIndex(m_cursor + 1);
        break;
    case Qt::Key_PageDown:
        setCursorIndex(m_cursor + page);
        break;
    case Qt::Key_PageUp:
        setCursorIndex(m_cursor - page);
        break;
    case Qt::Key_Home:
        setCursorIndex(0);
        break;
    case Qt::Key_End:
        setCursorIndex(count - 1);
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace zorv
