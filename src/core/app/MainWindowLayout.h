#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The main window's geometry. The window is designed 1024 points wide; in a
// wider window the four bands of controls keep their place around the
// centre. Coordinates are Qt's: origin top left, y growing downwards.
class MainWindowLayout
{
public:
    static constexpr int kDesignWidth = 1024;

    // The x origins of the four bands re-centred by windowDidResize.
    struct Bands
    {
        int toolbarBg3 = 0;
        int dashBg3 = 0;
        int toolbarButtons = 0;
        int dashboardCtrls = 0;
    };

    // (width − 1024) / 2, truncated toward zero.
    static int horizontalOffset(double windowWidth);
    static Bands windowDidResize(double windowWidth);

    // How far a window dragged by its background moves: the pointer's travel,
    // each axis truncated toward zero.
    static QPoint windowDragOffset(const QPointF &pressedAt, const QPointF &pointerAt);

    // The full-screen control strip (play/pause and frame steps): centred
    // across the screen, near its top, kept on the screen.
    static QRectF fullscreenControlFrame(const QRectF &screen, const QSizeF &controlSize);
};
