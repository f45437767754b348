#include "gui/displays/MapWebPage.h"

#include "core/displays/MapTileSource.h"
#include "gui/displays/MapRequestFilter.h"

#include <QColor>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

Q_LOGGING_CATEGORY(lcTorvaMap, "torva.map")

namespace {

QWebEngineProfile *offTheRecordProfile(const MapTileSource &tiles)
{
    auto *profile = new QWebEngineProfile;
    profile->setHttpUserAgent(MapWebPage::userAgent());
    profile->setUrlRequestInterceptor(new MapRequestFilter(tiles, profile));
    return profile;
}

} // namespace

QUrl MapWebPage::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/mapview.html"));
}

QString MapWebPage::userAgent()
{
    return QStringLiteral("Torvaview/%1 (+dashcam viewer)").arg(QStringLiteral(TORVA_VERSION));
}

MapWebPage::MapWebPage(const MapTileSource &tiles, QObject *parent)
    : QWebEnginePage(offTheRecordProfile(tiles), parent)
{
    profile()->setParent(this);
    // The map's own background (mapview.css) until the page draws.
    setBackgroundColor(QColor(0xdc, 0xda, 0xd5));
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
}

bool MapWebPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    if (url == pageUrl())
        return true;
    qCWarning(lcTorvaMap) << "refused to navigate the map page to" << url.toDisplayString();
    return false;
}

QWebEnginePage *MapWebPage::createWindow(WebWindowType)
{
    qCWarning(lcTorvaMap) << "refused to open a window from the map page";
    return nullptr;
}

void MapWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString &message, int lineNumber,
                                          const QString &sourceID)
{
    const QString where = QStringLiteral("%1:%2:").arg(sourceID).arg(lineNumber);
    if (level == ErrorMessageLevel)
        qCWarning(lcTorvaMap).noquote() << where << message;
    else
        qCDebug(lcTorvaMap).noquote() << where << message;
}
