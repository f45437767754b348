#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

TEST(RecordingTelemetry, AnMp4RecordingReadsTheSubtitlesBesideItsFrontFile)
{
    for (const char *mp4 : {"/card/REC_0101F.MP4", "/card/Rec_0101.mp4"})
        EXPECT_TRUE(RecordingTelemetry::needsConversion(QUrl::fromLocalFile(mp4))) << mp4;
    for (const char *other : {"/card/Rec_1.avi", "/card/clip.mov", "/card.mp4/clip.mov"})
        EXPECT_FALSE(RecordingTelemetry::needsConversion(QUrl::fromLocalFile(other))) << other;
    EXPECT_EQ(RecordingTelemetry::subtitlePath("/w/temp_video/REC_0101F_9/REC_0101F_f.mov"),
              "/w/temp_video/REC_0101F_9/REC_0101F_f.srt");

    TempFolder folder;
    TorvaClipData track;
    // Any other recording holds its own, read by name: x = 130 is 20 in the compact layout.
    const QByteArray compact =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(130, 128, 128)) +
                         RiffBuilder::text("$GPRMC,1,V"));
    const QUrl avi = QUrl::fromLocalFile(folder.write("Rec_1.avi", compact));
    EXPECT_EQ(RecordingTelemetry::telemetryPath(avi, folder.path("Rec_1_f.mov")),
              avi.toLocalFile());
    EXPECT_FALSE(RecordingTelemetry::load(avi, QString(), track));
    EXPECT_EQ(track.getGx(0), 20);

    // The recording itself need not even be there.
    folder.write("REC_0101F_f.srt",
                 "1\n00:00:00,000 --> 00:00:00,100\n"
                 "gsensori,1,128,5,5,5;GPRMC,1,A,3723.2475,N,12702.1234,E,10.0\n\n");
    const QUrl mp4 = QUrl::fromLocalFile(folder.path("REC_0101F.MP4"));
    std::optional<SubtitleData> subtitles =
        RecordingTelemetry::load(mp4, folder.path("REC_0101F_f.mov"), track);
    ASSERT_TRUE(subtitles.has_value());
    EXPECT_EQ(subtitles->entries().size(), 1u);
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.gpsDataCount(), 10u);
    // Without its SRT: no telemetry, but still subtitles (empty).
    subtitles = RecordingTelemetry::load(mp4, folder.path("other_f.mov"), track);
    ASSERT_TRUE(subtitles.has_value());
    EXPECT_TRUE(subtitles->entries().empty());
    EXPECT_EQ(track.clipDataCount(), 0u);
}
