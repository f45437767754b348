#include "gui/app/LargePictureZoom.h"

#include "core/playback/PlaybackSession.h"
#include "gui/controls/ImageButton.h"
#include "gui/video/TorvaAVView.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

LargePictureZoom::LargePictureZoom(PlaybackSession &session, QScrollArea *scroll, TorvaAVView *view,
                                   ImageButton *panButton, QObject *parent)
    : QObject(parent), m_session(session), m_scroll(scroll), m_view(view), m_panButton(panButton)
{
    // The large picture follows its scroll view's size (movieFitsScrollView).
    m_scroll->installEventFilter(this);
    // Only the user moves the zoomed picture away from its centre: the moves
    // of a zoom or a resize, and the clamping that comes with them, do not
    // count. The scroll position is read once the move has landed.
    for (QScrollBar *bar : {m_scroll->horizontalScrollBar(), m_scroll->verticalScrollBar()})
        connect(bar, &QScrollBar::actionTriggered, this, &LargePictureZoom::boundDidChange,
                Qt::QueuedConnection);
}

void LargePictureZoom::scaleUp()
{
    m_session.zoom().videoScaleUp();
    changeVideoScale();
}

void LargePictureZoom::scaleDown()
{
    m_session.zoom().videoScaleDown();
    changeVideoScale();
}

void LargePictureZoom::reset()
{
    m_session.zoom().resetVideoScale();
    changeVideoScale();
}

void LargePictureZoom::enterScrollMode()
{
    m_session.zoom().enterScrollMode();
    showScrollMode();
    changeVideoScale();
}

void LargePictureZoom::showScrollMode()
{
    const VideoZoom &zoom = m_session.zoom();
    m_panButton->setImage(zoom.panButtonImage());
    m_panButton->setAllowAutoMouseEventImage(!zoom.enableBigMovieViewScroll());
}

void LargePictureZoom::changeVideoScale()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_session.isFullScreenMode())
                return;
            // The scroll view's own size: scroll bars coming and going must
            // not change the picture's.
            const VideoZoom::Frame frame =
                m_session.zoom().changeVideoScale(QSizeF(m_scroll->size()));
            m_view->resize(frame.viewSize.toSize());
            m_scroll->setHorizontalScrollBarPolicy(
                frame.horizontalScroller ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
            m_scroll->setVerticalScrollBarPolicy(frame.verticalScroller ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
            if (m_session.zoom().touchedBigMovieScroll())
                return;
            const QPoint centre =
                VideoZoom::centredScrollPoint(frame.viewSize, QSizeF(m_scroll->viewport()->size()));
            m_scroll->horizontalScrollBar()->setValue(centre.x());
            m_scroll->verticalScrollBar()->setValue(centre.y());
        },
        Qt::QueuedConnection);
}

bool LargePictureZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_scroll)
        changeVideoScale();
    return QObject::eventFilter(watched, event);
}

void LargePictureZoom::boundDidChange()
{
    const QPointF origin(m_scroll->horizontalScrollBar()->value(),
                         m_scroll->verticalScrollBar()->value());
    m_session.zoom().boundDidChange(origin, QSizeF(m_view->size()),
                                    QSizeF(m_scroll->viewport()->size()));
}
