#pragma once

#include <array>
#include <cstdint>

// The sample arrays of one telemetry track, ten samples per second of video.
struct TelemetrySamples
{
    static constexpr int kCapacity = 650;

    std::array<int16_t, kCapacity> gx{};
    std::array<int16_t, kCapacity> gy{};
    std::array<int16_t, kCapacity> gz{};
    std::array<float, kCapacity> gpsInfoLat{};
    std::array<float, kCapacity> gpsInfoLng{};
    std::array<uint32_t, kCapacity> gpsSpeed{};
};
