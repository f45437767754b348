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
    // The same position moves the marker once. A moment without a fix covers
    // the map; the next fix shows it again, moving only to a new position.
    // Only (0, 0) is no fix.
    const std::tuple<float, float, QStringList> steps[] = {
        {37.5f, 127.25f, {"cover hidden", "map shown", "move 37.500000,127.250000"}},
        {37.5f, 127.25f, {}},
        {0.0f, 0.0f, {"cover shown", "map hidden"}},
        {37.5f, 127.25f, {"cover hidden", "map shown"}},
        {0.0f, 127.25f, {"move 0.000000,127.250000"}},
        {37.5f, 0.0f, {"move 37.500000,0.000000"}},
    };
    for (const auto &[lat, lng, calls] : steps) {
        map.updateMapWithLat(lat, lng);
        EXPECT_EQ(log.take(), calls) << lat << ',' << lng;
    }
    // Forgotten (stop, new recording): the same position is sent again.
    map.forgetPosition();
    map.updateMapWithLat(37.5f, 0.0f);
    EXPECT_EQ(log.take(), QStringList({"move 37.500000,0.000000"}));

    // A recording without GPS keeps the cover.
    map.showRouteOf(PlaybackTrackBuilder::clipData(30, 30));
    map.updateMapWithLat(37.5f, 127.25f);
    EXPECT_EQ(log.take(), QStringList({"removeMapLine", "cover shown", "map hidden"}));
}

TEST(MapPresenter, FullScreenHidesTheMapAndRestoresIt)
{
    MapTargetLog log;
    MapPresenter map(log);
    map.showRouteOf(PlaybackTrackBuilder::clipData(30));
    for (const bool mapShown : {true, false}) {
        mapShown ? map.showMap() : map.showCover();
        map.hideForFullScreen();
        EXPECT_TRUE(map.isMapHidden());
        EXPECT_TRUE(log.mapHidden());
        map.restoreAfterFullScreen();
        EXPECT_EQ(log.mapHidden(), !mapShown);
        EXPECT_EQ(log.coverHidden(), mapShown);
    }
}
