#pragma once

#include <QLoggingCategory>
#include <QWebEnginePage>

class MapTileSource;

Q_DECLARE_LOGGING_CATEGORY(lcTorvaMap)

// The web page that shows the map page and nothing else: it never navigates
// away from it, opens no windows and loads nothing but its own resources and
// the tile server's tiles. It has an off-the-record profile of its own, which
// it owns (the profile goes after the page), and logs the page's console.
class MapWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    // The map page among our resources.
    static QUrl pageUrl();
    // What the map tells the tile server about itself.
    static QString userAgent();

    explicit MapWebPage(const MapTileSource &tiles, QObject *parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;
};
