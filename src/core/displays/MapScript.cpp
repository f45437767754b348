#include "core/displays/MapScript.h"

#include "core/telemetry/TorvaClipData.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString lngLat(float lng, float lat)
{
    return QString::asprintf("%f,%f", double(lng), double(lat));
}

// A JSON string is a valid script string literal, quotes and all.
QString quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
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
    return QStringLiteral("torvaSetTileLayer(%1)").arg(quoted(urlTemplate));
}

QString MapScript::setTilesUnavailableNotice(const QString &text)
{
    return QStringLiteral("torvaSetNotice(%1)").arg(quoted(text));
}
