#include "gui/app/MapCoverView.h"

#include "core/displays/MapTileSource.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/MapController.h"
#include "gui/displays/MapWebPage.h"

#include <QChildEvent>
#include <QWebEngineView>

MapCoverView::MapCoverView(QWidget *parent)
    : QWidget(parent), m_mapWebView(new QWebEngineView(this)), m_cover(new TorvaImageView(this))
{
    const MapTileSource tiles = MapTileSource::fromPreferences();
    m_mapWebView->setPage(new MapWebPage(tiles, m_mapWebView));
    m_mapWebView->hide();
    // The map is looked at, not typed into: the page must not take the
    // keyboard from the window's shortcuts when clicked.
    m_mapWebView->setFocusPolicy(Qt::NoFocus);
    m_mapWebView->installEventFilter(this);
    m_cover->setImageName(QStringLiteral("mapview_cover"));
    m_cover->setImageScaling(TorvaImageView::Scaling::AxesIndependently);
    m_cover->raise();

    m_mapController = new MapController(m_mapWebView, this);
    connect(m_mapController, &MapController::pageLoadFailed, this, [this] {
        m_pageFailed = true;
        m_mapWebView->hide();
        m_cover->show();
    });
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
    const bool bySpeed = TorvaPreferences().value(TorvaPreferences::kRouteBySpeedKey).toBool();
    m_mapController->addRoute(m_tripTracks.isEmpty() ? QList<const TorvaClipData *>{&clipData}
                                                     : m_tripTracks,
                              bySpeed, TorvaSpeedUnit::isMph());
}

void MapCoverView::setEventMarkers(const QList<MapScript::EventMarker> &markers)
{
    m_mapController->setEventMarkers(markers);
}

void MapCoverView::setMapHidden(bool hidden)
{
    // A page that did not load has nothing to show.
    m_mapWebView->setVisible(!hidden && !m_pageFailed);
}

void MapCoverView::setCoverHidden(bool hidden)
{
    m_cover->setVisible(!hidden || m_pageFailed);
}

bool MapCoverView::isCoverShown() const
{
    return !m_cover->isHidden();
}

bool MapCoverView::isMapShown() const
{
    return !m_mapWebView->isHidden();
}

bool MapCoverView::eventFilter(QObject *watched, QEvent *event)
{
    // The web view makes the widget that shows the page (its focus proxy)
    // later, with a focus policy of its own.
    if (watched == m_mapWebView && event->type() == QEvent::ChildPolished) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->setFocusPolicy(Qt::NoFocus);
    }
    return QWidget::eventFilter(watched, event);
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
