#pragma once

#include "core/telemetry/TelemetrySamples.h"

#include <cstdint>

// What a reader found in a file: samples 0 … count-1, gpsCount of them with a
// position. Samples past count stay zero.
struct TelemetryReading
{
    TelemetrySamples samples;
    int32_t count = 0;
    uint32_t gpsCount = 0;
};
