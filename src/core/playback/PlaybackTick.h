#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class MapPresenter;
class SubtitleData;
class TorvaClipData;

// What the play-time timer shows, 33 times a second: the seek slider and the
// time label follow the large view's time t on every tick; the telemetry
// sample trunc(t × 10) refreshes the acceleration and position read-outs and
// the speed gauge at most about every 0.3 s, and the map at most every
// second. MP4 recordings take their telemetry from the SubtitleData of their
// SRT file, every other recording from the TorvaClipData track.
class PlaybackTick
{
public:
    struct Acceleration
    {
        QString x;
        QString y;
        QString z;
    };
    struct Position
    {
        QString lat;
        QString lng;
    };
    // What to put on screen; an empty optional leaves that control as it is.
    struct Display
    {
        double sliderValue = 0.0;
        QString playTime;
        std::optional<Acceleration> acceleration;
        std::optional<Position> position;
        std::optional<int32_t> speed; // km/h, for the speed gauge
    };

    // The read-out gate is 0.3 in single precision.
    static constexpr double kSensorInfoInterval = 0.30000001192092896;
    static constexpr double kMapInterval = 1.0;

    explicit PlaybackTick(MapPresenter &map);

    // t and d in seconds; subtitleData is null for recordings other than MP4.
    // Map changes go straight to the map.
    Display playVideoTimerCallback(double t, double d, const TorvaClipData &clipData,
                                   const SubtitleData *subtitleData);

    // After a seek or a frame step: the next tick refreshes everything.
    void resetUpdateTimes();
    double lastUpdatedSensorInfoTime() const { return m_lastUpdatedSensorInfoTime; }
    double lastUpdatedMapTime() const { return m_lastUpdatedMapTime; }

    // The display of no recording: zero time, zero read-outs, gauge at 0.
    static Display resetVideoInformation();

    // "mm:ss/mm:ss", each time truncated to whole seconds.
    static QString updatePlayTime(double t, double d);
    // A stored axis value v as v / 128 g, "%.3f".
    static QString accelerationText(int32_t v);
    // Degrees, "%.4f".
    static QString positionText(float degrees);

private:
    void updateFromClipData(Display &display, double t, uint32_t index,
                            const TorvaClipData &clipData);
    void updateFromSubtitles(Display &display, double t, uint32_t index,
                             const SubtitleData &subtitleData);

    MapPresenter &m_map;
    double m_lastUpdatedSensorInfoTime = 0.0;
    double m_lastUpdatedMapTime = 0.0;
};
