#pragma once

#include <QByteArray>

#include <cstdint>

class TorvaClipData;

// Reads the P820 family's telemetry from an SRT subtitle file: one record
// (or a "gsensori" record and an RMC sentence joined by ";") per block.
class SrtTelemetryReader
{
public:
    // Returns the number of samples stored. Text that is empty or not UTF-8
    // stores nothing, sets gpsDataCount to 0 and returns 0.
    static int32_t read(const QByteArray &bytes, TorvaClipData &track);

    // Subtitle files of a 65-second recording are a few hundred kilobytes;
    // a larger file is not one of them.
    static constexpr int64_t kMaxFileBytes = int64_t(64) << 20;
};
