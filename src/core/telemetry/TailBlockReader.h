#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <cstdint>
#include <optional>

class QIODevice;

// Reads the text block of samples that some recordings carry at their end
// after the marker "WQZKM7": one line "n,lat,lng,speed,x,y,z" per sample.
class TailBlockReader
{
public:
    // At most 650 samples. A device shorter than 6 bytes, or one that fails
    // to read, gives nothing; text that is not UTF-8 gives no samples.
    static std::optional<TelemetryReading> read(QIODevice &device);

    static constexpr int64_t kSearchWindow = 33006;
    // A sample line is a few dozen bytes; a longer line is not one.
    static constexpr int64_t kMaxLineBytes = int64_t(64) << 10;
};
