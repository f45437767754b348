#include "TempFolder.h"
#include "TestMedia.h"

#include "core/video/Utils.h"

#include <gtest/gtest.h>

TEST(TranscoderUtils, StreamListingOfRealFilesWithAwkwardNames)
{
    TempFolder folder;
    const QString dual = folder.path("-dual 'q' \"dq\" é 한.avi");
    ASSERT_TRUE(TestMedia::dualCameraAvi(dual));
    const QString info = Utils::GetFFMPEGVideoInfo(dual);
    EXPECT_TRUE(info.contains(dual)) << qPrintable(info); // standard error came back, as UTF-8
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoPath(dual), 2);
    EXPECT_EQ(Utils::GetAudioStreamCountFromVideoPath(dual), 1);
    const QString mp4 = folder.path("clip F.mp4");
    ASSERT_TRUE(TestMedia::mp4WithSubtitles(mp4, "1\n00:00:00,000 --> 00:00:01,000\nx\n\n"));
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoPath(mp4), 1);
    // ffmpeg's AVI carries "H264" at its handler; an ordinary MP4's brands
    // ("isomiso2avc1mp41") match no mark.
    EXPECT_EQ(Utils::GetAviType(dual), 0);
    EXPECT_EQ(Utils::GetAviType(mp4), 3);
}

TEST(TranscoderUtils, DoTaskNeverUsesAShell)
{
    EXPECT_EQ(Utils::DoTaskWithLaunchPath("/bin/echo", {"a  b", "$HOME;", "`x`", "é"}),
              "a  b $HOME; `x` é\n");
    EXPECT_EQ(Utils::DoTaskWithLaunchPath("/bin/echo"), "\n");
    EXPECT_EQ(Utils::DoTaskWithLaunchPath("/no/such/program", {"x"}), "");
    EXPECT_FALSE(Utils::GetFFMPEGPath().isEmpty());
}

TEST(TranscoderUtils, AviTypeReadsTheHandlerThenTheBrands)
{
    // A mark at the AVI video handler (112) or the MP4 brands (16).
    const struct
    {
        int offset;
        const char *mark;
        int type;
    } rows[] = {{112, "H264", 0},   {112, "avc1", 1}, {16, "iso4hvc1mp41", 2}, {16, "ISO4HVC1", 2},
                {16, "iso4hvc", 3}, {16, "avc1", 1},  {113, "H264", 3}};
    TempFolder folder;
    for (const auto &row : rows) {
        QByteArray bytes(200, 'x');
        bytes.replace(row.offset, qsizetype(qstrlen(row.mark)), row.mark);
        EXPECT_EQ(Utils::GetAviType(folder.write("f.avi", bytes)), row.type) << row.mark;
    }
    QByteArray both(200, 'x');
    both.replace(16, 4, "AVC1");
    both.replace(112, 4, "h264");
    EXPECT_EQ(Utils::GetAviType(folder.write("both.avi", both)), 0);
    EXPECT_EQ(Utils::GetAviType(folder.write("short.avi", "RIFF")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.write("brand-only.mp4", QByteArray(16, 'x') + "H2")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.path("missing.avi")), 3);
}
