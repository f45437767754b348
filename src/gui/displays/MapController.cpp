#include "gui/displays/MapController.h"

#include "gui/displays/MapWebPage.h"

#include <QWebEngineView>

#include <algorithm>
#include <utility>

MapController::MapController(QWebEngineView *webView, QObject *parent) : QObject(parent)
{
    setWebView(webView);
}

void MapController::setWebView(QWebEngineView *webView)
{
    disconnect(m_loadFinished);
    m_webView = webView;
    m_pageLoaded = false;
    if (!webView)
        return;
    m_loadFinished =
        connect(webView, &QWebEngineView::loadFinished, this, &MapController::pageLoadFinished);
}

void MapController::run(CallKind kind, const QString &script)
{
    if (!m_webView) {
        qCWarning(lcTorvaMap) << "no web view for the map call" << script.left(80);
        return;
    }
    if (!m_pageLoaded) {
        m_waiting[kind] = script;
        return;
    }
    m_webView->page()->runJavaScript(script);
}

int MapController::waitingCallCount() const
{
    return int(std::count_if(m_waiting.begin(), m_waiting.end(),
                             [](const QString &script) { return !script.isEmpty(); }));
}

void MapController::load(const QUrl &page)
{
    if (!m_webView)
        return;
    m_pageLoaded = false;
    m_webView->load(page.isEmpty() ? MapWebPage::pageUrl() : page);
    run(Initialize, MapScript::initialize());
}

void MapController::moveToLat(float lat, float lng)
{
    run(Position, MapScript::moveToLat(lat, lng));
}

void MapController::removeMapLine()
{
    run(Route, MapScript::removePolyLine());
}

void MapController::addRoute(const QList<const TorvaClipData *> &tracks, bool bySpeed, bool mph)
{
    run(Route, MapScript::addRoute(tracks, bySpeed, mph));
}

void MapController::setEventMarkers(const QList<MapScript::EventMarker> &markers)
{
    run(EventMarkers, MapScript::setEventMarkers(markers));
}

void MapController::setTileUrlTemplate(const QString &urlTemplate)
{
    run(TileLayer, MapScript::setTileLayer(urlTemplate));
}

void MapController::setTilesUnavailableNotice(const QString &text)
{
    run(Notice, MapScript::setTilesUnavailableNotice(text));
}

void MapController::pageLoadFinished(bool ok)
{
    // A navigation the page refused also ends with !ok; the page is still there.
    if (!ok) {
        if (!m_pageLoaded) {
            qCWarning(lcTorvaMap) << "the map page did not load from" << m_webView->url()
                                  << "; the map stays covered";
            Q_EMIT pageLoadFailed();
        }
        return;
    }
    m_pageLoaded = true;
    for (QString &script : m_waiting) {
        if (!script.isEmpty())
            m_webView->page()->runJavaScript(std::exchange(script, {}));
    }
}
