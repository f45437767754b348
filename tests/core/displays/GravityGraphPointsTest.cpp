#include "core/displays/GravityGraphPoints.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

namespace {

TorvaClipData trackOf(std::initializer_list<std::array<int16_t, 3>> samples)
{
    TelemetrySamples arrays;
    size_t i = 0;
    for (const auto &sample : samples) {
        arrays.gx[i] = sample[0];
        arrays.gy[i] = sample[1];
        arrays.gz[i] = sample[2];
        ++i;
    }
    TorvaClipData track;
    track.storeSamples(arrays, int(i), 0);
    track.setClipDataCount(uint32_t(i));
    return track;
}

} // namespace

TEST(GravityGraphPoints, ZeroLineIsHalfTheHeightInSinglePrecision)
{
    EXPECT_EQ(GravityGraphPoints::baseYPointForHeight(100.0), 50.0f);
    EXPECT_EQ(GravityGraphPoints::baseYPointForHeight(75.0), 37.5f);
    EXPECT_EQ(GravityGraphPoints::baseYPointForHeight(0.2), float(0.1));
}

TEST(GravityGraphPoints, SamplesSpreadFromOneNthToTheFullWidth)
{
    EXPECT_EQ(GravityGraphPoints::pointX(0, 1), 1.0f);
    EXPECT_EQ(GravityGraphPoints::pointX(0, 4), 0.25f);
    EXPECT_EQ(GravityGraphPoints::pointX(3, 4), 1.0f);
    // Single precision: 1/3 as a float, not as a double.
    EXPECT_EQ(double(GravityGraphPoints::pointX(0, 3)), double(1.0f / 3.0f));
    EXPECT_NE(double(GravityGraphPoints::pointX(0, 3)), 1.0 / 3.0);
}

TEST(GravityGraphPoints, TracesHangBelowTheZeroLineAndStopAtTheBottom)
{
    // A tenth of a point per unit, whatever the sign: one g (128) is 12.8.
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 0), 50.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 128), 50.0f - 12.8f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, -128), 50.0f - 12.8f);
    // v × 20 / 200 in float is not always v / 10 in float.
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 3), 50.0f - 3.0f * 20.0f / 200.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 500), 0.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, -512), 0.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, 32767), 0.0f);
    EXPECT_EQ(GravityGraphPoints::pointY(50.0f, -32768), 0.0f);
}

TEST(GravityGraphPoints, GeneratesOnePointPerSampleAndAxis)
{
    GravityGraphPoints points;
    points.generatePoints(trackOf({{0, 100, -100}, {10, -600, 5}}), 40.0f);
    ASSERT_EQ(points.gxPointList().size(), 2);
    ASSERT_EQ(points.gyPointList().size(), 2);
    ASSERT_EQ(points.gzPointList().size(), 2);
    EXPECT_EQ(points.gxPointList()[0], QPointF(0.5, 40.0));
    EXPECT_EQ(points.gyPointList()[0], QPointF(0.5, 30.0));
    EXPECT_EQ(points.gzPointList()[0], QPointF(0.5, 30.0));
    EXPECT_EQ(points.gxPointList()[1], QPointF(1.0, 39.0));
    EXPECT_EQ(points.gyPointList()[1], QPointF(1.0, 0.0));
    EXPECT_EQ(points.gzPointList()[1], QPointF(1.0, 39.5));

    // One sample sits at the full width.
    points.generatePoints(trackOf({{128, 0, 0}}), 40.0f);
    ASSERT_EQ(points.gxPointList().size(), 1);
    EXPECT_EQ(points.gxPointList()[0].x(), 1.0);
    EXPECT_EQ(points.gxPointList()[0].y(), double(40.0f - 12.8f));

    // A new track replaces the traces; an empty one clears them.
    points.generatePoints(TorvaClipData(), 40.0f);
    EXPECT_TRUE(points.gxPointList().isEmpty());
    EXPECT_TRUE(points.gyPointList().isEmpty());
    EXPECT_TRUE(points.gzPointList().isEmpty());
}

TEST(GravityGraphPoints, OnlySamplesBelowTheCountAreRead)
{
    TelemetrySamples arrays;
    arrays.gx.fill(300);
    TorvaClipData track;
    track.storeSamples(arrays, TelemetrySamples::kCapacity, 0);
    track.setClipDataCount(3);
    GravityGraphPoints points;
    points.generatePoints(track, 40.0f);
    ASSERT_EQ(points.gxPointList().size(), 3);
    EXPECT_EQ(points.gxPointList()[2], QPointF(1.0, 10.0));

    track.setClipDataCount(TelemetrySamples::kCapacity);
    points.generatePoints(track, 40.0f);
    EXPECT_EQ(points.gxPointList().size(), TelemetrySamples::kCapacity);
    EXPECT_EQ(points.gxPointList().last(), QPointF(1.0, 10.0));
}
