#include "core/telemetry/Mp4SubtitleTelemetry.h"
#include "core/video/Mp4Movie.h"

#include <QBuffer>

#include <cstdint>

// The movie box and its sample tables come from the card: every sample
// listed must lie inside the file, and reading them must stay in bounds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (const std::optional<Mp4Movie> movie = Mp4Movie::read(buffer)) {
        for (const Mp4Movie::Track &track : movie->tracks) {
            if (track.samples.size() > Mp4Movie::kMaxListedSamples)
                __builtin_trap();
        }
    }
    Mp4SubtitleTelemetry::read(buffer);
    return 0;
}
