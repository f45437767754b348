#include "core/displays/VolumeSliderGeometry.h"

#include <algorithm>

float VolumeSliderGeometry::clampVolume(float volume)
{
    // Negative and not-a-number volumes both mean silence.
    if (!(volume > 0.0f))
        return 0.0f;
    if (volume > 1.0f)
        return 1.0f;
    return volume;
}

double VolumeSliderGeometry::gaugeWidthForXPoint(double x, double viewWidth)
{
    return std::max(0.0, std::min(x, viewWidth));
}

float VolumeSliderGeometry::volumeForGaugeWidth(double gaugeWidth, double viewWidth)
{
    if (viewWidth <= 0.0)
        return 0.0f;
    return float(gaugeWidth / viewWidth);
}
