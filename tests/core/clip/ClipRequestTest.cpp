#include "core/clip/ClipRequest.h"
#include "core/clip/RecordingStartTime.h"

#include <gtest/gtest.h>

TEST(ClipRequest, NamesOneVideoPerCameraOfALosslessClipAndTheTelemetryAfterTheOutput)
{
    using Mode = ClipRequest::Mode;
    const struct
    {
        Mode mode;
        const char *rear;
        const char *output;
        QStringList videos;
        const char *subtitles;
    } rows[] = {
        {Mode::Lossless,
         "/c/r.mov",
         "/out/clip.mp4",
         {"/out/clip_F.mp4", "/out/clip_R.mp4"},
         "/out/clip.srt"},
        {Mode::Lossless, "", "/out/clip.mp4", {"/out/clip.mp4"}, "/out/clip.srt"},
        {Mode::Composed, "/c/r.mov", "/out/clip.mp4", {"/out/clip.mp4"}, "/out/clip.srt"},
        {Mode::Lossless,
         "/c/r.mov",
         "/o.d/a.b.MOV",
         {"/o.d/a.b_F.MOV", "/o.d/a.b_R.MOV"},
         "/o.d/a.b.srt"},
    };
    for (const auto &row : rows) {
        ClipRequest request;
        request.mode = row.mode;
        request.frontInput = "/c/f.mov";
        request.rearInput = row.rear;
        request.output = row.output;
        EXPECT_EQ(request.videoOutputs(), row.videos) << row.output;
        EXPECT_EQ(request.subtitlesOutput(), row.subtitles) << row.output;
        EXPECT_EQ(request.trackOutput(), QString(row.subtitles).replace(".srt", ".gpx"));
    }
}

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

TEST(RecordingStartTime, ReadsTheCameraClockFromTheFileName)
{
    const QDateTime start(QDate(2026, 5, 14), QTime(8, 30, 50));
    const struct
    {
        const char *path;
        QDateTime time;
    } rows[] = {
        {"/card/evt_rec/EVT_20260514_083050_F.mp4", start},
        {"/20260101_000000/REC_20260514_083050.avi", start}, // folders do not count
        {"/card/clip.mp4", {}},
        {"/card/REC_20261314_083050.avi", {}}, // no 13th month
        {"/card/REC_120260514_083050.avi", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(RecordingStartTime::fromFileName(row.path), row.time) << row.path;
}
