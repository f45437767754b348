#pragma once

#include <QWidget>

class QKeyEvent;
class QMouseEvent;

// A view that hands its mouse and key events to whoever listens; an event
// nobody listens to is dropped.
class TorvaEventView : public QWidget
{
    Q_OBJECT

public:
    explicit TorvaEventView(QWidget *parent = nullptr);

Q_SIGNALS:
    void mouseDown(QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void mouseExited(QEvent *event);
    void keyDown(QKeyEvent *event);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
