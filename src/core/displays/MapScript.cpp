#include "core/displays/MapScript.h"

#include "core/displays/RouteSpeedBands.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/websettings/ScriptString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

QString lngLat(float lng, float lat)
{
    return QString::asprintf("%f,%f", double(lng), double(lat));
}

// A call with a JSON argument, passed as a string the page parses: no text
// in it can reach the script around it.
QString callWithJson(const char *function, const QJsonValue &argument)
{
    const QByteArray json = argument.isArray()
                                ? QJsonDocument(argument.toArray()).toJson(QJsonDocument::Compact)
                                : QJsonDocument(argument.toObject()).toJson(QJsonDocument::Compact);
    return QStringLiteral("%1(JSON.parse(%2))")
        .arg(QLatin1String(function), ScriptString::quoted(QString::fromUtf8(json)));
}

// Runs of fixes in one speed band; each run begins where the one before
// ended, so that the line has no holes. Samples without a fix break it.
void appendSpeedSegments(const TorvaClipData &track, bool mph, QJsonArray &segments)
{
    QString points;
    int band = -1;
    QString lastPoint;
    const auto flush = [&] {
        if (points.contains(QLatin1Char('|')))
            segments.append(QJsonObject{{QStringLiteral("colour"), RouteSpeedBands::colourOf(band)},
                                        {QStringLiteral("points"), points}});
        points.clear();
    };
    for (int32_t i = 0; i < track.sampleCount(); ++i) {
        if (!track.hasFix(i) || track.getGpsSpeed(i) >= TorvaClipData::kNoSpeed) {
            flush();
            lastPoint.clear();
            band = -1;
            continue;
        }
        const QString point = lngLat(track.getGpsLng(i), track.getGpsLat(i));
        const int sampleBand = RouteSpeedBands::bandOf(track.getGpsSpeed(i), mph);
        if (sampleBand != band) {
            flush();
            band = sampleBand;
            points = lastPoint;
        }
        if (point == lastPoint)
            continue;
        if (!points.isEmpty())
            points += QLatin1Char('|');
        points += point;
        lastPoint = point;
    }
    flush();
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
    return addRoute({&clipData}, false, false);
}

QString MapScript::addRoute(const QList<const TorvaClipData *> &tracks, bool bySpeed, bool mph)
{
    if (!bySpeed) {
        QStringList points;
        for (const TorvaClipData *track : tracks) {
            if (QString trackPoints = routePoints(*track); !trackPoints.isEmpty())
                points.append(trackPoints);
        }
        return QStringLiteral("addPolyLine('") + points.join(QLatin1Char('|')) +
               QStringLiteral("', 'red', 4, 0.5)");
    }
    QJsonArray segments;
    for (const TorvaClipData *track : tracks)
        appendSpeedSegments(*track, mph, segments);
    QJsonArray legend;
    for (const RouteSpeedBands::LegendEntry &entry : RouteSpeedBands::legend(mph))
        legend.append(QJsonObject{{QStringLiteral("colour"), entry.colour},
                                  {QStringLiteral("label"), entry.label}});
    return callWithJson("torvaAddSpeedRoute", QJsonObject{{QStringLiteral("segments"), segments},
                                                          {QStringLiteral("legend"), legend}});
}

QString MapScript::setEventMarkers(const QList<EventMarker> &markers)
{
    QJsonArray list;
    for (const EventMarker &marker : markers)
        list.append(QJsonObject{{QStringLiteral("lat"), marker.lat},
                                {QStringLiteral("lng"), marker.lng},
                                {QStringLiteral("kind"), marker.kind},
                                {QStringLiteral("title"), marker.title}});
    return callWithJson("torvaSetEventMarkers", list);
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
