#include "gui/video/TorvaQTMovieView.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// The share of the height, from the bottom, below which the controls hide.
constexpr double kControlsBoundary = 0.75;

} // namespace

TorvaQTMovieView::TorvaQTMovieView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    // Clicks and drags on the movie must never reach the window behind.
    setAttribute(Qt::WA_NoMousePropagation);
}

void TorvaQTMovieView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TorvaQTMovieView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (event->buttons() != Qt::NoButton)
        return;
    // Measured from the bottom edge, as the controls are placed.
    const double heightFromBottom = height() - event->position().y();
    if (heightFromBottom > kControlsBoundary * height())
        tellDelegate("showFullscreenMovieControlWindow()");
    else
        tellDelegate("hideFullscreenMovieControlWindow()");
}

void TorvaQTMovieView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::RightButton)
        tellDelegate("fullscreenButtonTouched(QObject*)", Q_ARG(QObject *, this));
}

void TorvaQTMovieView::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void TorvaQTMovieView::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void TorvaQTMovieView::tellDelegate(const char *signature, QGenericArgument argument)
{
    if (!m_delegate)
        return;
    const QMetaObject *meta = m_delegate->metaObject();
    const int index = meta->indexOfMethod(QMetaObject::normalizedSignature(signature).constData());
    if (index < 0)
        return;
    meta->method(index).invoke(m_delegate, Qt::DirectConnection, argument);
}
