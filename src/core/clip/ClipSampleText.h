#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TorvaClipData;

// How one telemetry sample reads on an exported clip: its speed, position
// and acceleration as lines of text, shared by the SRT and the overlay.
class ClipSampleText
{
public:
    // "57 km/h", or "35 mph" rounded as the speed gauge does; the no-speed
    // value gives "-- km/h" / "-- mph".
    static QString speed(uint32_t kmh, bool metricSpeed);
    // "37.56750, 126.97920", or "--" for a sample without a fix.
    static QString position(const TorvaClipData &track, int32_t index);
    // "X 0.12 Y -0.05 Z 0.98" in g.
    static QString acceleration(const TorvaClipData &track, int32_t index);
    // Speed, position and acceleration of the sample, in that order.
    static QStringList lines(const TorvaClipData &track, int32_t index, bool metricSpeed);
};
