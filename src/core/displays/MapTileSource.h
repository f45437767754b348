#pragma once

#include <QString>
#include <QUrl>

// The server the map page takes its tiles from, as a URL template with {z},
// {x} and {y} and optionally {s} for a subdomain ("a", "b", "c"). It is the
// preference "TorvaMapTileUrl"; OpenStreetMap's tiles when unset or unusable.
class MapTileSource
{
public:
    static constexpr char kTileUrlKey[] = "TorvaMapTileUrl";
    static constexpr char kDefaultTileUrl[] = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    // The map's notice while no tile can be loaded (a localisation key).
    static constexpr const char *kTilesUnavailableKey = "지도 타일을 불러올 수 없습니다.";

    // An http or https template with a host; anything else gives the default.
    explicit MapTileSource(const QString &urlTemplate);
    static MapTileSource fromPreferences();

    QString urlTemplate() const { return m_urlTemplate; }
    // A request to the tile server: same scheme, port and host, where a "{s}"
    // label of the template's host stands for any one label.
    bool isTileRequest(const QUrl &url) const;

private:
    QString m_urlTemplate;
    QUrl m_server;
};
