#include "core/playback/PlaybackSpeed.h"

#include <gtest/gtest.h>

// The steps stop at both ends, and the label reads as the user expects.
TEST(PlaybackSpeed, StepsStopAtTheEndsAndResetToNormal)
{
    PlaybackSpeed speed;
    EXPECT_TRUE(speed.isNormal());
    EXPECT_FALSE(speed.reset());
    EXPECT_TRUE(speed.slower());
    EXPECT_TRUE(speed.slower());
    EXPECT_EQ(speed.value(), 0.25);
    EXPECT_FALSE(speed.slower());
    for (int step = 0; step < 5; ++step)
        EXPECT_TRUE(speed.faster());
    EXPECT_EQ(speed.value(), 4.0);
    EXPECT_FALSE(speed.faster());
    EXPECT_TRUE(speed.reset());
    EXPECT_EQ(speed.value(), 1.0);
    EXPECT_EQ(PlaybackSpeed::label(0.25), QStringLiteral("0.25×"));
    EXPECT_EQ(PlaybackSpeed::label(1.5), QStringLiteral("1.5×"));
    EXPECT_EQ(PlaybackSpeed::label(2.0), QStringLiteral("2×"));
}
