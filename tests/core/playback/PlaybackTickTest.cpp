#include "MapTargetLog.h"
#include "PlaybackTrackBuilder.h"

#include "core/playback/MapPresenter.h"
#include "core/playback/PlaybackTick.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

namespace {

QString move(float lat, float lng)
{
    return QString::asprintf("move %f,%f", double(lat), double(lng));
}

struct TickRig
{
    explicit TickRig(const TorvaClipData &track) : clipData(track)
    {
        map.showRouteOf(clipData);
        log.take();
    }

    PlaybackTick::Display display(double t)
    {
        return tick.playVideoTimerCallback(t, 60.0, clipData, subtitles ? &*subtitles : nullptr);
    }

    // What a tick at t sets: "x,y,z lat,lng speed", "-" for what it leaves.
    std::string at(double t)
    {
        const PlaybackTick::Display shown = display(t);
        QStringList parts = {"-", "-", "-"};
        if (shown.acceleration)
            parts[0] =
                QStringList({shown.acceleration->x, shown.acceleration->y, shown.acceleration->z})
                    .join(',');
        if (shown.position)
            parts[1] = shown.position->lat + ',' + shown.position->lng;
        if (shown.speed)
            parts[2] = QString::number(*shown.speed);
        return parts.join(QLatin1Char(' ')).toStdString();
    }

    // Subtitles with one fix per (cts, latitude) and no acceleration record.
    void subtitlesOf(const std::vector<std::pair<int, float>> &fixes)
    {
        std::vector<SubtitleEntry> entries(fixes.size());
        for (size_t i = 0; i < fixes.size(); ++i) {
            entries[i].setCts(fixes[i].first);
            entries[i].setLat(fixes[i].second);
            entries[i].setLng(127.25f);
        }
        subtitles.emplace().setEntries(entries);
    }

    MapTargetLog log;
    MapPresenter map{log};
    PlaybackTick tick{map};
    TorvaClipData clipData;
    std::optional<SubtitleData> subtitles;
};

} // namespace

TEST(PlaybackTick, TextsOfTimeAccelerationAndPosition)
{
    // A player without a time yet (NaN, infinite, negative) shows zero.
    EXPECT_EQ(PlaybackTick::updatePlayTime(59.99, 119.999), "00:59/01:59");
    EXPECT_EQ(PlaybackTick::updatePlayTime(3725.9, 7322.0), "62:05/122:02");
    EXPECT_EQ(PlaybackTick::updatePlayTime(std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity()),
              "00:00/00:00");
    EXPECT_EQ(PlaybackTick::updatePlayTime(-3.0, 1e300), "00:00/35791394:07");
    // 128 units are one g.
    EXPECT_EQ(PlaybackTick::accelerationText(-64), "-0.500");
    EXPECT_EQ(PlaybackTick::accelerationText(1), "0.008");
    EXPECT_EQ(PlaybackTick::positionText(-33.86785f), "-33.8679");
    const PlaybackTick::Display reset = PlaybackTick::resetVideoInformation();
    EXPECT_EQ(reset.playTime, "00:00/00:00");
    EXPECT_EQ(reset.acceleration->z, "0.000");
    EXPECT_EQ(reset.position->lng, "0.0000");
    EXPECT_EQ(reset.speed, 0);
}

TEST(PlaybackTick, TrackReadoutsAndTheMapFollowPlayTime)
{
    // Sample i has the acceleration i, -i, 2i units; no fix before sample 20,
    // and past the end of the track the read-outs show zeros and the map its cover.
    TickRig rig(PlaybackTrackBuilder::clipData(50, 20));
    EXPECT_EQ(rig.at(1.5), "0.117,-0.117,0.234 0.0000,0.0000 0");
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
    EXPECT_EQ(rig.at(3.0), "0.234,-0.234,0.469 37.0300,127.0300 30");
    EXPECT_EQ(rig.log.take(), QStringList({"cover hidden", "map shown", move(37.03f, 127.03f)}));
    EXPECT_EQ(rig.at(3.1), "- - -");
    EXPECT_EQ(rig.at(7.0), "0.000,0.000,0.000 0.0000,0.0000 0");
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
    // Just under 0.3 s the read-out gate is still shut, but a step back opens it.
    rig.tick.resetUpdateTimes();
    EXPECT_EQ(rig.at(0.29999), "- - -");
    EXPECT_EQ(rig.at(4.99), "0.383,-0.383,0.766 37.0490,127.0490 49");
    EXPECT_EQ(rig.at(2.99), "0.227,-0.227,0.453 37.0290,127.0290 29");
    EXPECT_DOUBLE_EQ(rig.display(2.99).sliderValue, 2.99);
}

