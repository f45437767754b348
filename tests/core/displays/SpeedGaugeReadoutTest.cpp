#include "core/displays/SpeedGaugeReadout.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kNone = SpeedGaugeReadout::kNoDigit;

// Hundreds, tens, ones as shown; kNone for an empty place.
std::array<int, 3> digits(const SpeedGaugeReadout &readout)
{
    return {readout.hundreds(), readout.tens(), readout.ones()};
}

} // namespace

TEST(SpeedGaugeReadout, KilometresPerHour)
{
    struct Case
    {
        int32_t speed;
        std::array<int, 3> digits;
        int segments;
    };
    const Case cases[] = {
        {0, {kNone, kNone, kNone}, 0},  {8, {kNone, kNone, kNone}, 0},
        {9, {kNone, kNone, 9}, 0},      {10, {kNone, 1, 0}, 1},
        {19, {kNone, 1, 9}, 1},         {99, {kNone, 9, 9}, 9},
        {100, {1, 0, 0}, 10},           {105, {1, 0, 5}, 10},
        {239, {2, 3, 9}, 23},           {240, {2, 4, 0}, 24},
        {250, {2, 5, 0}, 24},           {999, {9, 9, 9}, 24},
        {1000, {kNone, kNone, 0}, 24},  {1234, {2, 3, 4}, 24},
        {-5, {kNone, kNone, kNone}, 0},
    };
    for (const Case &c : cases) {
        const SpeedGaugeReadout readout(c.speed, false);
        EXPECT_EQ(readout.displayValue(), c.speed);
        EXPECT_EQ(digits(readout), c.digits) << c.speed;
        EXPECT_EQ(readout.litSegments(), c.segments) << c.speed;
        EXPECT_FALSE(readout.showsUnitLabel());
    }
}

TEST(SpeedGaugeReadout, MilesPerHourRoundToTheNearest)
{
    const SpeedGaugeReadout hundred(100, true);
    EXPECT_EQ(hundred.displayValue(), 62);
    EXPECT_EQ(digits(hundred), (std::array<int, 3>{kNone, 6, 2}));
    EXPECT_EQ(hundred.litSegments(), 6);
    EXPECT_TRUE(hundred.showsUnitLabel());

    // 7.456 mph: shown, because the threshold looks at the km/h value.
    const SpeedGaugeReadout twelve(12, true);
    EXPECT_EQ(twelve.displayValue(), 7);
    EXPECT_EQ(digits(twelve), (std::array<int, 3>{kNone, kNone, 7}));
    EXPECT_EQ(twelve.litSegments(), 0);

    // 8 km/h is 4.97 mph: no number under 9 km/h.
    EXPECT_EQ(digits(SpeedGaugeReadout(8, true)), (std::array<int, 3>{kNone, kNone, kNone}));
    EXPECT_TRUE(SpeedGaugeReadout(0, true).showsUnitLabel());

    EXPECT_EQ(SpeedGaugeReadout::displaySpeed(250, true), 155);
    EXPECT_EQ(digits(SpeedGaugeReadout(250, true)), (std::array<int, 3>{1, 5, 5}));
    EXPECT_EQ(SpeedGaugeReadout(250, true).litSegments(), 15);
    EXPECT_EQ(SpeedGaugeReadout::displaySpeed(2, true), 1);
    EXPECT_EQ(SpeedGaugeReadout::displaySpeed(4, true), 2);
    EXPECT_EQ(SpeedGaugeReadout::displaySpeed(-100, true), -62);
}

TEST(SpeedGaugeReadout, SegmentsLightFromTenUnitsEach)
{
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(9), 0);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(10), 1);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(119), 11);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(240), 24);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(INT32_MAX), 24);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(-15), 0);
}
