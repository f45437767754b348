#include "core/telemetry/Mp4SubtitleTelemetry.h"

#include "core/telemetry/SrtTelemetryReader.h"
#include "core/telemetry/SrtText.h"
#include "core/video/Mp4Movie.h"

#include <QIODevice>
#include <QtEndian>

namespace {

// A text sample longer than this is no telemetry record.
constexpr qint64 kMaxSampleBytes = 1 << 16;

} // namespace

std::optional<TelemetryReading> Mp4SubtitleTelemetry::read(QIODevice &device)
{
    const std::optional<Mp4Movie> movie = Mp4Movie::read(device);
    if (!movie)
        return std::nullopt;
    const auto track = std::find_if(
        movie->tracks.cbegin(), movie->tracks.cend(), [](const Mp4Movie::Track &track) {
            return track.kind == Mp4Movie::Track::Kind::Subtitle && !track.samples.isEmpty();
        });
    if (track == movie->tracks.cend())
        return std::nullopt;
    QByteArray srt;
    int number = 0;
    for (const Mp4Movie::Track::Sample &sample : track->samples) {
        if (sample.size < 2 || sample.size > kMaxSampleBytes || !device.seek(sample.offset))
            continue;
        const QByteArray bytes = device.read(sample.size);
        if (bytes.size() != sample.size)
            continue;
        const auto length = qFromBigEndian<quint16>(bytes.constData());
        const QByteArray text = bytes.sliced(2, std::min<qsizetype>(length, bytes.size() - 2));
        if (srt.size() + text.size() + 64 > SrtTelemetryReader::kMaxFileBytes)
            break;
        srt += SrtText::cue(++number, 0, 0, text);
    }
    TelemetryReading reading = SrtTelemetryReader::read(srt);
    if (reading.count == 0)
        return std::nullopt;
    return reading;
}
