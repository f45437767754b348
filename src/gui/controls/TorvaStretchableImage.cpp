#include "gui/controls/TorvaStretchableImage.h"

#include "core/controls/StretchableImageLayout.h"

#include <QPainter>

#include <cmath>

namespace {

// Draws the pieces into a transparent picture of size points, at the source
// picture's pixel density.
QPixmap compose(const QPixmap &image, const QSizeF &size,
                const QList<StretchableImageLayout::Piece> &pieces)
{
    const QSize points(int(std::ceil(std::max(0.0, size.width()))),
                       int(std::ceil(std::max(0.0, size.height()))));
    if (image.isNull() || points.isEmpty())
        return {};
    const qreal ratio = image.devicePixelRatio();
    QPixmap result(points * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const auto &piece : pieces) {
        const QRectF source(piece.source.topLeft() * ratio, piece.source.size() * ratio);
        painter.drawPixmap(piece.target, image, source);
    }
    return result;
}

} // namespace

QPixmap TorvaStretchableImage::stretchableImageWithSize(const QPixmap &image, const QSize &size,
                                                        const QMarginsF &edgeInsets)
{
    return compose(image, QSizeF(size),
                   StretchableImageLayout::ninePartPieces(image.deviceIndependentSize(),
                                                          QSizeF(size), edgeInsets));
}

QPixmap TorvaStretchableImage::stretchableImageWithLeftCapWidth(const QPixmap &image,
                                                                double leftCapWidth,
                                                                double middleWidth,
                                                                double rightCapWidth)
{
    const QSizeF source = image.deviceIndependentSize();
    return compose(
        image,
        StretchableImageLayout::threePartSize(source, leftCapWidth, middleWidth, rightCapWidth),
        StretchableImageLayout::threePartPieces(source, leftCapWidth, middleWidth, rightCapWidth));
}
