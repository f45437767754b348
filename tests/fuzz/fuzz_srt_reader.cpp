#include "core/telemetry/SrtTelemetryReader.h"
#include "core/telemetry/TorvaClipData.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TorvaClipData track;
    const int32_t count = SrtTelemetryReader::read(bytes, track);
    if (count < 0 || count > TorvaClipData::kCapacity || track.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    return 0;
}
