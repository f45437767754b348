#include "gui/displays/MapRequestFilter.h"

#include "gui/displays/MapWebPage.h"

#include <QWebEngineUrlRequestInfo>

MapRequestFilter::MapRequestFilter(const MapTileSource &tiles, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_tiles(tiles)
{
}

void MapRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (url.scheme() == QLatin1String("qrc") || url.scheme() == QLatin1String("data") ||
        m_tiles.isTileRequest(url))
        return;
    qCWarning(lcTorvaMap) << "blocked a request of the map page to" << url.toDisplayString();
    info.block(true);
}
