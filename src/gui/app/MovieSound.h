#pragma once

#include "core/playback/PlaybackSession.h"

#include <QObject>

#include <functional>

class MainWindow;
class TorvaAVView;

// The sound of the two video views: the volume slider and the mute button
// set it, and the session says which view is heard.
class MovieSound : public QObject
{
    Q_OBJECT

public:
    using WidgetOf = std::function<TorvaAVView *(PlaybackSession::View)>;

    MovieSound(PlaybackSession &session, MainWindow *window, WidgetOf widgetOf, QObject *parent);

    // Each view with a movie plays at the volume the session gives it.
    void apply();
    void volumeUp();
    void volumeDown();
    void toggleMute();
    // The mute button shows the state; a muted slider cannot be moved.
    void showMuted(bool muted);

private:
    void setVolume(float volume);

    PlaybackSession &m_session;
    MainWindow *m_window;
    WidgetOf m_widgetOf;
};
