#include "core/clip/ClipRange.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ClipRange, AcceptsClipsOfTheRecordingAndSaysWhatIsWrongWithOthers)
{
    const double nan = std::nan("");
    struct Case
    {
        double from;
        double to;
        double duration;
        std::optional<std::pair<double, double>> range;
        const char *problem;
    };
    const Case cases[] = {
        {0.0, 60.0, 60.0, std::pair{0.0, 60.0}, ""},
        {12.5, 12.6, 60.0, std::pair{12.5, 12.6}, ""}, // exactly the shortest clip
        {-0.04, 10.0, 60.0, std::pair{0.0, 10.0}, ""}, // bounds just outside move onto it
        {59.0, 60.04, 60.0, std::pair{59.0, 60.0}, ""},
        {12.5, 12.59, 60.0, {}, "the clip must last at least 0.1 s"},
        {-0.2, 10.0, 60.0, {}, "the clip cannot start before the recording"},
        {59.0, 60.2, 60.0, {}, "the clip cannot end after the recording (60.00 s)"},
        {60.0, 60.04, 60.0, {}, "the clip must start before the recording ends (60.00 s)"},
        {10.0, 5.0, 60.0, {}, "the clip must end after it starts"},
        {nan, 5.0, 60.0, {}, "the clip's start and end must be numbers"},
        {0.0, 5.0, nan, {}, "the recording's duration is unknown"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ClipRange::parse(c.from, c.to, c.duration), c.range)
            << c.from << "–" << c.to << " of " << c.duration;
        EXPECT_EQ(ClipRange::problem(c.from, c.to, c.duration), QString::fromUtf8(c.problem))
            << c.from << "–" << c.to << " of " << c.duration;
    }
}
