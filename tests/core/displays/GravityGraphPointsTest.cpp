#include "core/displays/GravityGraphPoints.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

TEST(GravityGraphPoints, PointsSpreadOverTheWidthAndHangBelowTheZeroLine)
{
    // A tenth of a point per unit below the zero line, whatever the sign,
    // stopping at the bottom; samples from one nth to the full width.
    TelemetrySamples arrays;
    arrays.gx.fill(300);
    arrays.gx[0] = 0;
    arrays.gy = {100, -600};
    arrays.gz = {-128, 5};
    TorvaClipData track;
    track.storeSamples(arrays, TelemetrySamples::kCapacity, 0);
    track.setClipDataCount(4);
    GravityGraphPoints points;
    points.generatePoints(track, GravityGraphPoints::baseYPointForHeight(80.0));
    EXPECT_EQ(points.gxPointList(), QList<QPointF>({{0.25, 40}, {0.5, 10}, {0.75, 10}, {1, 10}}));
    EXPECT_EQ(points.gyPointList(), QList<QPointF>({{0.25, 30}, {0.5, 0}, {0.75, 40}, {1, 40}}));
    EXPECT_EQ(points.gzPointList()[0], QPointF(0.25, double(40.0f - 12.8f)));
    EXPECT_EQ(points.gzPointList()[1], QPointF(0.5, 39.5));
    // Only samples below the count are read; an empty track clears the traces.
    track.setClipDataCount(TelemetrySamples::kCapacity);
    points.generatePoints(track, 40.0f);
    EXPECT_EQ(points.gxPointList().size(), TelemetrySamples::kCapacity);
    EXPECT_EQ(points.gzPointList().last(), QPointF(1.0, 40.0));
    points.generatePoints(TorvaClipData(), 40.0f);
    EXPECT_TRUE(points.gxPointList().isEmpty() && points.gyPointList().isEmpty() &&
                points.gzPointList().isEmpty());
}
