#include "gui/websettings/CardSettingsPage.h"

#include "gui/websettings/CardPageSchemeHandler.h"

#include <QDebug>
#include <QWebEngineFullScreenRequest>

CardSettingsPage::CardSettingsPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl &origin, Feature feature) {
                setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
}

bool CardSettingsPage::acceptNavigationRequest(const QUrl &url, NavigationType type,
                                               bool isMainFrame)
{
    const bool allowed =
        !m_didLoadHtml && url.scheme() == QLatin1String(CardPageSchemeHandler::kScheme);
    if (!allowed)
        qInfo() << "settings page: navigation refused to" << url.toString() << "type" << type
                << (isMainFrame ? "main frame" : "sub-frame");
    return allowed;
}

QWebEnginePage *CardSettingsPage::createWindow(WebWindowType)
{
    qInfo() << "settings page: new window refused";
    return nullptr;
}

void CardSettingsPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel,
                                                const QString &message, int lineNumber,
                                                const QString &sourceID)
{
    qDebug().noquote() << "settings page:" << sourceID << lineNumber << message;
}
