#include "core/displays/SeekSliderGeometry.h"
#include "core/displays/VolumeSliderGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SeekSliderGeometry, ABarOf210WithATenPointKnob)
{
    SeekSliderGeometry geometry;
    geometry.setKnobWidth(10.0);
    geometry.setViewWidth(210.0);
    EXPECT_EQ(geometry.maxSliderXPt(), 205.0);
    EXPECT_EQ(geometry.xPointForValue(30.0, 60.0), 105.0);
    // Points of a 60 s recording; the knob's origin stays within 0 … 200.
    for (const auto &[x, value, origin] : {std::tuple{105.0, 30.0, 100.0},
                                           {2.0, 0.0, 0.0},
                                           {-40.0, 0.0, 0.0},
                                           {500.0, 60.0, 200.0}}) {
        EXPECT_EQ(geometry.valueForXPoint(x, 60.0), value) << x;
        EXPECT_EQ(geometry.knobOriginForXPoint(x), origin) << x;
    }
    // The bar follows a resize; one without room gives zero.
    geometry.setViewWidth(110.0);
    EXPECT_EQ(geometry.valueForXPoint(55.0, 60.0), 30.0);
    for (const double width : {10.0, 4.0}) {
        geometry.setViewWidth(width);
        EXPECT_EQ(geometry.valueForXPoint(3.0, 60.0), 0.0) << width;
        EXPECT_EQ(geometry.knobOriginForXPoint(3.0), 0.0) << width;
    }
}

TEST(VolumeSliderGeometry, VolumesStayWithinZeroAndOne)
{
    for (const auto &[volume, clamped] :
         {std::pair{1.5f, 1.0f}, {-0.2f, 0.0f}, {0.6f, 0.6f}, {std::nanf(""), 0.0f}})
        EXPECT_EQ(VolumeSliderGeometry::clampVolume(volume), clamped) << volume;
    EXPECT_EQ(VolumeSliderGeometry::gaugeWidthForXPoint(-3.0, 80.0), 0.0);
    EXPECT_EQ(VolumeSliderGeometry::gaugeWidthForXPoint(90.0, 80.0), 80.0);
    EXPECT_EQ(VolumeSliderGeometry::volumeForGaugeWidth(0.0, 0.0), 0.0f);
    // A volume survives the trip through the filled width.
    EXPECT_EQ(VolumeSliderGeometry::volumeForGaugeWidth(double(0.6f) * 73.0, 73.0), 0.6f);
}
