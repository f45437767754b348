#include "core/telemetry/Mp4TelemetryScanner.h"

#include <QBuffer>

#include <cstdint>
#include <cstring>

namespace {

TelemetryReading scan(QByteArray &bytes, int64_t blockSize)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Mp4TelemetryScanner::scan(buffer, blockSize);
}

} // namespace

// Scans whole and in small blocks: both must agree sample for sample.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int64_t blockSize = 1 + data[0] % 37;
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const TelemetryReading whole = scan(bytes, bytes.size() + 1);
    const TelemetryReading pieces = scan(bytes, blockSize);
    if (pieces.count != whole.count || pieces.gpsCount != whole.gpsCount)
        __builtin_trap();
    if (std::memcmp(&whole.samples, &pieces.samples, sizeof(TelemetrySamples)) != 0)
        __builtin_trap();
    return 0;
}
