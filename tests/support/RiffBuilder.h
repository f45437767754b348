#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Writes RIFF streams from scratch: chunks with their little-endian sizes and
// pad bytes, and nested LIST chunks.
class RiffBuilder
{
public:
    // A chunk: id, size, payload and the pad byte after an odd size.
    static QByteArray chunk(const QByteArray &id, const QByteArray &payload);
    // A chunk whose size field claims more than the payload holds.
    static QByteArray chunkWithSize(const QByteArray &id, uint32_t size, const QByteArray &payload);
    static QByteArray list(const QByteArray &type, const QByteArray &children);
    // "RIFF" size "AVI " followed by the chunks.
    static QByteArray avi(const QByteArray &chunks);

    // Telemetry records as the cameras write them into "02tx" chunks.
    static QByteArray accelerationRecord(uint8_t x, uint8_t y, uint8_t z);
    static QByteArray compactAccelerationRecord(uint8_t x, uint8_t y, uint8_t z, uint8_t flag = 1);
    static QByteArray text(const QByteArray &record) { return chunk("02tx", record); }
};
