#include "core/displays/MapTileSource.h"

#include "core/i18n/TorvaPreferences.h"

#include <QDebug>
#include <QStringList>

namespace {

// Stands for the template's "{s}", which a host name cannot hold.
const QString kAnyLabel = QStringLiteral("any-subdomain");

QUrl serverOf(const QString &urlTemplate)
{
    QString text = urlTemplate;
    text.replace(QLatin1String("{s}"), kAnyLabel);
    const QUrl url(text);
    const bool usable =
        url.isValid() && !url.host().isEmpty() &&
        (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    return usable ? url : QUrl();
}

int portOf(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

} // namespace

MapTileSource::MapTileSource(const QString &urlTemplate)
    : m_urlTemplate(urlTemplate), m_server(serverOf(urlTemplate))
{
    if (m_server.isEmpty()) {
        if (!urlTemplate.isEmpty())
            qWarning() << "MapTileSource: unusable tile URL" << urlTemplate << "- using"
                       << kDefaultTileUrl;
        m_urlTemplate = QString::fromLatin1(kDefaultTileUrl);
        m_server = serverOf(m_urlTemplate);
    }
}

MapTileSource MapTileSource::fromPreferences()
{
    return MapTileSource(TorvaPreferences().value(QLatin1String(kTileUrlKey)).toString());
}

bool MapTileSource::isTileRequest(const QUrl &url) const
{
    if (url.scheme() != m_server.scheme() || portOf(url) != portOf(m_server))
        return false;
    const QStringList pattern = m_server.host().split(QLatin1Char('.'));
    const QStringList labels = url.host().split(QLatin1Char('.'));
    if (pattern.size() != labels.size())
        return false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == kAnyLabel ? labels[i].isEmpty() : labels[i] != pattern[i])
            return false;
    }
    return true;
}
