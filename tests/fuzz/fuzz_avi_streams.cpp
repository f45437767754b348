#include "core/video/AviStreams.h"

#include <QBuffer>

#include <cstdint>

// The stream header list of a recording on the card: counted within its
// bounds, never more streams than the list has room for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (const std::optional<AviStreams::Counts> counts = AviStreams::read(buffer)) {
        // Each stream takes a list of at least a header's 12 bytes.
        if (counts->video < 0 || counts->audio < 0 ||
            qint64(counts->video + counts->audio) * 12 > qint64(size))
            __builtin_trap();
    }
    return 0;
}
