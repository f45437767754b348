#include "core/telemetry/Mp4TelemetryScanner.h"
#include "core/telemetry/TorvaClipData.h"

#include <QBuffer>

#include <cstdint>
#include <cstring>

namespace {

int32_t scan(QByteArray &bytes, int64_t blockSize, TorvaClipData &track)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Mp4TelemetryScanner::scan(buffer, track, blockSize);
}

} // namespace

// Scans whole and in small blocks: both must agree sample for sample.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int64_t blockSize = 1 + data[0] % 37;
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    TorvaClipData whole;
    TorvaClipData pieces;
    const int32_t count = scan(bytes, bytes.size() + 1, whole);
    if (scan(bytes, blockSize, pieces) != count || whole.gpsDataCount() != pieces.gpsDataCount())
        __builtin_trap();
    if (std::memcmp(&whole.samples(), &pieces.samples(), sizeof(TelemetrySamples)) != 0)
        __builtin_trap();
    return 0;
}
