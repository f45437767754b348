#include "core/playback/MapPresenter.h"

#include "core/telemetry/TorvaClipData.h"

MapPresenter::MapPresenter(MapTarget &target) : m_target(target) {}

void MapPresenter::showRouteOf(const TorvaClipData &clipData)
{
    m_target.removeMapLine();
    m_hasGps = clipData.gpsDataCount() > 0;
    if (m_hasGps)
        m_target.addRoute(clipData);
    else
        showCover();
}

void MapPresenter::updateMapWithLat(float lat, float lng)
{
    if ((lat == 0.0f && lng == 0.0f) || !m_hasGps) {
        showCover();
        return;
    }
    showMap();
    if (double(lat) == m_lastUpdatedLat && double(lng) == m_lastUpdatedLng)
        return;
    m_target.moveToLat(lat, lng);
    m_lastUpdatedLat = lat;
    m_lastUpdatedLng = lng;
}

void MapPresenter::showCover()
{
    setCoverHidden(false);
    setMapHidden(true);
}

void MapPresenter::showMap()
{
    setCoverHidden(true);
    setMapHidden(false);
}

void MapPresenter::forgetPosition()
{
    m_lastUpdatedLat = 0.0;
    m_lastUpdatedLng = 0.0;
}

void MapPresenter::hideForFullScreen()
{
    m_mapHiddenOnFullScreen = isMapHidden();
    setMapHidden(true);
}

void MapPresenter::restoreAfterFullScreen()
{
    setMapHidden(m_mapHiddenOnFullScreen);
}

void MapPresenter::setMapHidden(bool hidden)
{
    if (m_mapHidden == hidden)
        return;
    m_mapHidden = hidden;
    m_target.setMapHidden(hidden);
}

void MapPresenter::setCoverHidden(bool hidden)
{
    if (m_coverHidden == hidden)
        return;
    m_coverHidden = hidden;
    m_target.setCoverHidden(hidden);
}
