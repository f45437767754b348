#include "core/telemetry/SubtitleData.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SubtitleData subtitles;
    subtitles.loadFromText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const SubtitleEntry &entry : subtitles.entries()) {
        if (entry.gx() < -512 || entry.gx() > 512)
            __builtin_trap();
    }
    for (int32_t index : {0, 1, 10, 25, 600, -1, INT32_MAX, INT32_MIN}) {
        int32_t x = 0, y = 0, z = 0;
        float lat = 0, lng = 0;
        uint32_t speed = 0;
        subtitles.getSensorAt(index, x, y, z);
        if (subtitles.getGpsAt(index, lat, lng, speed) > 2)
            __builtin_trap();
    }
    return 0;
}
