#pragma once

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
    // "lng,lat|lng,lat…" of samples 0 … gpsDataCount-1, leaving out a sample
    // at the position last written, which starts as (0, 0).
    static QString routePoints(const TorvaClipData &clipData);

    // Our own set-up calls: the tile server's URL template ({z}, {x}, {y},
    // optionally {s}), and the notice shown while tiles cannot be loaded.
    static QString setTileLayer(const QString &urlTemplate);
    static QString setTilesUnavailableNotice(const QString &text);
};
