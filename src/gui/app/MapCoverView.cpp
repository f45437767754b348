#include "app/MapCoverView.h"

#include "controls/TorvaImageView.h"
#include "displays/MapController.h"
#include "displays/MapTileSource.h"
#include "displays/MapWebPage.h"
#include "i18n/TorvaLanguages.h"

#include <QWebEngineView>

MapCoverView::MapCoverView(QWidget *parent)
    : QWidget(parent), m_mapWebView(new QWebEngineView(this)), m_cover(new TorvaImageView(this))
{
    const MapTileSource tiles = MapTileSource::fromPreferences();
    m_mapWebView->setPage(new MapWebPage(tiles, m_mapWebView));
    m_mapWebView->hide();
    m_cover->setImageName(QStringLiteral("mapview_cover"));
    m_cover->setImageScaling(TorvaImageView::Scaling::AxesIndependently);
    m_cover->raise();

    m_mapController = new MapController(m_mapWebView, this);
    m_mapController->load();
    m_mapController->setTileUrlTemplate(tiles.urlTemplate());
    applyLanguageSettings();
    connect(TorvaLanguages::SharedTorvaLanguages(), &TorvaLanguages::refreshLanguage, this,
            &MapCoverView::applyLanguageSettings);
}

void MapCoverView::moveToLat(float lat, float lng)
{
    m_mapController->moveToLat(lat, lng);
}

void MapCoverView::removeMapLine()
{
    m_mapController->removeMapLine();
}

void MapCoverView::addRoute(const TorvaClipData &clipData)
{
    m_mapController->addRoute(clipData);
}

void MapCoverView::setMapHidden(bool hidden)
{
    m_mapWebView->setVisible(!hidden);
}

void MapCoverView::setCoverHidden(bool hidden)
{
    m_cover->setVisible(!hidden);
}

bool MapCoverView::isCoverShown() const
{
    return !m_cover->isHidden();
}

bool MapCoverView::isMapShown() const
{
    return !m_mapWebView->isHidden();
}

void MapCoverView::resizeEvent(QResizeEvent *)
{
    m_mapWebView->setGeometry(rect());
    m_cover->setGeometry(rect());
}

void MapCoverView::applyLanguageSettings()
{
    m_mapController->setTilesUnavailableNotice(
        TorvaLanguages::text(MapTileSource::kTilesUnavailableKey));
}
