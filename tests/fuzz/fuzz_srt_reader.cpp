#include "core/telemetry/SrtTelemetryReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TelemetryReading reading = SrtTelemetryReader::read(bytes);
    if (reading.count < 0 || reading.count > TelemetrySamples::kCapacity ||
        reading.gpsCount > uint32_t(reading.count))
        __builtin_trap();
    return 0;
}
