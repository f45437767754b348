#include "MapTargetLog.h"

#include "core/telemetry/TorvaClipData.h"

#include <utility>

void MapTargetLog::moveToLat(float lat, float lng)
{
    ++m_moves;
    m_calls.append(QString::asprintf("move %f,%f", double(lat), double(lng)));
}

void MapTargetLog::removeMapLine()
{
    m_calls.append(QStringLiteral("removeMapLine"));
}

void MapTargetLog::addRoute(const TorvaClipData &clipData)
{
    m_calls.append(QStringLiteral("addRoute %1").arg(clipData.gpsDataCount()));
}

void MapTargetLog::setMapHidden(bool hidden)
{
    m_mapHidden = hidden;
    m_calls.append(hidden ? QStringLiteral("map hidden") : QStringLiteral("map shown"));
}

void MapTargetLog::setCoverHidden(bool hidden)
{
    m_coverHidden = hidden;
    m_calls.append(hidden ? QStringLiteral("cover hidden") : QStringLiteral("cover shown"));
}

QStringList MapTargetLog::take()
{
    return std::exchange(m_calls, {});
}
