#include "core/playback/EventJumps.h"

#include <gtest/gtest.h>

// Next skips the event the play time is at; previous skips one just passed.
TEST(EventJumps, NextAndPreviousAroundThePlayTime)
{
    EventJumps jumps;
    EXPECT_EQ(jumps.next(0.0), std::nullopt);
    jumps.setEvents({12.0, 3.0, 7.5});
    EXPECT_EQ(jumps.times(), (QList<double>{3.0, 7.5, 12.0}));
    EXPECT_EQ(jumps.next(0.0), 3.0);
    EXPECT_EQ(jumps.next(3.0), 7.5);
    EXPECT_EQ(jumps.next(12.0), std::nullopt);
    EXPECT_EQ(jumps.previous(3.0), std::nullopt);
    EXPECT_EQ(jumps.previous(7.9), 3.0);
    EXPECT_EQ(jumps.previous(9.0), 7.5);
    EXPECT_EQ(jumps.previous(60.0), 12.0);
}
