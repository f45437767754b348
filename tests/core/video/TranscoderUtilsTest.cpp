#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "core/video/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// What ffmpeg 5.1 prints for "-i" on a camera's MP4 and on a two-camera AVI.
const char kListing[] = R"(Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/card/REC F.mp4':
  Duration: 00:00:02.00, start: 0.000000, bitrate: 790 kb/s
  Stream #0:0[0x1](und): Video: h264 (Constrained Baseline) (avc1 / 0x31637661), yuv420p, 320x180
  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 69 kb/s (default)
  Stream #0:2[0x3](und): Subtitle: mov_text (tx3g / 0x67337874), 0 kb/s (default)
Guessed Channel Layout for Input Stream #0.2 : mono
Input #1, avi, from '/card/dual.avi':
  Stream #1:0: Video: h264 (H264 / 0x34363248), yuv420p(progressive), 320x180
  Stream #1:1: video: h264 (H264 / 0x34363248), yuv420p(progressive), 160x90
  Stream #1:2(kor): AUDIO: pcm_s16le ([1][0][0][0] / 0x0001), 22050 Hz, mono, s16, 352 kb/s
At least one output file must be specified
)";

QString writeAt(const TempFolder &folder, const QString &name, qint64 offset,
                const QByteArray &mark)
{
    QByteArray bytes(200, 'x');
    bytes.replace(offset, mark.size(), mark);
    return folder.write(name, bytes);
}

} // namespace

TEST(TranscoderUtils, StreamCountsAllowStreamIdsLanguagesAndAnyCase)
{
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoInfo(QString::fromUtf8(kListing)), 3);
    EXPECT_EQ(Utils::GetAudioStreamCountFromVideoInfo(QString::fromUtf8(kListing)), 2);
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoInfo(""), 0);
    EXPECT_EQ(Utils::GetAudioStreamCountFromVideoInfo("Stream #0:0: Subtitle: mov_text"), 0);
}

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
    TempFolder folder;
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "a.avi", 112, "H264")), 0);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "b.avi", 112, "avc1")), 1);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "c.mp4", 16, "iso4hvc1mp41")), 2);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "d.mp4", 16, "ISO4HVC1")), 2);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "e.mp4", 16, "iso4hvc")), 3);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "f.mp4", 16, "avc1")), 1);
    EXPECT_EQ(Utils::GetAviType(writeAt(folder, "g.mp4", 113, "H264")), 3);
    QByteArray both(200, 'x');
    both.replace(16, 4, "AVC1");
    both.replace(112, 4, "h264");
    EXPECT_EQ(Utils::GetAviType(folder.write("both.avi", both)), 0);
    EXPECT_EQ(Utils::GetAviType(folder.write("short.avi", "RIFF")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.write("brand-only.mp4", QByteArray(16, 'x') + "H2")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.path("missing.avi")), 3);
}

TEST(TranscoderUtils, WorkingFolderLivesInTheCacheFolderAndIsRemovedWhole)
{
    TemporaryHome home;
    const QString working = Utils::GetWorkingDirectoryPath();
    EXPECT_EQ(working, home.path(".cache/Torvaview/torvaview/conversions"));
    EXPECT_TRUE(QFileInfo(working).isDir());
    ASSERT_TRUE(QDir(working).mkpath("temp_video/clip_10"));
    QFile(working + "/temp_video/clip_10/clip_f.mov").open(QIODevice::WriteOnly);

    // A link is removed, never what it points to.
    const QString link = home.path("link");
    ASSERT_TRUE(QFile::link(working, link));
    EXPECT_TRUE(Utils::RemoveDirectory(link));
    EXPECT_TRUE(QFileInfo::exists(working + "/temp_video/clip_10/clip_f.mov"));

    EXPECT_TRUE(Utils::RemoveDirectory(working));
    EXPECT_FALSE(QFileInfo::exists(working));
    EXPECT_TRUE(QFileInfo(home.path(".cache/Torvaview/torvaview")).isDir());
    EXPECT_FALSE(Utils::RemoveDirectory(working));
}
