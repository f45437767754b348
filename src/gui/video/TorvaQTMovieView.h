#pragma once

#include <QPointer>
#include <QWidget>

// A view over a full-screen movie that keeps mouse clicks, drags and the
// wheel to itself and passes the user's intents to its delegate, by name and
// only when the delegate has the slot:
//   fullscreenButtonTouched(QObject *sender)  on a right click,
//   showFullscreenMovieControlWindow()        while the pointer is in the top
//   hideFullscreenMovieControlWindow()        quarter of the view, and not.
// Keys go on to the parent. A disabled view tells nothing.
class TorvaQTMovieView : public QWidget
{
    Q_OBJECT

public:
    explicit TorvaQTMovieView(QWidget *parent = nullptr);

    QObject *delegate() const { return m_delegate; }
    void setDelegate(QObject *delegate) { m_delegate = delegate; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tellDelegate(const char *signature, QGenericArgument argument = QGenericArgument());

    QPointer<QObject> m_delegate;
};
