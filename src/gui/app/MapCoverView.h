#pragma once

#include "core/playback/MapTarget.h"

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
    void addRoute(const TorvaClipData &clipData) override;
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
    // The page could not be loaded: the cover stays.
    bool m_pageFailed = false;
};
