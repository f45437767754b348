#pragma once

#include "core/websettings/CardPageFolder.h"

#include <QByteArray>
#include <QWebEngineUrlSchemeHandler>

// Serves the card's settings page to the web view from its "SETTING/html"
// folder alone, under a scheme of its own: nothing outside that folder is
// reachable through it, and the page's documents carry a policy that keeps
// them from loading anything from elsewhere or opening connections.
class CardPageSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    // "torva-card"; pages are at torva-card://page/…
    static const QByteArray kScheme;
    // Once per process, before the application object exists.
    static void registerScheme();

    CardPageSchemeHandler(const QString &htmlFolder, QObject *parent = nullptr);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    CardPageFolder m_folder;
};
