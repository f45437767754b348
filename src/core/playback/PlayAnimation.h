#pragma once

#include <QString>

#include <cstdint>

// The two-frame car and earth animation shown while playing: each tick of
// its one-second timer shows the next of frames 1 and 2.
class PlayAnimation
{
public:
    // The frame to show now (1 or 2); the next call gives the other one.
    int playAnimationTimerCallback();

    static QString shockGageImage(int frame);
    static QString earthImage(int frame);

private:
    uint32_t m_playAnimationIdx = 0;
};
