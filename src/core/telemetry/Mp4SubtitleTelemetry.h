#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <optional>

class QIODevice;

// The telemetry an MP4 recording carries as a subtitle stream: the samples
// of its first subtitle track, each a 16-bit length and that much text, are
// the blocks of the SRT text the camera wrote, read without ffmpeg.
class Mp4SubtitleTelemetry
{
public:
    // Nothing when the file has no subtitle track or its samples give no
    // telemetry. Reads the movie box and the samples only, at most
    // SrtTelemetryReader::kMaxFileBytes of text.
    static std::optional<TelemetryReading> read(QIODevice &device);
};
