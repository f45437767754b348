#include "core/telemetry/DrivingEvents.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/Trip.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TorvaClipData.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

using Kind = DrivingEvents::Kind;

struct Run
{
    int32_t first = -1;
    int32_t samples = 0;
    int harshPeak = 0;  // largest |x| or |y|
    int signedPeak = 0; // the value on that axis, with its sign
    int impactPeak = 0; // largest |x|, |y| or |z|
    bool impact = false;
};

double toG(int units)
{
    return double(units) / TorvaClipData::kUnitsPerG;
}

void close(Run &run, const DrivingEvents::Thresholds &thresholds,
           QList<DrivingEvents::Event> &events)
{
    if (run.samples == 0)
        return;
    const int64_t start = run.first * TelemetrySampleIndex::kMillisecondsPerSample;
    const int64_t lasting = run.samples * TelemetrySampleIndex::kMillisecondsPerSample;
    // Whole milliseconds, so that 0.2 s means two samples, not a hair more.
    const auto needed = int64_t(thresholds.harshSeconds * 1000.0 + 0.5);
    if (run.impact)
        events.append({{}, start, Kind::Impact, toG(run.impactPeak)});
    else if (lasting >= needed)
        events.append({{},
                       start,
                       run.signedPeak < 0 ? Kind::Braking : Kind::Acceleration,
                       toG(run.harshPeak)});
    run = Run{};
}

} // namespace

DrivingEvents::Thresholds
DrivingEvents::Thresholds::fromPreferences(const TorvaPreferences &preferences)
{
    using P = TorvaPreferences;
    // Above the sensor's range (±4 g) a threshold would find nothing at all,
    // below a few hundredths every bump.
    Thresholds thresholds;
    thresholds.harshG =
        preferences.number(P::kHarshThresholdKey, P::kDefaultHarshThresholdG, 0.05, 4.0);
    thresholds.harshSeconds =
        preferences.number(P::kHarshDurationKey, P::kDefaultHarshDurationSeconds, 0.0, 10.0);
    thresholds.impactG =
        preferences.number(P::kImpactThresholdKey, P::kDefaultImpactThresholdG, 0.05, 4.0);
    return thresholds;
}

const char *DrivingEvents::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Braking:
        return "braking";
    case Kind::Acceleration:
        return "acceleration";
    case Kind::Impact:
        return "impact";
    }
    return "";
}

QList<DrivingEvents::Event> DrivingEvents::detect(const TorvaClipData &track,
                                                  const Thresholds &thresholds)
{
    QList<Event> events;
    Run run;
    for (int32_t i = 0; i < track.sampleCount(); ++i) {
        const int x = track.getGx(i);
        const int y = track.getGy(i);
        const int z = track.getGz(i);
        const int along = std::abs(x) >= std::abs(y) ? x : y;
        const int harsh = std::abs(along);
        const int any = std::max(harsh, std::abs(z));
        const bool isHarsh = toG(harsh) > thresholds.harshG;
        const bool isImpact = toG(any) > thresholds.impactG;
        if (!isHarsh && !isImpact) {
            close(run, thresholds, events);
            continue;
        }
        if (run.samples == 0)
            run.first = i;
        ++run.samples;
        if (harsh > run.harshPeak) {
            run.harshPeak = harsh;
            run.signedPeak = along;
        }
        run.impactPeak = std::max(run.impactPeak, any);
        run.impact = run.impact || isImpact;
    }
    close(run, thresholds, events);
    return events;
}

QList<DrivingEvents::Event> DrivingEvents::ofRecording(const QString &path,
                                                       const Thresholds &thresholds)
{
    auto track = std::make_unique<TorvaClipData>();
    track->loadRecording(path);
    QList<Event> events = detect(*track, thresholds);
    for (Event &event : events)
        event.file = path;
    return events;
}

std::optional<DrivingEvents::Place> DrivingEvents::placeOf(const TorvaClipData &track,
                                                           int64_t milliseconds)
{
    const int32_t count = track.sampleCount();
    const auto at = int32_t(std::clamp<int64_t>(
        milliseconds / TelemetrySampleIndex::kMillisecondsPerSample, 0, std::max(count - 1, 0)));
    for (int32_t distance = 0; distance < count; ++distance) {
        for (const int32_t index : {at + distance, at - distance}) {
            if (index >= 0 && index < count && track.hasFix(index))
                return Place{track.getGpsLat(index), track.getGpsLng(index)};
        }
    }
    return std::nullopt;
}

QList<DrivingEvents::Event> DrivingEvents::ofTrip(const Trip &trip, const Thresholds &thresholds)
{
    QList<Event> events;
    for (const Trip::Recording &recording : trip.recordings)
        events.append(ofRecording(recording.path, thresholds));
    return events;
}
