#pragma once

#include "core/playback/PlayAnimation.h"
#include "core/playback/PlaybackTick.h"

#include <QObject>
#include <QTimer>

class MainWindow;

// The dashboard under the pictures: the play time, the slider, the
// acceleration and position read-outs, the speed gauge, and the pictures
// that move while the video plays.
class TelemetryDashboard : public QObject
{
    Q_OBJECT

public:
    TelemetryDashboard(MainWindow *window, QObject *parent);

    void show(const PlaybackTick::Display &display);
    // The moving pictures run while the video plays.
    void startAnimation() { m_animationTimer.start(); }
    void stopAnimation() { m_animationTimer.stop(); }

private:
    void showAnimationFrame();

    MainWindow *m_window;
    PlayAnimation m_animation;
    QTimer m_animationTimer;
};
