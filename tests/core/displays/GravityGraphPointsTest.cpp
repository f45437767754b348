#include "core/displays/GravityGraphPoints.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

TEST(GravityGraphPoints, TracesHangBelowTheZeroLineAndStopAtTheBottom)
{
    // A tenth of a point per unit, whatever the sign: one g (128) is 12.8.
    EXPECT_EQ(GravityGraphPoints::baseYPointForHeight(75.0), 37.5f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 0), 50.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 128), 50.0f - 12.8f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, -128), 50.0f - 12.8f);
    for (const int16_t far : {500, -512, 32767, -32768})
        EXPECT_EQ(GravityGraphPoints::pointY(50.0f, far), 0.0f) << far;
}

TEST(GravityGraphPoints, OnePointPerSampleAndAxisFromOneNthToTheFullWidth)
{
    TelemetrySamples arrays;
    arrays.gx.fill(300);
    arrays.gx[0] = 0;
    arrays.gy[0] = 100;
    arrays.gz[0] = -100;
    arrays.gy[1] = -600;
    arrays.gz[1] = 5;
    TorvaClipData track;
    track.storeSamples(arrays, TelemetrySamples::kCapacity, 0);
    GravityGraphPoints points;
    // Only samples below the count are read.
    for (const uint32_t count : {2u, 4u, uint32_t(TelemetrySamples::kCapacity)}) {
        track.setClipDataCount(count);
        points.generatePoints(track, 40.0f);
        ASSERT_EQ(points.gxPointList().size(), count);
        ASSERT_EQ(points.gyPointList().size(), count);
        ASSERT_EQ(points.gzPointList().size(), count);
        EXPECT_EQ(points.gxPointList().last(), QPointF(1.0, 10.0));
    }
    track.setClipDataCount(4);
    points.generatePoints(track, 40.0f);
    EXPECT_EQ(points.gxPointList()[0], QPointF(0.25, 40.0));
    EXPECT_EQ(points.gyPointList()[0], QPointF(0.25, 30.0));
    EXPECT_EQ(points.gzPointList()[0], QPointF(0.25, 30.0));
    EXPECT_EQ(points.gxPointList()[1], QPointF(0.5, 10.0));
    EXPECT_EQ(points.gyPointList()[1], QPointF(0.5, 0.0));
    EXPECT_EQ(points.gzPointList()[1], QPointF(0.5, 39.5));
    // A new track replaces the traces; an empty one clears them.
    points.generatePoints(TorvaClipData(), 40.0f);
    EXPECT_TRUE(points.gxPointList().isEmpty() && points.gyPointList().isEmpty() &&
                points.gzPointList().isEmpty());
}
