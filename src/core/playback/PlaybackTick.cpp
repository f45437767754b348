#include "core/playback/PlaybackTick.h"

#include "core/playback/MapPresenter.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TorvaClipData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The player reports no usable time (NaN) before a file is ready.
double playTimeOrZero(double seconds)
{
    return std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
}

int wholeSeconds(double seconds)
{
    constexpr double kLimit = double(std::numeric_limits<int>::max());
    return int(std::min(std::trunc(playTimeOrZero(seconds)), kLimit));
}

enum class Gate
{
    AfterInterval, // opens once more than the interval has passed
    AtInterval,    // opens once the interval has passed
};

// A gate also opens when the time went back (a restart or a step back), which
// would otherwise keep it shut until the old time came round again.
bool gateOpen(double elapsed, double interval, Gate gate)
{
    if (elapsed < 0.0)
        return true;
    return gate == Gate::AfterInterval ? elapsed > interval : elapsed >= interval;
}

int32_t gaugeSpeed(uint32_t speed)
{
    return int32_t(std::min<uint32_t>(speed, std::numeric_limits<int32_t>::max()));
}

PlaybackTick::Acceleration accelerationTexts(int32_t x, int32_t y, int32_t z)
{
    return {PlaybackTick::accelerationText(x), PlaybackTick::accelerationText(y),
            PlaybackTick::accelerationText(z)};
}

PlaybackTick::Position positionTexts(float lat, float lng)
{
    return {PlaybackTick::positionText(lat), PlaybackTick::positionText(lng)};
}

} // namespace

PlaybackTick::PlaybackTick(MapPresenter &map) : m_map(map) {}

PlaybackTick::Display PlaybackTick::playVideoTimerCallback(double t, double d,
                                                           const TorvaClipData &clipData,
                                                           const SubtitleData *subtitleData)
{
    t = playTimeOrZero(t);
    Display display;
    display.sliderValue = t;
    display.playTime = updatePlayTime(t, d);
    const uint32_t index = TelemetrySampleIndex::forPlayTime(t);
    if (subtitleData != nullptr)
        updateFromSubtitles(display, t, index, *subtitleData);
    else
        updateFromClipData(display, t, index, clipData);
    return display;
}

void PlaybackTick::updateFromClipData(Display &display, double t, uint32_t index,
                                      const TorvaClipData &clipData)
{
    // Past the end of the track the read-outs show zeros and the map its cover.
    int32_t x = 0, y = 0, z = 0;
    float lat = 0.0f, lng = 0.0f;
    uint32_t speed = 0;
    if (index < clipData.clipDataCount())
        clipData.getClipDataWithIndex(int32_t(index), x, y, z, lat, lng, speed);
    if (gateOpen(t - m_lastUpdatedSensorInfoTime, kSensorInfoInterval, Gate::AfterInterval)) {
        m_lastUpdatedSensorInfoTime = t;
        display.acceleration = accelerationTexts(x, y, z);
        display.position = positionTexts(lat, lng);
        display.speed = gaugeSpeed(speed);
    }
    if (gateOpen(t - m_lastUpdatedMapTime, kMapInterval, Gate::AfterInterval)) {
        m_lastUpdatedMapTime = t;
        m_map.updateMapWithLat(lat, lng);
    }
}

void PlaybackTick::updateFromSubtitles(Display &display, double t, uint32_t index,
                                       const SubtitleData &subtitleData)
{
    const auto subtitleIndex =
        int32_t(std::min<uint32_t>(index, std::numeric_limits<int32_t>::max()));
    int32_t x = 0, y = 0, z = 0;
    // A block without an acceleration record answers the no-data value on
    // every axis: that is no reading, not -4 g.
    if (gateOpen(t - m_lastUpdatedSensorInfoTime, kSensorInfoInterval, Gate::AtInterval) &&
        subtitleData.getSensorAt(subtitleIndex, x, y, z) &&
        !(x == TorvaClipData::kNoAcceleration && y == TorvaClipData::kNoAcceleration &&
          z == TorvaClipData::kNoAcceleration)) {
        m_lastUpdatedSensorInfoTime = t;
        display.acceleration = accelerationTexts(x, y, z);
    }

    float lat = 0.0f, lng = 0.0f;
    uint32_t speed = 0;
    switch (subtitleData.getGpsAt(subtitleIndex, lat, lng, speed)) {
    case SubtitleData::GpsApproximate:
        // Positions between fixes only bring the map back; the fixes move it.
        if (m_map.isMapHidden()) {
            m_map.showMap();
            m_map.updateMapWithLat(lat, lng);
            display.position = positionTexts(lat, lng);
        }
        display.speed = gaugeSpeed(speed);
        break;
    case SubtitleData::GpsExact: {
        const double sinceMap = t - m_lastUpdatedMapTime;
        if (gateOpen(sinceMap, kMapInterval, Gate::AtInterval)) {
            // Keeps to a one-second beat while playing; catches up after a jump.
            m_lastUpdatedMapTime =
                sinceMap >= 0.0 && sinceMap < 2.0 ? m_lastUpdatedMapTime + 1.0 : t;
            display.position = positionTexts(lat, lng);
            display.speed = gaugeSpeed(speed);
            m_map.updateMapWithLat(lat, lng);
        }
        break;
    }
    default:
        m_map.showCover();
        display.speed = 0;
        break;
    }
}

void PlaybackTick::resetUpdateTimes()
{
    m_lastUpdatedSensorInfoTime = 0.0;
    m_lastUpdatedMapTime = 0.0;
}

PlaybackTick::Display PlaybackTick::resetVideoInformation()
{
    Display display;
    display.playTime = updatePlayTime(0.0, 0.0);
    display.acceleration = accelerationTexts(0, 0, 0);
    display.position = positionTexts(0.0f, 0.0f);
    display.speed = 0;
    return display;
}

QString PlaybackTick::updatePlayTime(double t, double d)
{
    const int time = wholeSeconds(t);
    const int duration = wholeSeconds(d);
    return QString::asprintf("%02d:%02d/%02d:%02d", time / 60, time % 60, duration / 60,
                             duration % 60);
}

QString PlaybackTick::accelerationText(int32_t v)
{
    const float g = float(int64_t(v) * 4) * 0.001953125f;
    return QString::asprintf("%.3f", double(g));
}

QString PlaybackTick::positionText(float degrees)
{
    return QString::asprintf("%.4f", double(degrees));
}
