#include "MapTargetLog.h"
#include "PlaybackTrackBuilder.h"

#include "core/playback/MapPresenter.h"

#include <gtest/gtest.h>

TEST(MapPresenter, MovesOnlyToNewPositions)
{
    MapTargetLog log;
    MapPresenter map(log);
    map.showRouteOf(PlaybackTrackBuilder::clipData(30));
    EXPECT_EQ(log.take(), QStringList({"removeMapLine", "addRoute 30"}));

    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_EQ(log.take(), QStringList({"cover hidden", "map shown", "move 37.500000,127.250000"}));
    // Two calls with the same position move the marker once.
    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_TRUE(log.take().isEmpty());
    // A moment without a fix covers the map; the next fix shows it again,
    // without moving when the position is still the last one sent.
    map.updateMapWithLat(0.0f, 0.0f);
    EXPECT_EQ(log.take(), QStringList({"cover shown", "map hidden"}));
    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_EQ(log.take(), QStringList({"cover hidden", "map shown"}));
    // Only (0, 0) is no fix.
    map.updateMapWithLat(0.0f, 127.25f);
    EXPECT_EQ(log.take(), QStringList({"move 0.000000,127.250000"}));
    EXPECT_EQ(map.lastUpdatedLat(), 0.0);
    EXPECT_EQ(map.lastUpdatedLng(), double(127.25f));
    // Forgotten (stop, new recording): the same position is sent again.
    map.forgetPosition();
    map.updateMapWithLat(0.0f, 127.25f);
    EXPECT_EQ(log.moves(), 3);
}

TEST(MapPresenter, RecordingWithoutGpsKeepsTheCover)
{
    MapTargetLog log;
    MapPresenter map(log);
    map.showRouteOf(PlaybackTrackBuilder::clipData(30, 30));
    EXPECT_EQ(log.take(), QStringList({"removeMapLine", "cover shown", "map hidden"}));
    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_TRUE(log.take().isEmpty());
    EXPECT_EQ(log.moves(), 0);
}

TEST(MapPresenter, FullScreenHidesTheMapAndRestoresIt)
{
    MapTargetLog log;
    MapPresenter map(log);
    map.showRouteOf(PlaybackTrackBuilder::clipData(30));
    map.showMap();
    log.take();
    map.hideForFullScreen();
    EXPECT_TRUE(map.isMapHidden());
    EXPECT_EQ(log.take(), QStringList({"map hidden"}));
    map.restoreAfterFullScreen();
    EXPECT_FALSE(map.isMapHidden());
    EXPECT_FALSE(log.mapHidden());

    map.showCover();
    map.hideForFullScreen();
    map.restoreAfterFullScreen();
    EXPECT_TRUE(log.mapHidden());
    EXPECT_FALSE(log.coverHidden());
}
