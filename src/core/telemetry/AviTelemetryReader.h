#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <cstdint>
#include <optional>

class QIODevice;

// Walks the chunks of a RIFF/AVI stream and reads the "02tx"/"03tx" text
// chunks the cameras interleave with the video: "M" acceleration records,
// "T" second markers and RMC sentences.
class AviTelemetryReader
{
public:
    enum class Family
    {
        Standard, // acceleration stored as 128 - raw, "T" markers
        Compact,  // acceleration stored as (raw - 128) x 10, no markers
    };

    // A stream that is not RIFF/"AVI " gives nothing.
    static std::optional<TelemetryReading> read(QIODevice &device, Family family);

    // Text chunks are records of a few dozen bytes; of a larger one only this
    // much is read, the rest is skipped like any other payload.
    static constexpr int64_t kMaxRecordBytes = int64_t(64) << 10;
};
