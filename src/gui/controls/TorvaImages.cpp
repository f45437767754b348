#include "gui/controls/TorvaImages.h"

#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

namespace {

QSvgRenderer *rendererFor(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto found = renderers.constFind(path);
    if (found != renderers.constEnd())
        return found->get();
    auto renderer = std::make_shared<QSvgRenderer>(path);
    if (!renderer->isValid()) {
        qWarning() << "TorvaImages: cannot read the picture" << path;
        renderer.reset();
    }
    renderers.insert(path, renderer);
    return renderer.get();
}

} // namespace

QString TorvaImages::resourcePath(const QString &name)
{
    QString stem = name;
    if (stem.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        stem.chop(4);
    if (stem.isEmpty() || stem.contains(u'/'))
        return {};
    return QStringLiteral(":/images/%1.svg").arg(stem);
}

bool TorvaImages::exists(const QString &name)
{
    const QString path = resourcePath(name);
    return !path.isEmpty() && QFile::exists(path);
}

QSize TorvaImages::sizeOf(const QString &name)
{
    if (!exists(name))
        return {};
    const QSvgRenderer *renderer = rendererFor(resourcePath(name));
    return renderer ? renderer->defaultSize() : QSize();
}

QPixmap TorvaImages::named(const QString &name, const QSize &size)
{
    if (!exists(name))
        return {};
    const QString path = resourcePath(name);
    QSvgRenderer *renderer = rendererFor(path);
    if (!renderer)
        return {};
    const QSize points = size.isValid() ? size : renderer->defaultSize();
    if (points.isEmpty())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("torva:%1:%2x%3@%4")
                            .arg(path)
                            .arg(points.width())
                            .arg(points.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(points * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(points)));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon TorvaImages::icon(const QString &name)
{
    const QPixmap pixmap = named(name);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
