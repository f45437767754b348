#pragma once

#include "core/displays/MapScript.h"
#include "core/playback/MapTarget.h"

#include <QList>
#include <QWidget>

class MapController;
class QWebEngineView;
class TorvaImageView;

// The map area: the map page in a web view with its MapController, loaded
// once, and the cover picture laid over it when there is nothing to show.
// At first the cover shows and the map is hidden; when the page cannot be
// loaded the cover stays.
class MapCoverView : public QWidget, public MapTarget
{
    Q_OBJECT

public:
    explicit MapCoverView(QWidget *parent = nullptr);

    void moveToLat(float lat, float lng) override;
    void removeMapLine() override;
    // The recording's route, or the trip's while one is set; red, or by
    // speed when the preference says so.
    void addRoute(const TorvaClipData &clipData) override;
    // The tracks of the trip being played, in order (not owned); an empty
    // list goes back to each recording's own route.
    void setTripTracks(QList<const TorvaClipData *> tracks) { m_tripTracks = std::move(tracks); }
    void setEventMarkers(const QList<MapScript::EventMarker> &markers);
    void setMapHidden(bool hidden) override;
    void setCoverHidden(bool hidden) override;

    bool isCoverShown() const;
    bool isMapShown() const;
    QWebEngineView *mapWebView() const { return m_mapWebView; }
    MapController *mapController() const { return m_mapController; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyLanguageSettings();

    QWebEngineView *m_mapWebView;
    MapController *m_mapController;
    TorvaImageView *m_cover;
    QList<const TorvaClipData *> m_tripTracks;
    // The page could not be loaded: the cover stays.
    bool m_pageFailed = false;
};
