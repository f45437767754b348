#include "core/settings/SettingRecord.h"

#include <cstdint>
#include <cstdlib>

// Any bytes load as a record without reading past them, and a record of the
// fields read saves back as exactly those bytes up to the first zero of each
// text field; every save has the length of its field count.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int maxFields = data[0] % (SettingRecordLayout::kFieldCount + 2);
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    SettingRecord record;
    const int read = record.read(bytes, maxFields);
    if (read < 0 || read > maxFields || SettingRecordLayout::byteSize(read) > bytes.size())
        std::abort();
    const QByteArray saved = record.bytes(read);
    if (saved.size() != SettingRecordLayout::byteSize(read))
        std::abort();
    for (int i = 0; i < read; ++i) {
        const SettingFieldFormat &format = SettingRecordLayout::kFields[size_t(i)];
        const int offset = SettingRecordLayout::offsetOf(SettingField(i));
        const QByteArrayView original = bytes.sliced(offset, format.width);
        const QByteArrayView written = QByteArrayView(saved).sliced(offset, format.width);
        if (format.encoding != SettingEncoding::Text) {
            if (original != written)
                std::abort();
            continue;
        }
        const qsizetype textEnd = original.indexOf('\0');
        const qsizetype kept = textEnd < 0 ? format.width : textEnd;
        if (original.first(kept) != written.first(kept) ||
            written.sliced(kept).count('\0') != format.width - kept)
            std::abort();
    }

    // A save of every field never grows, whatever text was stored.
    record.setText(SettingField::tz_key, QString::fromUtf8(bytes.toByteArray()));
    if (record.bytes(SettingRecordLayout::kFieldCount).size() !=
        SettingRecordLayout::kMaxRecordBytes)
        std::abort();
    return 0;
}
