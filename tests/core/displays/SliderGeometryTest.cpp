#include "core/displays/SeekSliderGeometry.h"
#include "core/displays/VolumeSliderGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SeekSliderGeometry, ABarOf210WithATenPointKnob)
{
    SeekSliderGeometry geometry;
    geometry.setKnobWidth(10.0);
    geometry.setViewWidth(210.0);
    EXPECT_EQ(geometry.sliderHalfWidth(), 5.0);
    EXPECT_EQ(geometry.minSliderXPt(), 5.0);
    EXPECT_EQ(geometry.maxSliderXPt(), 205.0);
    EXPECT_EQ(geometry.sliderLength(), 200.0);

    EXPECT_EQ(geometry.valueForXPoint(105.0, 60.0), 30.0);
    EXPECT_EQ(geometry.valueForXPoint(0.0, 60.0), 0.0);
    EXPECT_EQ(geometry.valueForXPoint(210.0, 60.0), 60.0);
    EXPECT_EQ(geometry.valueForXPoint(500.0, 60.0), 60.0);
    EXPECT_EQ(geometry.valueForXPoint(-40.0, 60.0), 0.0);

    EXPECT_EQ(geometry.xPointForValue(30.0, 60.0), 105.0);
    EXPECT_EQ(geometry.xPointForValue(0.0, 60.0), 5.0);
    EXPECT_EQ(geometry.knobOriginForXPoint(105.0), 100.0);
    EXPECT_EQ(geometry.knobOriginForXPoint(2.0), 0.0);
    EXPECT_EQ(geometry.knobOriginForXPoint(209.0), 200.0);

    // The bar follows a resize.
    geometry.setViewWidth(110.0);
    EXPECT_EQ(geometry.maxSliderXPt(), 105.0);
    EXPECT_EQ(geometry.sliderLength(), 100.0);
    EXPECT_EQ(geometry.valueForXPoint(55.0, 60.0), 30.0);
}

TEST(SeekSliderGeometry, ABarWithoutRoomGivesZero)
{
    SeekSliderGeometry geometry;
    geometry.setKnobWidth(10.0);
    for (const double width : {10.0, 4.0, 0.0}) {
        geometry.setViewWidth(width);
        EXPECT_EQ(geometry.valueForXPoint(3.0, 60.0), 0.0) << width;
        EXPECT_EQ(geometry.knobOriginForXPoint(3.0), 0.0) << width;
        EXPECT_FALSE(std::isnan(geometry.valueForXPoint(8.0, 0.0)));
    }
}

TEST(VolumeSliderGeometry, VolumesStayWithinZeroAndOne)
{
    EXPECT_EQ(VolumeSliderGeometry::clampVolume(1.5f), 1.0f);
    EXPECT_EQ(VolumeSliderGeometry::clampVolume(-0.2f), 0.0f);
    EXPECT_EQ(VolumeSliderGeometry::clampVolume(0.6f), 0.6f);
    EXPECT_EQ(VolumeSliderGeometry::clampVolume(std::nanf("")), 0.0f);

    EXPECT_EQ(VolumeSliderGeometry::gaugeWidthForXPoint(-3.0, 80.0), 0.0);
    EXPECT_EQ(VolumeSliderGeometry::gaugeWidthForXPoint(30.0, 80.0), 30.0);
    EXPECT_EQ(VolumeSliderGeometry::gaugeWidthForXPoint(90.0, 80.0), 80.0);
    EXPECT_EQ(VolumeSliderGeometry::volumeForGaugeWidth(20.0, 80.0), 0.25f);
    EXPECT_EQ(VolumeSliderGeometry::volumeForGaugeWidth(0.0, 0.0), 0.0f);
    // A volume survives the trip through the filled width.
    EXPECT_EQ(VolumeSliderGeometry::volumeForGaugeWidth(double(0.6f) * 73.0, 73.0), 0.6f);
}
