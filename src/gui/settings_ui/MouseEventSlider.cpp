#include "gui/settings_ui/MouseEventSlider.h"

#include <QMouseEvent>

MouseEventSlider::MouseEventSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    setMouseTracking(true);
}

void MouseEventSlider::enterEvent(QEnterEvent *event)
{
    QSlider::enterEvent(event);
    Q_EMIT sliderTouchedDown(this);
}

void MouseEventSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    Q_EMIT sliderTouchedUp(this);
}

void MouseEventSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    // A move with a button held belongs to the drag.
    if (event->buttons() == Qt::NoButton)
        Q_EMIT sliderTouchedDown(this);
}

void MouseEventSlider::mouseReleaseEvent(QMouseEvent *event)
{
    const bool dragEnded = event->button() == Qt::LeftButton && event->buttons() == Qt::NoButton;
    QSlider::mouseReleaseEvent(event);
    if (!dragEnded)
        return;
    Q_EMIT sliderTouchedUp(this);
    Q_EMIT sliderTouchedDown(this);
}
