#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <cstdint>

class QIODevice;

// Scans a recording byte by byte for "02tx"/"03tx" tags followed by a text
// record, as the P820 family writes them into its MP4 files. The device is
// read in blocks; the result is the same as scanning the whole file at once.
class Mp4TelemetryScanner
{
public:
    // A read error gives no samples.
    static TelemetryReading scan(QIODevice &device, int64_t blockSize = kBlockBytes);

    static constexpr int64_t kBlockBytes = 1 << 20;
    static constexpr int kRecordBytes = 119;
};
