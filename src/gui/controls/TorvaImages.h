#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The skin's pictures by name ("play_1", "0", "volume_bar", ...). They are
// SVG drawings embedded under ":/images"; a name may carry a ".png" ending,
// which is ignored. Pictures are rendered on demand and cached per size.
// Use from the GUI thread only.
class TorvaImages
{
public:
    static bool exists(const QString &name);
    // The picture's own size in points; empty for an unknown name.
    static QSize sizeOf(const QString &name);
    // At its own size, or drawn to fill size (both axes stretched) when
    // size is valid. An unknown name gives a null pixmap.
    static QPixmap named(const QString &name, const QSize &size = QSize());
    static QIcon icon(const QString &name);

private:
    static QString resourcePath(const QString &name);
};
