#include "core/video/RecordingPartner.h"

#include <gtest/gtest.h>

TEST(RecordingPartner, MarksSwapInTheFileNameOnly)
{
    EXPECT_EQ(RecordingPartner::partnerPath("/card/REC_0101F.mp4"), "/card/REC_0101R.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/card/REC_0101R.mp4"), "/card/REC_0101F.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_F_BC.mp4"), "/card/EVT_R_BC.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/card/EVT_R_BC.mp4"), "/card/EVT_F_BC.mp4");
    // "F." wins over "R." and every occurrence changes.
    EXPECT_EQ(RecordingPartner::partnerPath("/c/xF.R.F.mp4"), "/c/xR.R.R.mp4");
    // A folder that carries a mark is left alone.
    EXPECT_EQ(RecordingPartner::partnerPath("/media/Trip F.2024/clipR.mp4"),
              "/media/Trip F.2024/clipF.mp4");
    EXPECT_EQ(RecordingPartner::partnerPath("/media/Trip F.2024/clip.mp4"), "");
    // Marks are case-sensitive.
    EXPECT_EQ(RecordingPartner::partnerPath("/card/clipf.mp4"), "");
}
