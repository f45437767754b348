#pragma once

#include "core/telemetry/TextFields.h"

#include <cstdint>

// The position a camera reported last, as the AVI and MP4 readers keep it
// between RMC sentences: millionths of a degree and hemisphere letters.
struct GpsState
{
    uint32_t latitude = 0;
    uint32_t longitude = 0;
    char northSouth = 'N';
    char eastWest = 'E';
    uint32_t speed = 0;

    // The state an RMC sentence sets; statusField is the index of its status
    // field ("A" for a valid fix), the other fields follow it in NMEA order.
    static GpsState fromRmc(const TextFields &fields, size_t statusField);
};
