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

    PlaybackTick::Display at(double t)
    {
        return tick.playVideoTimerCallback(t, 60.0, clipData, subtitles ? &*subtitles : nullptr);
    }

    // The x read-out shown at t, empty when left as it was.
    QString xAt(double t) { return at(t).acceleration.value_or(PlaybackTick::Acceleration()).x; }

    // Subtitles with one entry per (cts, latitude), acceleration left out.
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
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // A player without a time yet (NaN, infinite, negative) shows zero.
    EXPECT_EQ(PlaybackTick::updatePlayTime(59.99, 119.999), "00:59/01:59");
    EXPECT_EQ(PlaybackTick::updatePlayTime(3725.9, 7322.0), "62:05/122:02");
    EXPECT_EQ(PlaybackTick::updatePlayTime(nan, inf), "00:00/00:00");
    EXPECT_EQ(PlaybackTick::updatePlayTime(-3.0, 1e300), "00:00/35791394:07");
    // 128 units are one g.
    for (const auto &[v, text] : {std::pair{128, "1.000"}, {-64, "-0.500"}, {1, "0.008"}})
        EXPECT_EQ(PlaybackTick::accelerationText(v), text) << v;
    EXPECT_EQ(PlaybackTick::positionText(-33.86785f), "-33.8679");
    const PlaybackTick::Display reset = PlaybackTick::resetVideoInformation();
    EXPECT_EQ(reset.playTime, "00:00/00:00");
    EXPECT_EQ(reset.acceleration->x, "0.000");
    EXPECT_EQ(reset.position->lng, "0.0000");
    EXPECT_EQ(reset.speed, 0);
}

TEST(PlaybackTick, TrackSampleIsPlayTimeTimesTenTruncated)
{
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    // After a reset each tick opens the read-out gate; sample i holds i units.
    for (const auto &[t, sample] : {std::pair{0.31, 3}, {0.39999, 3}, {12.34, 123}, {64.99, 649}}) {
        rig.tick.resetUpdateTimes();
        EXPECT_EQ(rig.xAt(t), PlaybackTick::accelerationText(sample)) << t;
    }
    // At 0.29999 s the 0.3 s gate is still shut, but a step back opens it.
    rig.at(5.0);
    const auto display = rig.at(0.29999);
    EXPECT_EQ(display.acceleration.value_or(PlaybackTick::Acceleration()).z, "0.031");
    EXPECT_EQ(display.position->lat, "37.0020");
    EXPECT_EQ(display.speed, 2);
    EXPECT_DOUBLE_EQ(display.sliderValue, 0.29999);
}

TEST(PlaybackTick, GatesLimitReadoutsAndMapWhilePlaying)
{
    constexpr double kTick = 1.0 / 33.0;
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    // The first update waits for more than 0.3 s (1 s) of play; then about
    // three read-outs a second and one map move.
    std::vector<double> readouts = {0.0};
    std::vector<double> moves = {0.0};
    for (int n = 0; n * kTick < 20.0; ++n) {
        const int before = rig.log.moves();
        if (rig.at(n * kTick).acceleration) {
            EXPECT_GT(n * kTick - readouts.back(), 0.3);
            EXPECT_LT(n * kTick - readouts.back(), 0.3 + 1.5 * kTick);
            readouts.push_back(n * kTick);
        }
        if (rig.log.moves() != before) {
            EXPECT_GT(n * kTick - moves.back(), 1.0);
            moves.push_back(n * kTick);
        }
    }
    EXPECT_GT(readouts.size(), 50u);
    EXPECT_GT(moves.size(), 15u);
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), moves.back());
}

TEST(PlaybackTick, TrackWithoutDataShowsZerosAndTheCover)
{
    // Before the first fix, and past the end of the track, the read-outs
    // show zeros and the map its cover.
    TickRig rig(PlaybackTrackBuilder::clipData(50, 20));
    for (const auto &[t, x, lat] : {std::tuple{1.5, "0.117", "0.0000"},
                                    {3.0, "0.234", "37.0300"},
                                    {7.0, "0.000", "0.0000"}}) {
        const auto display = rig.at(t);
        EXPECT_EQ(display.acceleration->x, x) << t;
        EXPECT_EQ(display.position->lat, lat) << t;
        EXPECT_EQ(rig.log.take(),
                  t == 3.0 ? QStringList({"cover hidden", "map shown", move(37.03f, 127.03f)})
                           : QStringList({"cover shown", "map hidden"}));
    }
}

TEST(PlaybackTick, Mp4TakesTelemetryFromSubtitles)
{
    // The track would say otherwise: the subtitles win.
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    rig.subtitles = PlaybackTrackBuilder::subtitles(30);
    // The read-out gate opens at 0.3 s already (0.3 in single precision).
    auto display = rig.at(PlaybackTick::kSensorInfoInterval);
    EXPECT_EQ(display.acceleration.value_or(PlaybackTick::Acceleration()).x, "0.023");
    // Between fixes the hidden map is brought back once, at the interpolated
    // position; the gauge follows on every tick.
    EXPECT_EQ(display.position->lat, "37.0030");
    EXPECT_EQ(display.speed, 3);
    EXPECT_TRUE(rig.log.take().join(',').startsWith("cover hidden,map shown,move 37.00"));
    display = rig.at(0.45);
    EXPECT_FALSE(display.acceleration || display.position);
    EXPECT_EQ(display.speed, 4);
    EXPECT_TRUE(rig.log.take().isEmpty());
    // A fix moves the map once the 1 s map gate opens, once.
    display = rig.at(1.0);
    EXPECT_EQ(display.position->lat, "37.0100");
    EXPECT_EQ(display.speed, 10);
    EXPECT_FALSE(rig.at(1.5).position.has_value());
    EXPECT_EQ(rig.at(2.0).speed, 20);
    display = rig.at(2.0);
    EXPECT_FALSE(display.position || display.speed);
    EXPECT_EQ(rig.log.take(), QStringList({move(37.01f, 127.01f), move(37.02f, 127.02f)}));
    // No fix within a second: the cover, the gauge at 0.
    display = rig.at(45.0);
    EXPECT_EQ(display.speed, 0);
    EXPECT_FALSE(display.position.has_value());
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
}

TEST(PlaybackTick, Mp4MapTimeKeepsAOneSecondBeat)
{
    TickRig rig(PlaybackTrackBuilder::clipData(10));
    rig.subtitlesOf({{1000, 37.1f}, {2500, 37.25f}, {5500, 37.55f}});
    // 1.5 s after the last update: one second on; 3.5 s after: the current time.
    for (const auto &[t, mapTime] : {std::pair{1.0, 1.0}, {2.5, 2.0}, {5.5, 5.5}}) {
        EXPECT_TRUE(rig.at(t).position.has_value()) << t;
        EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), mapTime);
    }
    EXPECT_EQ(rig.log.moves(), 3);
}

TEST(PlaybackTick, Mp4BlockWithoutAccelerationLeavesTheReadouts)
{
    // No acceleration record: -512 on every axis.
    TickRig rig(PlaybackTrackBuilder::clipData(0));
    rig.subtitlesOf({{1000, 37.5f}});
    const auto display = rig.at(1.0);
    EXPECT_FALSE(display.acceleration.has_value());
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedSensorInfoTime(), 0.0);
    EXPECT_EQ(display.position->lat, "37.5000");
    // A recording without GPS keeps the map covered whatever the subtitles say.
    EXPECT_EQ(rig.log.moves(), 0);
    EXPECT_TRUE(rig.log.mapHidden());
}
