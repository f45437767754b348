#pragma once

#include "core/displays/MapTileSource.h"

#include <QWebEngineUrlRequestInterceptor>

// Lets the map page load its own resources (qrc:, data:) and the tiles of
// its tile server; every other request is blocked and logged.
class MapRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    explicit MapRequestFilter(const MapTileSource &tiles, QObject *parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    const MapTileSource m_tiles;
};
