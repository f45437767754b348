#include "core/telemetry/TailBlockReader.h"
#include "core/telemetry/TorvaClipData.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TorvaClipData track;
    const int32_t count = TailBlockReader::read(buffer, track);
    if (count < 0 || count > TorvaClipData::kCapacity || track.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    return 0;
}
