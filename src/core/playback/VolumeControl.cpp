#include "core/playback/VolumeControl.h"

#include <algorithm>
#include <cmath>

namespace {

// Ten steps down from 1.0 in single precision miss 0.0 by a rounding error;
// such a remainder is silence, and full volume likewise.
float steppedVolume(float volume, float step)
{
    constexpr float kRoundingError = 1e-5f;
    const float stepped = std::clamp(volume + step, 0.0f, 1.0f);
    if (stepped < kRoundingError)
        return 0.0f;
    if (1.0f - stepped < kRoundingError)
        return 1.0f;
    return stepped;
}

} // namespace

float VolumeControl::volumeUp(float volume)
{
    return steppedVolume(volume, kStep);
}

float VolumeControl::volumeDown(float volume)
{
    return steppedVolume(volume, -kStep);
}

QString VolumeControl::muteButtonImage(float volume)
{
    return muteButtonImageWhenMuted(volume == 0.0f);
}

QString VolumeControl::muteButtonImageWhenMuted(bool muted)
{
    return muted ? QStringLiteral("volume2") : QStringLiteral("volume1");
}
