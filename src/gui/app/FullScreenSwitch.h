#pragma once

#include "core/playback/PlaybackSession.h"

#include <QObject>

class FullScreenMovieWindow;
class LargePictureZoom;
class MainWindow;
class QScrollArea;
class TorvaAVView;

// Moves a video view from its place in the main window to the full-screen
// window and back, keeping the session told and the other view in step.
class FullScreenSwitch : public QObject
{
    Q_OBJECT

public:
    FullScreenSwitch(PlaybackSession &session, MainWindow *window, LargePictureZoom &zoom);
    ~FullScreenSwitch() override;

    FullScreenMovieWindow *movieWindow() const { return m_movieWindow; }

    // Shows the view's movie full screen; only it plays on.
    void enter(PlaybackSession::View view, TorvaAVView *movie, TorvaAVView *other);
    // Puts the full-screen movie back in its place; the other view catches
    // up with the picture that went on playing.
    void leave(PlaybackSession::View view, TorvaAVView *other);

private:
    PlaybackSession &m_session;
    QScrollArea *m_largeScroll;
    QWidget *m_smallSlot;
    LargePictureZoom &m_zoom;
    FullScreenMovieWindow *m_movieWindow;
};
