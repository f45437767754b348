#include "gui/controls/TorvaEventView.h"

#include <QKeyEvent>
#include <QMouseEvent>

TorvaEventView::TorvaEventView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void TorvaEventView::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event);
}

void TorvaEventView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        Q_EMIT mouseDragged(event);
    else
        Q_EMIT mouseMoved(event);
}

void TorvaEventView::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseUp(event);
}

void TorvaEventView::leaveEvent(QEvent *event)
{
    Q_EMIT mouseExited(event);
}

void TorvaEventView::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(event);
}
