#include "displays/MapController.h"

#include "displays/MapScript.h"
#include "displays/MapWebPage.h"

#include <QWebEngineView>

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

void MapController::run(const QString &script)
{
    if (!m_webView) {
        qCWarning(lcTorvaMap) << "no web view for the map call" << script.left(80);
        return;
    }
    if (!m_pageLoaded) {
        m_waiting.append(script);
        return;
    }
    m_webView->page()->runJavaScript(script);
}

void MapController::load()
{
    if (!m_webView)
        return;
    m_pageLoaded = false;
    m_webView->load(MapWebPage::pageUrl());
    run(MapScript::initialize());
}

void MapController::moveToLat(float lat, float lng)
{
    run(MapScript::moveToLat(lat, lng));
}

void MapController::removeMapLine()
{
    run(MapScript::removePolyLine());
}

void MapController::addRoute(const TorvaClipData &clipData)
{
    run(MapScript::addRoute(clipData));
}

void MapController::setTileUrlTemplate(const QString &urlTemplate)
{
    run(MapScript::setTileLayer(urlTemplate));
}

void MapController::setTilesUnavailableNotice(const QString &text)
{
    run(MapScript::setTilesUnavailableNotice(text));
}

void MapController::pageLoadFinished(bool ok)
{
    // A navigation the page refused also ends with !ok; the page is still there.
    if (!ok) {
        if (!m_pageLoaded)
            qCWarning(lcTorvaMap) << "the map page did not load from" << m_webView->url();
        return;
    }
    m_pageLoaded = true;
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &script : waiting)
        m_webView->page()->runJavaScript(script);
}
