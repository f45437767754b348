#include "gui/app/SnapshotPrinter.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

void SnapshotPrinter::preparePrinter(QPrinter &printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
}

bool SnapshotPrinter::printImage(const QImage &image, QPagedPaintDevice &device)
{
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device)) {
        qWarning("Cannot start printing");
        return false;
    }
    // One scale for both axes: the picture keeps its proportions.
    const QSizeF page(device.width(), device.height());
    const QSizeF fitted = QSizeF(image.size()).scaled(page, Qt::KeepAspectRatio);
    const QRectF target(
        QPointF((page.width() - fitted.width()) / 2.0, (page.height() - fitted.height()) / 2.0),
        fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}
