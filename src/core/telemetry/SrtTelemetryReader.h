#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <QByteArray>

#include <cstdint>

// Reads the P820 family's telemetry from an SRT subtitle file: one record
// (or a "gsensori" record and an RMC sentence joined by ";") per block.
class SrtTelemetryReader
{
public:
    // Text that is empty or not UTF-8 gives no samples.
    static TelemetryReading read(const QByteArray &bytes);

    // Subtitle files of a 65-second recording are a few hundred kilobytes;
    // a larger file is not one of them.
    static constexpr int64_t kMaxFileBytes = int64_t(64) << 20;
};
