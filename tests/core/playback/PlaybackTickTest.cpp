#include "MapTargetLog.h"
#include "PlaybackTrackBuilder.h"

#include "core/playback/MapPresenter.h"
#include "core/playback/PlaybackTick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double kTick = 1.0 / 33.0;

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

    PlaybackTick::Display at(double t, double d = 60.0)
    {
        return tick.playVideoTimerCallback(t, d, clipData, subtitles ? &*subtitles : nullptr);
    }

    MapTargetLog log;
    MapPresenter map{log};
    PlaybackTick tick{map};
    TorvaClipData clipData;
    std::optional<SubtitleData> subtitles;
};

} // namespace

TEST(PlaybackTick, TimeLabelShowsWholeMinutesAndSeconds)
{
    EXPECT_EQ(PlaybackTick::updatePlayTime(0.0, 0.0), "00:00/00:00");
    EXPECT_EQ(PlaybackTick::updatePlayTime(59.99, 60.0), "00:59/01:00");
    EXPECT_EQ(PlaybackTick::updatePlayTime(61.5, 119.999), "01:01/01:59");
    EXPECT_EQ(PlaybackTick::updatePlayTime(3725.9, 7322.0), "62:05/122:02");
    // A player without a time yet (NaN, infinite, negative) shows zero.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(PlaybackTick::updatePlayTime(nan, inf), "00:00/00:00");
    EXPECT_EQ(PlaybackTick::updatePlayTime(-3.0, 1e300), "00:00/35791394:07");
}

TEST(PlaybackTick, ReadoutsShow128UnitsAsOneG)
{
    EXPECT_EQ(PlaybackTick::accelerationText(128), "1.000");
    EXPECT_EQ(PlaybackTick::accelerationText(-64), "-0.500");
    EXPECT_EQ(PlaybackTick::accelerationText(1), "0.008");
    EXPECT_EQ(PlaybackTick::accelerationText(0), "0.000");
    EXPECT_EQ(PlaybackTick::accelerationText(-512), "-4.000");
    EXPECT_EQ(PlaybackTick::positionText(37.387458f), "37.3875");
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
    const auto shownX = [&](double t) {
        rig.tick.resetUpdateTimes();
        const auto display = rig.at(t);
        return display.acceleration ? display.acceleration->x : QString();
    };
    EXPECT_EQ(shownX(0.31), PlaybackTick::accelerationText(3));
    EXPECT_EQ(shownX(0.39999), PlaybackTick::accelerationText(3));
    EXPECT_EQ(shownX(12.34), PlaybackTick::accelerationText(123));
    EXPECT_EQ(shownX(64.99), PlaybackTick::accelerationText(649));
    // At 0.29999 s the 0.3 s gate is still shut, but a step back opens it.
    rig.tick.resetUpdateTimes();
    rig.at(5.0);
    const auto display = rig.at(0.29999);
    ASSERT_TRUE(display.acceleration.has_value());
    EXPECT_EQ(display.acceleration->x, PlaybackTick::accelerationText(2));
    EXPECT_EQ(display.acceleration->y, PlaybackTick::accelerationText(-2));
    EXPECT_EQ(display.acceleration->z, PlaybackTick::accelerationText(4));
    EXPECT_EQ(display.position->lat, "37.0020");
    EXPECT_EQ(display.speed, 2);
    EXPECT_DOUBLE_EQ(display.sliderValue, 0.29999);
}

TEST(PlaybackTick, GatesLimitReadoutsAndMapWhilePlaying)
{
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    std::vector<double> readouts;
    std::vector<double> moves;
    for (int n = 0; n * kTick < 20.0; ++n) {
        const double t = n * kTick;
        const int before = rig.log.moves();
        const auto display = rig.at(t);
        EXPECT_EQ(display.playTime, PlaybackTick::updatePlayTime(t, 60.0));
        if (display.acceleration) {
            EXPECT_TRUE(display.position && display.speed);
            readouts.push_back(t);
        }
        if (rig.log.moves() != before)
            moves.push_back(t);
    }
    // The first update waits for more than 0.3 s (1 s) of play; then about
    // three read-outs a second and one map move.
    ASSERT_GT(readouts.size(), 50u);
    EXPECT_GT(readouts.front(), 0.3);
    for (size_t i = 1; i < readouts.size(); ++i) {
        EXPECT_GT(readouts[i] - readouts[i - 1], 0.3);
        EXPECT_LT(readouts[i] - readouts[i - 1], 0.3 + 1.5 * kTick);
    }
    ASSERT_GE(moves.size(), 15u);
    EXPECT_GT(moves.front(), 1.0);
    for (size_t i = 1; i < moves.size(); ++i)
        EXPECT_GT(moves[i] - moves[i - 1], 1.0);
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), moves.back());
}

