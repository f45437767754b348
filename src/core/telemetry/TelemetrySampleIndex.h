#pragma once

#include <cstdint>

// Telemetry is stored at ten samples per second of recording; sample i
// belongs to play time i / 10.
class TelemetrySampleIndex
{
public:
    static constexpr int64_t kMillisecondsPerSample = 100;

    // t × 10 truncated toward zero. A negative or unknown (NaN) time gives
    // sample 0 and a time beyond the 32-bit range the largest index, where a
    // plain conversion would be undefined.
    static uint32_t forPlayTime(double seconds);
};
