#include "core/displays/GravityGraphPoints.h"

#include "core/telemetry/TorvaClipData.h"

#include <cmath>

float GravityGraphPoints::baseYPointForHeight(double height)
{
    return float(height * 0.5);
}

float GravityGraphPoints::pointX(uint32_t index, uint32_t count)
{
    return (float(index) + 1.0f) / float(count);
}

float GravityGraphPoints::pointY(float baseYPoint, int16_t value)
{
    const float y = baseYPoint - std::fabs(float(value) * 20.0f / 200.0f);
    return y < 0.0f ? 0.0f : y;
}

void GravityGraphPoints::generatePoints(const TorvaClipData &clipData, float baseYPoint)
{
    m_gxPointList.clear();
    m_gyPointList.clear();
    m_gzPointList.clear();
    const uint32_t count = clipData.clipDataCount();
    for (uint32_t i = 0; i < count; ++i) {
        const auto index = int32_t(i);
        const float x = pointX(i, count);
        m_gxPointList.append(QPointF(x, pointY(baseYPoint, clipData.getGx(index))));
        m_gyPointList.append(QPointF(x, pointY(baseYPoint, clipData.getGy(index))));
        m_gzPointList.append(QPointF(x, pointY(baseYPoint, clipData.getGz(index))));
    }
}
