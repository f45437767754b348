#include "RiffBuilder.h"

#include <QtEndian>

namespace {

QByteArray littleEndian32(uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

QByteArray RiffBuilder::chunkWithSize(const QByteArray &id, uint32_t size,
                                      const QByteArray &payload)
{
    return id.left(4) + littleEndian32(size) + payload;
}

QByteArray RiffBuilder::chunk(const QByteArray &id, const QByteArray &payload)
{
    QByteArray bytes = chunkWithSize(id, uint32_t(payload.size()), payload);
    if (payload.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

QByteArray RiffBuilder::list(const QByteArray &type, const QByteArray &children)
{
    return chunk("LIST", type.left(4) + children);
}

QByteArray RiffBuilder::avi(const QByteArray &chunks)
{
    return "RIFF" + littleEndian32(uint32_t(chunks.size() + 4)) + "AVI " + chunks;
}

QByteArray RiffBuilder::accelerationRecord(uint8_t x, uint8_t y, uint8_t z)
{
    QByteArray record("M");
    record.append(char(x)).append(char(y)).append(char(z));
    return record;
}

QByteArray RiffBuilder::compactAccelerationRecord(uint8_t x, uint8_t y, uint8_t z, uint8_t flag)
{
    QByteArray record = accelerationRecord(x, y, z);
    record.append(char(1)).append(char(1)).append(char(flag));
    return record;
}
