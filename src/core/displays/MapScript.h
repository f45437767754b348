#pragma once

#include <QList>
#include <QString>

class TorvaClipData;

// The script calls that drive the map page. The page defines initialize(),
// MapMoveToAuto(lng, lat, zoom), removePolyLine() and
// addPolyLine(points, colour, width, opacity); numbers are always written
// with six decimals and a '.', whatever the user's locale.
class MapScript
{
public:
    static QString initialize();
    // "MapMoveToAuto(lng,lat,-1)": longitude first; -1 keeps the zoom.
    static QString moveToLat(float lat, float lng);
    static QString removePolyLine();
    // One red line through the track's positions (see routePoints).
    static QString addRoute(const TorvaClipData &clipData);
    // The route of tracks driven one after another (a trip): one red line
    // through all of them as above, or, by speed, "torvaAddSpeedRoute(json)"
    // with lines of the fixes coloured by RouteSpeedBands in the unit, and
    // the bands' legend.
    static QString addRoute(const QList<const TorvaClipData *> &tracks, bool bySpeed, bool mph);

    // A marker on the map where a driving event happened; kind is
    // DrivingEvents::kindName, title what its tooltip says.
    struct EventMarker
    {
        double lat = 0.0;
        double lng = 0.0;
        QString kind;
        QString title;
    };
    // "torvaSetEventMarkers(json)"; an empty list removes the markers.
    static QString setEventMarkers(const QList<EventMarker> &markers);
    // "lng,lat|lng,lat…" of samples 0 … gpsDataCount-1, leaving out a sample
    // at the position last written, which starts as (0, 0).
    static QString routePoints(const TorvaClipData &clipData);

    // Our own set-up calls: the tile server's URL template ({z}, {x}, {y},
    // optionally {s}), and the notice shown while tiles cannot be loaded.
    static QString setTileLayer(const QString &urlTemplate);
    static QString setTilesUnavailableNotice(const QString &text);
};
