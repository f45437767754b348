#pragma once

#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"

// Telemetry with values that tell their samples apart, for playback tests
// and benchmarks.
class PlaybackTrackBuilder
{
public:
    // count samples (at most 650): sample i has the acceleration i, -i, 2i,
    // latitude 37 + i / 1000, longitude 127 + i / 1000 and speed i; samples
    // before firstFix have no fix (0, 0, speed 0).
    static TorvaClipData clipData(int count, int firstFix = 0);
    // The demo drive through Seoul (DemoDrive with its default start) for
    // the given seconds, as its tail block reads back.
    static TorvaClipData demoDrive(int seconds);
    // One entry every 100 ms for the given seconds, with the acceleration
    // i, -i, 2i of its index i, and a fix once a second (at whole seconds)
    // at latitude 37 + s / 100 and longitude 127 + s / 100, speed 10 s.
    static SubtitleData subtitles(int seconds);
};
