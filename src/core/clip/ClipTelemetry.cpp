#include "core/clip/ClipTelemetry.h"

#include "core/clip/ClipSampleText.h"
#include "core/telemetry/SrtText.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TrackExporter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int64_t kSampleMs = TelemetrySampleIndex::kMillisecondsPerSample;

int64_t firstSampleAtOrAfter(int64_t milliseconds)
{
    return (milliseconds + kSampleMs - 1) / kSampleMs;
}

// Samples first … end-1 are those taken within the clip.
struct SampleSpan
{
    int64_t first = 0;
    int64_t end = 0;
};

SampleSpan samplesWithin(const TorvaClipData &track, double from, double to)
{
    const int64_t count = track.sampleCount();
    const int64_t first = std::min(firstSampleAtOrAfter(ClipTelemetry::milliseconds(from)), count);
    const int64_t end =
        std::clamp(firstSampleAtOrAfter(ClipTelemetry::milliseconds(to)), first, count);
    return {first, end};
}

} // namespace

int64_t ClipTelemetry::milliseconds(double seconds)
{
    if (!(seconds > 0.0))
        return 0;
    return std::llround(std::min(seconds, kMaxSeconds) * 1000.0);
}

TorvaClipData ClipTelemetry::range(const TorvaClipData &track, double from, double to)
{
    const SampleSpan span = samplesWithin(track, from, to);
    const TelemetrySamples &source = track.samples();
    TelemetrySamples samples;
    const auto shift = [&span](const auto &in, auto &out) {
        std::copy(in.begin() + span.first, in.begin() + span.end, out.begin());
    };
    shift(source.gx, samples.gx);
    shift(source.gy, samples.gy);
    shift(source.gz, samples.gz);
    shift(source.gpsInfoLat, samples.gpsInfoLat);
    shift(source.gpsInfoLng, samples.gpsInfoLng);
    shift(source.gpsSpeed, samples.gpsSpeed);
    uint32_t fixes = 0;
    for (int64_t i = span.first; i < span.end; ++i)
        fixes += track.hasFix(int32_t(i)) ? 1 : 0;

    TorvaClipData clip;
    const auto count = int32_t(span.end - span.first);
    clip.storeSamples(samples, count, fixes);
    clip.setClipDataCount(uint32_t(count));
    return clip;
}

std::vector<ClipTelemetry::Shown> ClipTelemetry::shown(const TorvaClipData &track, double from,
                                                       double to)
{
    const int64_t fromMs = milliseconds(from);
    const int64_t toMs = milliseconds(to);
    const int64_t end = std::min<int64_t>(firstSampleAtOrAfter(toMs), track.sampleCount());
    std::vector<Shown> shown;
    for (int64_t i = fromMs / kSampleMs; i < end; ++i) {
        const int64_t start = std::max(i * kSampleMs, fromMs);
        const int64_t stop = std::min((i + 1) * kSampleMs, toMs);
        if (start < stop)
            shown.push_back({int32_t(i), start - fromMs, stop - fromMs});
    }
    return shown;
}

QByteArray ClipTelemetry::srt(const TorvaClipData &track, double from, double to, bool metricSpeed)
{
    QByteArray text;
    int number = 0;
    for (const Shown &sample : shown(track, from, to)) {
        const QString lines = ClipSampleText::lines(track, sample.index, metricSpeed).join('\n');
        text += SrtText::cue(++number, sample.startMs, sample.endMs, lines.toUtf8());
    }
    return text;
}

QByteArray ClipTelemetry::gpx(const TorvaClipData &track, double from, double to,
                              const QDateTime &recordingStart, const QString &name)
{
    const SampleSpan span = samplesWithin(track, from, to);
    return TrackExporter::toGpx(range(track, from, to), name,
                                recordingStart.addMSecs(span.first * kSampleMs));
}
