#pragma once

// The timers of the main window and its playback.
class PlaybackTiming
{
public:
    // The splash stays up this long before the main window appears.
    static constexpr int kSplashMilliseconds = 2000;
    // The play-time timer runs 33 times a second; a timer counts whole
    // milliseconds, so 1/33 s (30.3 ms) becomes 30 ms.
    static constexpr int kPlayTimerMilliseconds = 30;
    // The car and earth pictures change once a second while playing.
    static constexpr int kPlayAnimationMilliseconds = 1000;
    // The full-screen control strip fades in and out in this time.
    static constexpr int kControlFadeMilliseconds = 250;
};
