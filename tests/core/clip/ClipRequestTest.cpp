#include "core/clip/ClipRequest.h"
#include "core/clip/ClipRange.h"
#include "core/clip/RecordingStartTime.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ClipRequest, KnowsWhenItWouldReplaceAFileItReads)
{
    ClipRequest request;
    request.frontInput = "/c/REC_F.mp4";
    request.rearInput = "/c/REC_R.mp4";
    request.output = "/c/clip.mp4";
    EXPECT_FALSE(request.writesOver({request.frontInput, request.rearInput}));
    request.output = "/c/REC.mp4"; // the cameras' files are REC_F.mp4 and REC_R.mp4
    EXPECT_TRUE(request.writesOver({"/c/x/../REC_R.mp4"}));
    request.output = "/c/REC_F.mp4";
    EXPECT_FALSE(request.writesOver({request.frontInput})); // writes REC_F_F.mp4 and REC_F_R.mp4
    request.mode = ClipRequest::Mode::Composed;
    EXPECT_TRUE(request.writesOver({request.frontInput}));
    request.output = "/c/REC_F.srt";
    request.mode = ClipRequest::Mode::Lossless;
    EXPECT_TRUE(request.writesOver({"/c/REC_F.srt"}));
    EXPECT_FALSE(request.writesOver({""}));
}

TEST(ClipRange, AcceptsClipsOfTheRecordingAndSaysWhatIsWrongWithOthers)
{
    const double nan = std::nan("");
    // From, to and the recording's duration; the range taken, or the problem.
    const std::tuple<double, double, double, std::optional<std::pair<double, double>>, const char *>
        cases[] = {
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
    for (const auto &[from, to, duration, range, problem] : cases) {
        EXPECT_EQ(ClipRange::parse(from, to, duration), range) << from << "–" << to;
        EXPECT_EQ(ClipRange::problem(from, to, duration), QString::fromUtf8(problem))
            << from << "–" << to << " of " << duration;
    }
}

TEST(RecordingStartTime, ReadsTheCameraClockFromTheFileName)
{
    const QDateTime start(QDate(2026, 5, 14), QTime(8, 30, 50));
    const std::pair<const char *, QDateTime> rows[] = {
        {"/card/evt_rec/EVT_20260514_083050_F.mp4", start},
        {"/20260101_000000/REC_20260514_083050.avi", start}, // folders do not count
        {"/card/clip.mp4", {}},
        {"/card/REC_20261314_083050.avi", {}}, // no 13th month
        {"/card/REC_120260514_083050.avi", {}},
    };
    for (const auto &[path, time] : rows)
        EXPECT_EQ(RecordingStartTime::fromFileName(path), time) << path;
}
