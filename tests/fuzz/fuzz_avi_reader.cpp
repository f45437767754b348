#include "core/telemetry/AviTelemetryReader.h"
#include "core/telemetry/TorvaClipData.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto family :
         {AviTelemetryReader::Family::Standard, AviTelemetryReader::Family::Compact}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TorvaClipData track;
        const int32_t count = AviTelemetryReader::read(buffer, family, track);
        if (count < 0 || count > TorvaClipData::kCapacity || track.gpsDataCount() > uint32_t(count))
            __builtin_trap();
    }
    return 0;
}
