#include "gui/displays/GravityGraphView.h"

#include "gui/displays/SeekTimeSliderView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

GravityGraphView::GravityGraphView(QWidget *parent) : QWidget(parent) {}

void GravityGraphView::awakeFromNib()
{
    m_baseYPoint = GravityGraphPoints::baseYPointForHeight(height());
}

void GravityGraphView::setClipData(const TorvaClipData &clipData)
{
    m_clipData = clipData;
    generatePoints();
    update();
}

void GravityGraphView::generatePoints()
{
    m_points.generatePoints(m_clipData, m_baseYPoint);
}

void GravityGraphView::setEventMarks(QList<int32_t> sampleIndexes)
{
    m_eventMarks = std::move(sampleIndexes);
    update();
}

double GravityGraphView::xOfSample(int32_t index) const
{
    return double(GravityGraphPoints::pointX(uint32_t(std::max(index, 0)),
                                             std::max(m_clipData.clipDataCount(), 1u))) *
           width();
}

void GravityGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double w = width();
    const double h = height();
    // Behind the traces, in the seek bar's event colour.
    painter.setPen(QPen(SeekTimeSliderView::eventMarkColor(), 2.0));
    for (const int32_t index : std::as_const(m_eventMarks))
        painter.drawLine(QPointF(xOfSample(index), 0.0), QPointF(xOfSample(index), h));
    // Our points count y up from the bottom edge, the widget's rows count
    // down from the top: y = 0 is the bottom row.
    const auto toWidget = [h](double x, double y) { return QPointF(x, h - 1.0 - y); };
    const struct
    {
        const QList<QPointF> &points;
        QColor color;
    } traces[] = {
        {m_points.gxPointList(), QColor::fromRgbF(1, 0, 0, 1)},
        {m_points.gyPointList(), QColor::fromRgbF(1, 1, 0, 1)},
        {m_points.gzPointList(), QColor::fromRgbF(0, 0, 1, 1)},
    };
    for (const auto &trace : traces) {
        if (trace.points.isEmpty())
            continue;
        QPainterPath path(toWidget(0.0, m_baseYPoint));
        for (const QPointF &point : trace.points)
            path.lineTo(toWidget(point.x() * w, point.y()));
        painter.setPen(QPen(trace.color, 1.0));
        painter.drawPath(path);
    }
}
