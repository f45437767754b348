#include "gui/websettings/CardPageRequestFilter.h"

#include "gui/websettings/CardPageSchemeHandler.h"

#include <QDebug>

void CardPageRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString scheme = info.requestUrl().scheme();
    if (scheme == QLatin1String(CardPageSchemeHandler::kScheme) ||
        scheme == QLatin1String("data") || scheme == QLatin1String("blob"))
        return;
    qInfo() << "settings page: blocked" << info.requestUrl().toString();
    info.block(true);
}
