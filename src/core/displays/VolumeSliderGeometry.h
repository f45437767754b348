#pragma once

// The volume bar fills from the left: the filled width is the volume times
// the bar's width.
class VolumeSliderGeometry
{
public:
    // Keeps a volume within 0.0 … 1.0.
    static float clampVolume(float volume);
    // The filled width for a pointer at x: within 0 … viewWidth.
    static double gaugeWidthForXPoint(double x, double viewWidth);
    // The volume a filled width stands for; 0 while the bar has no width.
    static float volumeForGaugeWidth(double gaugeWidth, double viewWidth);
};
