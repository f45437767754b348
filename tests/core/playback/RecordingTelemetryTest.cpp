#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

namespace {

using Loader = RecordingTelemetry::Loader;

const QByteArray kFix = "$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0";
const QByteArray kSrt = "1\n00:00:00,000 --> 00:00:00,100\ngsensor,3,3,3\n\n"
                        "2\n00:00:00,100 --> 00:00:00,200\n"
                        "gsensori,1,128,5,5,5;GPRMC,1,A,3723.2475,N,12702.1234,E,10.0\n\n";

Loader loaderFor(const char *path)
{
    return RecordingTelemetry::loaderFor(QUrl::fromLocalFile(path));
}

} // namespace

TEST(RecordingTelemetry, LoaderFollowsTheRecordingsName)
{
    EXPECT_EQ(loaderFor("/card/REC_0101F.MP4"), Loader::Subtitles);
    EXPECT_EQ(loaderFor("/card/Rec_0101.mp4"), Loader::Subtitles);
    EXPECT_EQ(loaderFor("/card/Rec_1.avi"), Loader::CompactFamily);
    EXPECT_EQ(loaderFor("/card/Manual_1.avi"), Loader::CompactFamily);
    EXPECT_EQ(loaderFor("/card/Rec_1.AVI"), Loader::ReaderChain);
    EXPECT_EQ(loaderFor("/card/FILE0001.avi"), Loader::ReaderChain);
    EXPECT_EQ(loaderFor("/card/clip.mov"), Loader::ReaderChain);
    EXPECT_EQ(loaderFor("/card.mp4/clip.mov"), Loader::ReaderChain);
    EXPECT_EQ(RecordingTelemetry::subtitlePath("/w/temp_video/REC_0101F_9/REC_0101F_f.mov"),
              "/w/temp_video/REC_0101F_9/REC_0101F_f.srt");
}

TEST(RecordingTelemetry, EachLoaderReadsItsFile)
{
    TempFolder folder;
    TorvaClipData track;

    const QByteArray compact =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(130, 128, 128)) +
                         RiffBuilder::text(kFix));
    const QUrl compactUrl = QUrl::fromLocalFile(folder.write("Rec_1.avi", compact));
    EXPECT_FALSE(RecordingTelemetry::load(compactUrl, compactUrl.toLocalFile(), track));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 20);

    const QByteArray avi =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::accelerationRecord(100, 100, 100)) +
                         RiffBuilder::text(kFix));
    const QUrl aviUrl = QUrl::fromLocalFile(folder.write("FILE0001.avi", avi));
    EXPECT_FALSE(RecordingTelemetry::load(aviUrl, folder.path("FILE0001_f.mov"), track));
    EXPECT_EQ(track.getGx(0), 28);

    // An MP4 recording: the SRT beside its playable front file, not the
    // recording itself (which need not even be there).
    folder.write("REC_0101F_f.srt", kSrt);
    const QUrl mp4 = QUrl::fromLocalFile(folder.path("REC_0101F.MP4"));
    std::optional<SubtitleData> subtitles =
        RecordingTelemetry::load(mp4, folder.path("REC_0101F_f.mov"), track);
    ASSERT_TRUE(subtitles.has_value());
    EXPECT_EQ(subtitles->entries().size(), 2u);
    EXPECT_EQ(subtitles->entries()[1].gx(), 5);
    EXPECT_GT(track.clipDataCount(), 0u);
    EXPECT_EQ(track.gpsDataCount(), track.clipDataCount());

    // Without its SRT: no telemetry, but still subtitles (empty).
    subtitles = RecordingTelemetry::load(mp4, folder.path("other_f.mov"), track);
    ASSERT_TRUE(subtitles.has_value());
    EXPECT_TRUE(subtitles->entries().empty());
    EXPECT_EQ(track.clipDataCount(), 0u);
}
