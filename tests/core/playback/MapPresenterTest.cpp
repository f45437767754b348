#include "MapTargetLog.h"
#include "PlaybackTrackBuilder.h"

#include "core/playback/MapPresenter.h"

#include <gtest/gtest.h>

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

TEST(MapPresenter, FullScreenHidesTheMapAndRestoresIt)
{
    MapTargetLog log;
    MapPresenter map(log);
    for (const bool mapShown : {true, false}) {
        mapShown ? map.showMap() : map.showCover();
        map.hideForFullScreen();
        EXPECT_TRUE(map.isMapHidden() && log.mapHidden());
        map.restoreAfterFullScreen();
        EXPECT_EQ(log.mapHidden(), !mapShown);
        EXPECT_EQ(log.coverHidden(), mapShown);
    }
}
