#pragma once

#include "core/displays/GravityGraphPoints.h"
#include "core/telemetry/TorvaClipData.h"

#include <QWidget>

// The acceleration of a whole recording as three traces (red, yellow, blue)
// hanging below a zero line, first sample at the left, last at the right.
// Points are kept with y measured up from the bottom edge, so the zero line
// keeps its distance from the bottom when the view grows.
class GravityGraphView : public QWidget
{
    Q_OBJECT

public:
    explicit GravityGraphView(QWidget *parent = nullptr);

    // Fixes the zero line at half the current height; the window calls it
    // once the view has its place. Later height changes do not move it.
    void awakeFromNib();

    // Shows a recording's track; an empty track clears the graph.
    void setClipData(const TorvaClipData &clipData);
    const TorvaClipData &clipData() const { return m_clipData; }

    float baseYPoint() const { return m_baseYPoint; }
    const QList<QPointF> &gxPointList() const { return m_points.gxPointList(); }
    const QList<QPointF> &gyPointList() const { return m_points.gyPointList(); }
    const QList<QPointF> &gzPointList() const { return m_points.gzPointList(); }

    void generatePoints();

    // Marks at driving events, as sample indexes of the track: a line from
    // top to bottom where that sample is drawn.
    void setEventMarks(QList<int32_t> sampleIndexes);
    const QList<int32_t> &eventMarks() const { return m_eventMarks; }
    // Where a sample is drawn across the view.
    double xOfSample(int32_t index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TorvaClipData m_clipData;
    GravityGraphPoints m_points;
    float m_baseYPoint = 0.0f;
    QList<int32_t> m_eventMarks;
};