TEST(PlaybackTick, TrackWithoutDataShowsZerosAndTheCover)
{
    // Before the first fix, and past the end of the track, the read-outs
    // show zeros and the map its cover.
    TickRig rig(PlaybackTrackBuilder::clipData(50, 20));
    auto display = rig.at(1.5);
    EXPECT_EQ(display.acceleration->x, PlaybackTick::accelerationText(15));
    EXPECT_EQ(display.position->lat, "0.0000");
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
    display = rig.at(3.0);
    EXPECT_EQ(display.position->lat, "37.0300");
    EXPECT_EQ(rig.log.take(),
              QStringList({"cover hidden", "map shown",
                           move(37.0f + 30.0f / 1000.0f, 127.0f + 30.0f / 1000.0f)}));
    display = rig.at(7.0);
    EXPECT_EQ(display.acceleration->x, "0.000");
    EXPECT_EQ(display.acceleration->z, "0.000");
    EXPECT_EQ(display.position->lng, "0.0000");
    EXPECT_EQ(display.speed, 0);
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
}

TEST(PlaybackTick, Mp4TakesTelemetryFromSubtitles)
{
    // The track would say otherwise: the subtitles win.
    TickRig rig(PlaybackTrackBuilder::clipData(650));
    rig.subtitles = PlaybackTrackBuilder::subtitles(30);

    // The read-out gate opens at 0.3 s already (0.3 in single precision).
    auto display = rig.at(PlaybackTick::kSensorInfoInterval);
    ASSERT_TRUE(display.acceleration.has_value());
    EXPECT_EQ(display.acceleration->x, PlaybackTick::accelerationText(3));
    // Between fixes (answer 1) the hidden map is brought back once, at the
    // interpolated position; the gauge follows on every tick.
    EXPECT_EQ(display.position->lat, "37.0030");
    EXPECT_EQ(display.speed, 3);
    QStringList calls = rig.log.take();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls.mid(0, 2), QStringList({"cover hidden", "map shown"}));
    EXPECT_TRUE(calls[2].startsWith("move 37.00"));
    display = rig.at(0.45);
    EXPECT_FALSE(display.acceleration.has_value());
    EXPECT_FALSE(display.position.has_value());
    EXPECT_EQ(display.speed, 4);
    EXPECT_TRUE(rig.log.take().isEmpty());

    // A fix (answer 0) moves the map once the 1 s map gate opens.
    display = rig.at(1.0);
    EXPECT_EQ(display.position->lat, "37.0100");
    EXPECT_EQ(display.speed, 10);
    EXPECT_EQ(rig.log.take(), QStringList({move(37.0f + 1.0f / 100.0f, 127.0f + 1.0f / 100.0f)}));
    display = rig.at(1.5);
    EXPECT_FALSE(display.position.has_value());
    display = rig.at(2.0);
    EXPECT_EQ(display.speed, 20);
    EXPECT_EQ(rig.log.take(), QStringList({move(37.0f + 2.0f / 100.0f, 127.0f + 2.0f / 100.0f)}));
    display = rig.at(2.0);
    EXPECT_FALSE(display.position.has_value());
    EXPECT_FALSE(display.speed.has_value());
    EXPECT_TRUE(rig.log.take().isEmpty());

    // No fix within a second (answer 2): the cover, the gauge at 0.
    display = rig.at(45.0);
    EXPECT_EQ(display.speed, 0);
    EXPECT_FALSE(display.position.has_value());
    EXPECT_EQ(rig.log.take(), QStringList({"cover shown", "map hidden"}));
}

TEST(PlaybackTick, Mp4MapTimeKeepsAOneSecondBeat)
{
    TickRig rig(PlaybackTrackBuilder::clipData(10));
    std::vector<SubtitleEntry> fixes;
    for (const int cts : {1000, 2500, 5500}) {
        SubtitleEntry fix;
        fix.setCts(cts);
        fix.setLat(37.0f + float(cts) / 10000.0f);
        fix.setLng(127.0f);
        fixes.push_back(fix);
    }
    rig.subtitles.emplace().setEntries(fixes);
    rig.at(1.0);
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), 1.0);
    // 1.5 s after the last update: one second on, not the current time.
    ASSERT_TRUE(rig.at(2.5).position.has_value());
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), 2.0);
    // 3.5 s after: the current time.
    ASSERT_TRUE(rig.at(5.5).position.has_value());
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedMapTime(), 5.5);
    EXPECT_EQ(rig.log.moves(), 3);
}

TEST(PlaybackTick, Mp4BlockWithoutAccelerationLeavesTheReadouts)
{
    TickRig rig(PlaybackTrackBuilder::clipData(0));
    SubtitleEntry fixOnly; // no acceleration record: -512 on every axis
    fixOnly.setCts(1000);
    fixOnly.setLat(37.5f);
    fixOnly.setLng(127.25f);
    rig.subtitles.emplace().setEntries({fixOnly});
    const auto display = rig.at(1.0);
    EXPECT_FALSE(display.acceleration.has_value());
    EXPECT_DOUBLE_EQ(rig.tick.lastUpdatedSensorInfoTime(), 0.0);
    EXPECT_EQ(display.position->lat, "37.5000");
    // A recording without GPS keeps the map covered whatever the subtitles say.
    EXPECT_EQ(rig.log.moves(), 0);
    EXPECT_TRUE(rig.log.mapHidden());
}
