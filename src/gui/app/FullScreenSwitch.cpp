#include "gui/app/FullScreenSwitch.h"

#include "gui/app/FullScreenMovieWindow.h"
#include "gui/app/LargePictureZoom.h"
#include "gui/app/MainWindow.h"
#include "gui/video/TorvaAVView.h"

#include <QLayout>
#include <QScrollArea>

FullScreenSwitch::FullScreenSwitch(PlaybackSession &session, MainWindow *window,
                                   LargePictureZoom &zoom)
    : m_session(session), m_largeScroll(window->outlets().bigMovieScrollView),
      m_smallSlot(window->outlets().smallMovieSlot), m_zoom(zoom),
      m_movieWindow(new FullScreenMovieWindow(window))
{
}

FullScreenSwitch::~FullScreenSwitch()
{
    // A movie still full screen has left the main window.
    delete m_movieWindow->takeMovie();
    delete m_movieWindow;
}

void FullScreenSwitch::enter(PlaybackSession::View view, TorvaAVView *movie, TorvaAVView *other)
{
    if (view == PlaybackSession::View::Large)
        m_largeScroll->takeWidget();
    m_session.showFullScreenMovie(view);
    m_movieWindow->showMovie(movie);
    other->pause();
}

void FullScreenSwitch::leave(PlaybackSession::View view, TorvaAVView *other)
{
    TorvaAVView *movie = m_movieWindow->takeMovie();
    m_session.hideFullScreenMovie();
    if (view == PlaybackSession::View::Large) {
        m_largeScroll->setWidget(movie);
        m_zoom.changeVideoScale();
    } else {
        m_smallSlot->layout()->addWidget(movie);
    }
    movie->show();
    if (other->hasMovie()) {
        other->setCurrentTime(movie->currentTime());
        if (!m_session.isVideoPaused())
            other->play();
    }
}
