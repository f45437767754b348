#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/library/DemoCardWriter.h"
#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/DemoDrive.h"
#include "core/telemetry/SrtTelemetryReader.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Choice = TelemetrySource::Choice;
using V = std::vector<int>;

// x = 130 reads as 20 in the compact layout, as -2 in the standard one.
const QByteArray kAvi =
    RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(130, 128, 128)) +
                     RiffBuilder::text("$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0"));

int firstX(const QString &path, Choice choice)
{
    const auto reading = TelemetrySource::read(path, choice);
    return reading && reading->count > 0 ? reading->samples.gx[0] : -1000;
}

} // namespace

TEST(TelemetrySource, CompactLayoutByNameOrWhenAsked)
{
    TempFolder folder;
    const QString compact = folder.write("Rec_0001.avi", kAvi);
    const QString other = folder.write("other.avi", kAvi);
    EXPECT_EQ(V({firstX(compact, Choice::ByName), firstX(compact, Choice::ReaderChain),
                 firstX(other, Choice::ByName), firstX(other, Choice::CompactFamily)}),
              (V{20, -2, -2, 20}));
    EXPECT_FALSE(TelemetrySource::read(folder.path("missing.avi"), Choice::ByName));
    for (const char *name : {"/card/Rec_1.avi", "Event_1.avi", "Park_1.avi", "Manual_1.avi"})
        EXPECT_TRUE(TelemetrySource::isCompactFamilyRecording(name)) << name;
    for (const char *name : {"Rec_1.AVI", "rec_1.avi", "/Rec_dir/clip.avi", "Event_1.mp4"})
        EXPECT_FALSE(TelemetrySource::isCompactFamilyRecording(name)) << name;
}

TEST(TelemetrySource, TheChainUsesTheFirstReaderThatFindsTelemetry)
{
    TempFolder folder;
    // MP4 tags win over a tail block and AVI chunks alike.
    const QByteArray mp4 = "02tx\x01gsensor,7,7,7" + QByteArray(1, '\0') +
                           "02tx\x01GPRMC,1,A,3723.2475,N,1,E,0" + QByteArray(1, '\0');
    EXPECT_EQ(firstX(folder.write("clip.mp4", mp4 + kAvi), Choice::ReaderChain), 7);
    EXPECT_EQ(firstX(folder.write("tail.mp4", "xxxxxx1,2.5,3.5,4,5,6,7\n"), Choice::ByName), 5);
    // ".srt" goes to the subtitle reader only, even when it cannot be read;
    // ".SRT" takes the chain.
    const QByteArray srt = "1\n00:00:00,000 --> 00:00:00,100\ngsensor,3,3,3\n\n";
    EXPECT_EQ(firstX(folder.write("clip.srt", srt), Choice::ByName), 3);
    EXPECT_EQ(firstX(folder.write("clip.SRT", srt), Choice::ByName), -1000);
    EXPECT_EQ(TelemetrySource::read(folder.path("none.srt"), Choice::ByName)->count, 0);
}

