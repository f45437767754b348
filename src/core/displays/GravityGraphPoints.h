#pragma once

#include <QList>
#include <QPointF>

#include <cstdint>

class TorvaClipData;

// The three traces of the acceleration graph. A point's x is a fraction of
// the view's width (0 to 1); its y is in view points measured up from the
// bottom edge. The arithmetic is single precision throughout.
class GravityGraphPoints
{
public:
    // The zero line sits at half the height, taken in double and kept as float.
    static float baseYPointForHeight(double height);
    // Where sample index of count lies across the width: the first at 1/count,
    // the last at the full width.
    static float pointX(uint32_t index, uint32_t count);
    // A tenth of a point below the zero line per unit, whatever the sign, and
    // never below the bottom edge.
    static float pointY(float baseYPoint, int16_t value);

    // Rebuilds the traces from the track's first clipDataCount samples.
    void generatePoints(const TorvaClipData &clipData, float baseYPoint);

    const QList<QPointF> &gxPointList() const { return m_gxPointList; }
    const QList<QPointF> &gyPointList() const { return m_gyPointList; }
    const QList<QPointF> &gzPointList() const { return m_gzPointList; }

private:
    QList<QPointF> m_gxPointList;
    QList<QPointF> m_gyPointList;
    QList<QPointF> m_gzPointList;
};
