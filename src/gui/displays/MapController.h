#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWebEngineView>

class TorvaClipData;

// Drives the map page in a web view by running short script calls in it
// (MapScript). Calls made before the page has finished loading wait and run
// in order once it has; script results and errors are ignored.
class MapController : public QObject
{
    Q_OBJECT

public:
    explicit MapController(QWebEngineView *webView, QObject *parent = nullptr);

    QWebEngineView *webView() const { return m_webView; }
    // Calls wait again until the new view has loaded the page (load()).
    void setWebView(QWebEngineView *webView);

    void run(const QString &script);
    // Loads the map page from our resources, then "initialize()".
    void load();
    void moveToLat(float lat, float lng);
    void removeMapLine();
    void addRoute(const TorvaClipData &clipData);

    // The page's tile server and the notice it shows while tiles fail.
    void setTileUrlTemplate(const QString &urlTemplate);
    void setTilesUnavailableNotice(const QString &text);

    // The page has loaded; calls run at once.
    bool isPageLoaded() const { return m_pageLoaded; }

private:
    void pageLoadFinished(bool ok);

    QPointer<QWebEngineView> m_webView;
    QMetaObject::Connection m_loadFinished;
    bool m_pageLoaded = false;
    QStringList m_waiting;
};
