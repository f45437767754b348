#include "core/app/MainWindowLayout.h"

#include <algorithm>
#include <cmath>

int MainWindowLayout::horizontalOffset(double windowWidth)
{
    return int(std::trunc((windowWidth - kDesignWidth) * 0.5));
}

MainWindowLayout::Bands MainWindowLayout::windowDidResize(double windowWidth)
{
    const int offset = horizontalOffset(windowWidth);
    return {offset + 25, offset + 18, offset + 10, offset + 43};
}

QPoint MainWindowLayout::windowDragOffset(const QPointF &pressedAt, const QPointF &pointerAt)
{
    return {int(std::trunc(pointerAt.x() - pressedAt.x())),
            int(std::trunc(pointerAt.y() - pressedAt.y()))};
}

QRectF MainWindowLayout::fullscreenControlFrame(const QRectF &screen, const QSizeF &controlSize)
{
    const double x = screen.x() + screen.width() * 0.5 - controlSize.width() * 0.5;
    // The strip's bottom edge lies half its height above the line an eighth of
    // the screen below the top; a tall strip on a short screen is kept on it.
    const double y = screen.y() + screen.height() * 0.125 - controlSize.height() * 1.5;
    return {QPointF(x, std::max(y, screen.y())), controlSize};
}