TEST(PlaybackTick, GatesLimitReadoutsAndMapWhilePlaying)
{
    // At 33 ticks a second for 20 s: a read-out once more than 0.3 s has
    // passed since the last (every 10 ticks), a map move once more than 1 s.
    constexpr double kTick = 1.0 / 33.0;
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    std::vector<int> readouts;
    for (int n = 0; n * kTick < 20.0; ++n) {
        if (rig.display(n * kTick).acceleration)
            readouts.push_back(n);
    }
    EXPECT_EQ(readouts.size(), 65u);
    EXPECT_EQ(readouts.front() + readouts.back(), 10 + 650);
    EXPECT_EQ(rig.log.moves(), 19);
}

TEST(PlaybackTick, Mp4TakesTelemetryFromSubtitlesOnAOneSecondMapBeat)
{
    // The track would say otherwise: the subtitles win. The read-out gate
    // opens at 0.3 s already (0.3 in single precision). Between fixes the
    // hidden map is brought back once, at the interpolated position; the
    // gauge follows on every tick.
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    rig.subtitles = PlaybackTrackBuilder::subtitles(30);
    EXPECT_EQ(rig.at(PlaybackTick::kSensorInfoInterval), "0.023,-0.023,0.047 37.0030,127.0030 3");
    EXPECT_TRUE(rig.log.take().join(',').startsWith("cover hidden,map shown,move 37.00"));
    EXPECT_EQ(rig.at(0.45), "- - 4");
    // A fix moves the map once the 1 s map gate opens, once.
    EXPECT_EQ(rig.at(1.0), "0.078,-0.078,0.156 37.0100,127.0100 10");
    EXPECT_EQ(rig.at(1.5), "0.117,-0.117,0.234 - 15");
    EXPECT_EQ(rig.at(2.0), "0.156,-0.156,0.313 37.0200,127.0200 20");
    EXPECT_EQ(rig.at(2.0), "- - -");
    EXPECT_EQ(rig.log.take(), QStringList({move(37.01f, 127.01f), move(37.02f, 127.02f)}));
    // No fix within a second: the cover, the gauge at 0.
    EXPECT_EQ(rig.at(45.0), "- - 0");
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));

    TickRig beat(PlaybackTrackBuilder::clipData(10));
    beat.subtitlesOf({{1000, 37.1f}, {2500, 37.25f}, {5500, 37.55f}});
    // The map keeps a one-second beat: 1.5 s after the last update one second
    // on, 3.5 s after the current time. A block without an acceleration record
    // (-512 on every axis) is no reading.
    for (const auto &[t, mapTime] : {std::pair{1.0, 1.0}, {2.5, 2.0}, {5.5, 5.5}}) {
        EXPECT_EQ(beat.at(t).substr(0, 5), "- 37.") << t;
        EXPECT_DOUBLE_EQ(beat.tick.lastUpdatedMapTime(), mapTime);
    }
    EXPECT_EQ(beat.log.moves(), 3);
    EXPECT_DOUBLE_EQ(beat.tick.lastUpdatedSensorInfoTime(), 0.0);
}

TEST(MapPresenter, MovesOnlyToNewPositions)
{
    MapTargetLog log;
    MapPresenter map(log);
    map.showRouteOf(PlaybackTrackBuilder::clipData(30));
    // The same position moves the marker once. A moment without a fix, only
    // (0, 0), covers the map; the next fix shows it again, moving only to a
    // new position. Forgotten (stop, new recording), the same one is sent again.
    map.updateMapWithLat(37.5f, 127.25f);
    map.updateMapWithLat(37.5f, 127.25f);
    map.updateMapWithLat(0.0f, 0.0f);
    map.updateMapWithLat(37.5f, 127.25f);
    map.updateMapWithLat(0.0f, 127.25f);
    map.updateMapWithLat(37.5f, 0.0f);
    map.forgetPosition();
    map.updateMapWithLat(37.5f, 0.0f);
    EXPECT_EQ(log.take(), QStringList({"removeMapLine", "addRoute 30", "cover hidden", "map shown",
                                       "move 37.500000,127.250000", "cover shown", "map hidden",
                                       "cover hidden", "map shown", "move 0.000000,127.250000",
                                       "move 37.500000,0.000000", "move 37.500000,0.000000"}));
    // A recording without GPS keeps the cover.
    map.showRouteOf(PlaybackTrackBuilder::clipData(30, 30));
    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_EQ(log.take(), QStringList({"removeMapLine", "cover shown", "map hidden"}));
}
