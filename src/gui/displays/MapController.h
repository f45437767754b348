#pragma once

#include "core/displays/MapScript.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEngineView>

#include <array>

class TorvaClipData;

// Drives the map page in a web view by running short script calls in it
// (MapScript). Calls made before the page has finished loading wait and run
// once it has, one of each kind (the latest), in the order of CallKind;
// script results and errors are ignored. A page that fails to load is
// logged and reported with pageLoadFailed().
class MapController : public QObject
{
    Q_OBJECT

public:
    explicit MapController(QWebEngineView *webView, QObject *parent = nullptr);

    QWebEngineView *webView() const { return m_webView; }
    // Calls wait again until the new view has loaded the page (load()).
    void setWebView(QWebEngineView *webView);

    // Loads the map page (ours unless told otherwise), then "initialize()".
    void load(const QUrl &page = {});
    void moveToLat(float lat, float lng);
    void removeMapLine();
    // The route of tracks driven one after another, red or by speed.
    void addRoute(const QList<const TorvaClipData *> &tracks, bool bySpeed, bool mph);
    void setEventMarkers(const QList<MapScript::EventMarker> &markers);

    // The page's tile server and the notice it shows while tiles fail.
    void setTileUrlTemplate(const QString &urlTemplate);
    void setTilesUnavailableNotice(const QString &text);

    // The page has loaded; calls run at once.
    bool isPageLoaded() const { return m_pageLoaded; }
    // The calls waiting for the page.
    int waitingCallCount() const;

Q_SIGNALS:
    void pageLoadFailed();

private:
    // What a call changes on the page; a later call of a kind replaces an
    // earlier one that still waits.
    enum CallKind
    {
        Initialize,
        TileLayer,
        Notice,
        Route,
        EventMarkers,
        Position,
        CallKindCount,
    };

    void run(CallKind kind, const QString &script);
    void pageLoadFinished(bool ok);

    QPointer<QWebEngineView> m_webView;
    QMetaObject::Connection m_loadFinished;
    bool m_pageLoaded = false;
    std::array<QString, CallKindCount> m_waiting;
};
