#include "core/video/RecordingPartner.h"
#include "core/library/RecordingPairs.h"

#include <gtest/gtest.h>

TEST(RecordingPartner, MarksSwapInTheFileNameOnly)
{
    // "F." wins over "R." and every occurrence changes; folders keep their
    // marks; marks are case-sensitive.
    const char *const rows[][2] = {{"/card/REC_0101F.mp4", "/card/REC_0101R.mp4"},
                                   {"/card/REC_0101R.mp4", "/card/REC_0101F.mp4"},
                                   {"/c/xF.R.F.mp4", "/c/xR.R.R.mp4"},
                                   {"/c/R.R.mp4", "/c/F.F.mp4"},
                                   {"/R. card/F.x/a_F.mp4", "/R. card/F.x/a_R.mp4"},
                                   {"/media/Trip F.2024/clip.mp4", ""},
                                   {"/card/clipf.mp4", ""}};
    for (const auto &row : rows) {
        EXPECT_EQ(RecordingPartner::partnerPath(row[0]), row[1]) << row[0];
        EXPECT_EQ(RecordingPairs::partnerPath(row[0]), row[1]) << row[0];
    }
    // Event files pair by their "_BC" marks, though not as rows of the list.
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_F_BC.mp4"), "/card/EVT_R_BC.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_R_BC.mp4"), "/card/EVT_F_BC.mp4");
    EXPECT_EQ(RecordingPairs::partnerPath("/card/EVT_F_BC.mp4"), "");
}
