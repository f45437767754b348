#include "core/video/RecordingPartner.h"
#include "core/library/RecordingPairs.h"

#include <gtest/gtest.h>

TEST(RecordingPartner, MarksSwapInTheFileNameOnly)
{
    // "F." wins over "R." and every occurrence changes; folders keep their
    // marks; marks are case-sensitive.
    // The last column: whether the deciding mark is the rear camera's.
    const struct
    {
        const char *path;
        const char *partner;
        bool rear;
    } rows[] = {{"/card/REC_0101F.mp4", "/card/REC_0101R.mp4", false},
                {"/card/REC_0101R.mp4", "/card/REC_0101F.mp4", true},
                {"/c/xF.R.F.mp4", "/c/xR.R.R.mp4", false},
                {"/c/R.R.mp4", "/c/F.F.mp4", true},
                {"/R. card/F.x/a_F.mp4", "/R. card/F.x/a_R.mp4", false},
                {"/media/Trip F.2024/clip.mp4", "", false},
                {"/card/clipf.mp4", "", false}};
    for (const auto &row : rows) {
        EXPECT_EQ(RecordingPartner::partnerPath(row.path), row.partner) << row.path;
        EXPECT_EQ(RecordingPairs::partnerPath(row.path), row.partner) << row.path;
        EXPECT_EQ(RecordingPartner::isRearRecording(row.path), row.rear) << row.path;
    }
    // Event files pair by their "_BC" marks, though not as rows of the list.
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_F_BC.mp4"), "/card/EVT_R_BC.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_R_BC.mp4"), "/card/EVT_F_BC.mp4");
    EXPECT_EQ(RecordingPairs::partnerPath("/card/EVT_F_BC.mp4"), "");
    EXPECT_TRUE(RecordingPartner::isRearRecording("/card/EVT_R_BC.mp4"));
}
