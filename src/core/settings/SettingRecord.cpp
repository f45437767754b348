#include "core/settings/SettingRecord.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// The longest prefix of at most maxBytes that does not split a character.
QByteArray utf8Prefix(const QByteArray &text, int maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    qsizetype end = maxBytes;
    while (end > 0 && (uint8_t(text[end]) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}

} // namespace

QString SettingRecord::text(SettingField field) const
{
    return QString::fromUtf8(m_texts[size_t(field)]);
}

void SettingRecord::setText(SettingField field, const QString &text)
{
    m_texts[size_t(field)] = text.toUtf8();
}

int SettingRecord::read(QByteArrayView bytes, int maxFields)
{
    const int count = std::min(maxFields, SettingRecordLayout::kFieldCount);
    qsizetype offset = 0;
    int index = 0;
    for (; index < count; ++index) {
        const SettingFieldFormat &format = SettingRecordLayout::kFields[size_t(index)];
        if (offset + format.width > bytes.size())
            break;
        const char *at = bytes.data() + offset;
        switch (format.encoding) {
        case SettingEncoding::UInt8:
            m_numbers[size_t(index)] = uint8_t(*at);
            break;
        case SettingEncoding::UInt16:
            m_numbers[size_t(index)] = qFromLittleEndian<quint16>(at);
            break;
        case SettingEncoding::Int32:
            m_numbers[size_t(index)] = qFromLittleEndian<qint32>(at);
            break;
        case SettingEncoding::Text:
            m_texts[size_t(index)] = QByteArray(at, qstrnlen(at, uint(format.width)));
            break;
        }
        offset += format.width;
    }
    return index;
}

QByteArray SettingRecord::bytes(int fieldCount) const
{
    const int count = std::clamp(fieldCount, 0, SettingRecordLayout::kFieldCount);
    QByteArray record(SettingRecordLayout::byteSize(count), '\0');
    char *at = record.data();
    for (int index = 0; index < count; ++index) {
        encode(SettingField(index), at);
        at += SettingRecordLayout::kFields[size_t(index)].width;
    }
    return record;
}

QByteArray SettingRecord::fieldBytes(SettingField field) const
{
    QByteArray bytes(SettingRecordLayout::format(field).width, '\0');
    encode(field, bytes.data());
    return bytes;
}

// Writes the field at its width into zero-filled bytes.
void SettingRecord::encode(SettingField field, char *at) const
{
    const SettingFieldFormat &format = SettingRecordLayout::format(field);
    const int32_t value = m_numbers[size_t(field)];
    switch (format.encoding) {
    case SettingEncoding::UInt8:
        *at = char(uint8_t(value));
        break;
    case SettingEncoding::UInt16:
        qToLittleEndian<quint16>(quint16(value), at);
        break;
    case SettingEncoding::Int32:
        qToLittleEndian<qint32>(value, at);
        break;
    case SettingEncoding::Text: {
        const QByteArray text = utf8Prefix(m_texts[size_t(field)], format.width);
        std::memcpy(at, text.constData(), size_t(text.size()));
        break;
    }
    }
}
