#pragma once

#include <QString>

// The volume keys and the mute button: the arrow keys move the volume by 0.1
// within 0.0 … 1.0; the mute button shows "volume2" for silence.
class VolumeControl
{
public:
    static constexpr float kStep = 0.1f;

    static float volumeUp(float volume);
    static float volumeDown(float volume);
    // For a volume (silence is 0) and for the mute state.
    static QString muteButtonImage(float volume);
    static QString muteButtonImageWhenMuted(bool muted);
};
