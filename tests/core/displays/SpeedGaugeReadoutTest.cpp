#include "core/displays/SpeedGaugeReadout.h"

#include <gtest/gtest.h>

#include <array>

TEST(SpeedGaugeReadout, DigitsAndSegmentsInEitherUnit)
{
    constexpr int kNone = SpeedGaugeReadout::kNoDigit;
    struct Case
    {
        int32_t kmh;
        bool mph;
        int32_t shown;
        std::array<int, 3> digits; // hundreds, tens, ones; kNone for an empty place
        int segments;
    };
    // Miles per hour round to the nearest; whether a number shows at all
    // depends on the km/h value (12 km/h is 7.456 mph, 8 km/h is 4.97).
    const Case cases[] = {
        {0, false, 0, {kNone, kNone, kNone}, 0},
        {8, false, 8, {kNone, kNone, kNone}, 0},
        {9, false, 9, {kNone, kNone, 9}, 0},
        {10, false, 10, {kNone, 1, 0}, 1},
        {99, false, 99, {kNone, 9, 9}, 9},
        {105, false, 105, {1, 0, 5}, 10},
        {239, false, 239, {2, 3, 9}, 23},
        {250, false, 250, {2, 5, 0}, 24},
        {1000, false, 1000, {kNone, kNone, 0}, 24},
        {1234, false, 1234, {2, 3, 4}, 24},
        {-5, false, -5, {kNone, kNone, kNone}, 0},
        {100, true, 62, {kNone, 6, 2}, 6},
        {12, true, 7, {kNone, kNone, 7}, 0},
        {8, true, 5, {kNone, kNone, kNone}, 0},
        {250, true, 155, {1, 5, 5}, 15},
        {4, true, 2, {kNone, kNone, kNone}, 0},
        {-100, true, -62, {kNone, kNone, kNone}, 0},
    };
    for (const Case &c : cases) {
        const SpeedGaugeReadout readout(c.kmh, c.mph);
        EXPECT_EQ(readout.displayValue(), c.shown) << c.kmh;
        EXPECT_EQ((std::array{readout.hundreds(), readout.tens(), readout.ones()}), c.digits)
            << c.kmh;
        EXPECT_EQ(readout.litSegments(), c.segments) << c.kmh;
        EXPECT_EQ(readout.showsUnitLabel(), c.mph);
    }
    EXPECT_EQ(SpeedGaugeReadout::displaySpeed(2, true), 1);
    EXPECT_EQ(SpeedGaugeReadout::litSegmentCount(INT32_MAX), 24);
}
