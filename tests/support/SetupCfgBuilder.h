#pragma once

#include <QByteArray>

#include <cstdint>

// Settings records (setup.cfg) for tests, placed byte by byte: a zero-filled
// record of a given length with values written at their offsets. Whatever
// falls past the length is dropped, so short and cut-off files come out of
// the same calls.
class SetupCfgBuilder
{
public:
    explicit SetupCfgBuilder(int length);

    SetupCfgBuilder &int32At(int offset, int32_t value);
    SetupCfgBuilder &bytesAt(int offset, const QByteArray &bytes);
    // The fields that identify a card.
    SetupCfgBuilder &productName(const QByteArray &name) { return bytesAt(8, name); }
    SetupCfgBuilder &version(const QByteArray &text) { return bytesAt(40, text); }
    SetupCfgBuilder &localID(int32_t id) { return int32At(460, id); }
    // The first four bytes, the checksum field, hold the record's own length.
    SetupCfgBuilder &selfDescribing() { return int32At(0, int32_t(m_bytes.size())); }

    QByteArray bytes() const { return m_bytes; }

    // length bytes, none of them zero, each differing from its neighbours:
    // every text field is full and every number distinct.
    static QByteArray pattern(int length);

private:
    QByteArray m_bytes;
};
