#include "core/displays/MapScript.h"

#include "core/telemetry/TorvaClipData.h"
#include "core/websettings/ScriptString.h"

namespace {

QString lngLat(float lng, float lat)
{
    return QString::asprintf("%f,%f", double(lng), double(lat));
}

} // namespace

QString MapScript::initialize()
{
    return QStringLiteral("initialize()");
}

QString MapScript::moveToLat(float lat, float lng)
{
    return QStringLiteral("MapMoveToAuto(%1,-1)").arg(lngLat(lng, lat));
}

QString MapScript::removePolyLine()
{
    return QStringLiteral("removePolyLine()");
}

QString MapScript::addRoute(const TorvaClipData &clipData)
{
    return QStringLiteral("addPolyLine('") + routePoints(clipData) +
           QStringLiteral("', 'red', 4, 0.5)");
}

QString MapScript::routePoints(const TorvaClipData &clipData)
{
    QString points;
    float previousLat = 0.0f;
    float previousLng = 0.0f;
    const auto count = int32_t(clipData.gpsDataCount());
    for (int32_t i = 0; i < count; ++i) {
        const float lng = clipData.getGpsLng(i);
        const float lat = clipData.getGpsLat(i);
        if (lng == previousLng && lat == previousLat)
            continue;
        if (!points.isEmpty())
            points += QLatin1Char('|');
        points += lngLat(lng, lat);
        previousLat = lat;
        previousLng = lng;
    }
    return points;
}

QString MapScript::setTileLayer(const QString &urlTemplate)
{
    return QStringLiteral("torvaSetTileLayer(%1)").arg(ScriptString::quoted(urlTemplate));
}

QString MapScript::setTilesUnavailableNotice(const QString &text)
{
    return QStringLiteral("torvaSetNotice(%1)").arg(ScriptString::quoted(text));
}
