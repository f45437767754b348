#include "SetupCfgBuilder.h"

#include <QtEndian>

SetupCfgBuilder::SetupCfgBuilder(int length) : m_bytes(length, '\0') {}

SetupCfgBuilder &SetupCfgBuilder::int32At(int offset, int32_t value)
{
    QByteArray little(4, '\0');
    qToLittleEndian(value, little.data());
    return bytesAt(offset, little);
}

SetupCfgBuilder &SetupCfgBuilder::bytesAt(int offset, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size() && offset + i < m_bytes.size(); ++i)
        m_bytes[offset + i] = bytes[i];
    return *this;
}

QByteArray SetupCfgBuilder::pattern(int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(1 + (i * 37 + i / 255) % 255);
    return bytes;
}
