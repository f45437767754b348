#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kFix = "$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0";

QByteArray aviWithOneSecond()
{
    return RiffBuilder::avi(RiffBuilder::text(RiffBuilder::accelerationRecord(100, 100, 100)) +
                            RiffBuilder::text(kFix));
}

} // namespace

TEST(TorvaClipData, InvalidIndexesGiveNoDataValues)
{
    TempFolder folder;
    TorvaClipData track;
    track.loadVideoFileCilpDataFromFilePath(folder.write("a.avi", aviWithOneSecond()));
    ASSERT_EQ(track.clipDataCount(), 10u);
    for (const int32_t index : {-1, 10, 650, INT32_MIN}) {
        EXPECT_EQ(track.getGx(index), -512);
        EXPECT_EQ(track.getGy(index), -512);
        EXPECT_EQ(track.getGz(index), -512);
        EXPECT_EQ(track.getGpsLat(index), 512.0f);
        EXPECT_EQ(track.getGpsLng(index), 512.0f);
        EXPECT_EQ(track.getGpsSpeed(index), 1024u);
    }
    int32_t x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    track.getClipDataWithIndex(9, x, y, z, lat, lng, speed);
    EXPECT_EQ(x, 28);
    EXPECT_FLOAT_EQ(lat, 37.38746f);
    EXPECT_EQ(speed, 19u);
    track.getClipDataWithIndex(-5, x, y, z, lat, lng, speed);
    EXPECT_EQ(x, -512);
    EXPECT_EQ(speed, 1024u);
    // Even a count past the capacity never reads past the arrays.
    track.setClipDataCount(100000);
    EXPECT_EQ(track.getGx(650), -512);
}

TEST(TorvaClipData, TheChainUsesTheFirstReaderThatFindsTelemetry)
{
    TempFolder folder;
    TorvaClipData track;
    // MP4 tags win over a tail block and AVI chunks alike.
    const QByteArray mp4 = "02tx\x01gsensor,7,7,7" + QByteArray(1, '\0') +
                           "02tx\x01GPRMC,1,A,3723.2475,N,1,E,0" + QByteArray(1, '\0');
    track.loadVideoFileCilpDataFromFilePath(folder.write("clip.mp4", mp4));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 7);

    track.loadVideoFileCilpDataFromFilePath(folder.write("tail.mp4", "xxxxxx1,2.5,3.5,4,5,6,7\n"));
    EXPECT_EQ(track.clipDataCount(), 1u);
    EXPECT_EQ(track.getGz(0), 7);

    track.loadVideoFileCilpDataFromFilePath(folder.write("clip.avi", aviWithOneSecond()));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 28);
    EXPECT_EQ(track.gpsDataCount(), 10u);

    // ".srt" goes to the subtitle reader only; ".SRT" takes the chain.
    track.loadVideoFileCilpDataFromFilePath(
        folder.write("clip.srt", "1\n00:00:00,000 --> 00:00:00,100\ngsensor,3,3,3\n\n"));
    EXPECT_EQ(track.clipDataCount(), 1u);
    EXPECT_EQ(track.getGx(0), 3);

    // Nothing found: everything is cleared, counts included.
    track.loadVideoFileCilpDataFromFilePath(folder.path("missing.avi"));
    EXPECT_EQ(track.clipDataCount(), 0u);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    EXPECT_EQ(track.samples().gx[0], 0);
}

TEST(TorvaClipData, CompactFamilyIsRecognisedByName)
{
    EXPECT_TRUE(TorvaClipData::isCompactFamilyRecording("/card/Rec_20240101.avi"));
    EXPECT_TRUE(TorvaClipData::isCompactFamilyRecording("Manual_1.avi"));
    EXPECT_FALSE(TorvaClipData::isCompactFamilyRecording("Rec_1.AVI"));
    EXPECT_FALSE(TorvaClipData::isCompactFamilyRecording("rec_1.avi"));
    EXPECT_FALSE(TorvaClipData::isCompactFamilyRecording("/Rec_dir/clip.avi"));
    EXPECT_FALSE(TorvaClipData::isCompactFamilyRecording("Event_1.mp4"));

    TempFolder folder;
    TorvaClipData track;
    const QByteArray compact =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(130, 128, 128)) +
                         RiffBuilder::text(kFix));
    track.loadVideoFileCilpDataFromFilePath_QMV(folder.write("Rec_1.avi", compact));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 20);
}