TEST(TorvaClipData, LoadsReplaceTheTrackAndIndexesOutsideItGiveNoData)
{
    TempFolder folder;
    TorvaClipData track;
    track.loadVideoFileCilpDataFromFilePath_QMV(folder.write("a.avi", kAvi));
    ASSERT_EQ(track.clipDataCount(), 10u);
    int32_t x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    track.getClipDataWithIndex(9, x, y, z, lat, lng, speed);
    EXPECT_EQ(V({x, y, z, int(speed)}), (V{20, 0, 0, 19}));
    EXPECT_FLOAT_EQ(lat, 37.38746f);
    for (const int32_t index : {-1, 10, 650, INT32_MIN}) {
        track.getClipDataWithIndex(index, x, y, z, lat, lng, speed);
        EXPECT_EQ(V({x, y, z, int(speed)}), (V{-512, -512, -512, 1024}));
        EXPECT_EQ(std::vector<float>({lat, lng}), (std::vector<float>{512.0f, 512.0f}));
    }
    // Even a count past the capacity never reads past the arrays.
    track.setClipDataCount(100000);
    EXPECT_EQ(track.getGx(650), -512);

    // A file a reader does not read leaves the track as it was; an unreadable
    // subtitle file stores nothing but clears the position count.
    EXPECT_EQ(track.getAllDataFromFile(folder.path("missing.avi").toUtf8()), 0);
    EXPECT_EQ(track.getAllDataFromFileTail(folder.write("short", "12345")), 0);
    EXPECT_EQ(track.gpsDataCount(), 10u);
    EXPECT_EQ(track.getP820AllDataFromSrtFile(folder.path("none.srt")), 0);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    EXPECT_EQ(track.getGx(0), 20);
    // A reader that finds samples stores them.
    EXPECT_EQ(track.getAllDataFromFile(folder.write("b.avi", kAvi).toUtf8()), 10);
    EXPECT_EQ(V({track.getGx(0), track.getGx(9)}), (V{-2, -2}));
    // Nothing found: everything is cleared, counts included.
    track.loadVideoFileCilpDataFromFilePath(folder.path("missing.avi"));
    EXPECT_EQ(V({int(track.clipDataCount()), int(track.gpsDataCount()), track.samples().gx[0]}),
              (V{0, 0, 0}));
}

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
    // Any other recording holds its own, read by name.
    const QUrl avi = QUrl::fromLocalFile(folder.write("Rec_1.avi", kAvi));
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

TEST(TelemetrySource, ARecordingFallsBackToTheSubtitlesBesideAnMp4)
{
    // A file's own telemetry comes first; only MP4 files have theirs beside
    // them, in the SRT file of the same base name.
    TempFolder folder;
    const std::tuple<const char *, QByteArray, int> cases[] = {
        {"clip.MP4", "no telemetry here", 7},
        {"clip2.avi", "no telemetry here", -1000},
        {"own.mp4", kAvi, -2},
        {"gone.mp4", {}, -1000}, // no file and no SRT file
    };
    for (const auto &[name, bytes, x] : cases) {
        const QString path = folder.path(name);
        if (!bytes.isNull()) {
            folder.write(name, bytes);
            folder.write(QFileInfo(path).completeBaseName() + ".srt",
                         "1\n00:00:00,000 --> 00:00:00,100\ngsensor,7,8,9\n\n");
        }
        const auto reading = TelemetrySource::readRecording(path);
        EXPECT_EQ(reading && reading->count > 0 ? reading->samples.gx[0] : -1000, x) << name;
    }
}

// An MP4 whose telemetry travels as its subtitle stream gives the same
// samples as the SRT text it was made from, read without ffmpeg; a damaged
// sample table gives nothing rather than bytes from elsewhere.
TEST(TelemetrySource, AnMp4SubtitleStreamIsReadInPlace)
{
    TempFolder folder;
    const QString mp4 = folder.path("EVT_F.mp4");
    ASSERT_EQ(DemoCardWriter::writeRecording(DemoCardWriter::Kind::Mp4WithSubtitles, mp4, 3), "");
    DemoDrive::Options options;
    options.seconds = 3;
    const TelemetryReading expected = SrtTelemetryReader::read(DemoDrive(options).srtText());
    const auto reading = TelemetrySource::readRecording(mp4);
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->count, expected.count);
    EXPECT_EQ(reading->gpsCount, expected.gpsCount);
    EXPECT_EQ(reading->samples.gx, expected.samples.gx);
    EXPECT_EQ(reading->samples.gpsInfoLat, expected.samples.gpsInfoLat);

    QFile file(mp4);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    const qsizetype stsz = bytes.lastIndexOf("stsz");
    ASSERT_GT(stsz, 0);
    bytes[stsz + 12] = char(0x7f); // a sample count past the table
    EXPECT_FALSE(TelemetrySource::readRecording(folder.write("cut.mp4", bytes)).has_value());
}
