#include "core/playback/ClipMarks.h"

#include <gtest/gtest.h>

// Marks keep In before Out, and the range falls back on the recording's ends.
TEST(ClipMarks, KeepInBeforeOutAndFillTheRangeFromTheRecording)
{
    ClipMarks marks;
    EXPECT_TRUE(marks.isEmpty());
    EXPECT_EQ(marks.range(60.0), std::make_pair(0.0, 60.0));

    marks.markIn(10.0);
    EXPECT_EQ(marks.range(60.0), std::make_pair(10.0, 60.0));
    marks.markOut(25.0);
    EXPECT_EQ(marks.range(60.0), std::make_pair(10.0, 25.0));
    // Out before In drops In; In past Out drops Out.
    marks.markOut(5.0);
    EXPECT_EQ(marks.in(), std::nullopt);
    EXPECT_EQ(marks.range(60.0), std::make_pair(0.0, 5.0));
    marks.markIn(5.0);
    EXPECT_EQ(marks.out(), std::nullopt);
    // A shorter recording (a stale mark) ends the range at its end.
    marks.markOut(50.0);
    EXPECT_EQ(marks.range(30.0), std::make_pair(5.0, 30.0));
    marks.markIn(-3.0);
    EXPECT_EQ(marks.in(), 0.0);
    marks.clear();
    EXPECT_TRUE(marks.isEmpty());
}
