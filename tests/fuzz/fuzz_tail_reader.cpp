#include "core/telemetry/TailBlockReader.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto reading = TailBlockReader::read(buffer);
    if (reading && (reading->count < 0 || reading->count > TelemetrySamples::kCapacity ||
                    reading->gpsCount > uint32_t(reading->count)))
        __builtin_trap();
    return 0;
}
