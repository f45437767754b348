#include "TempFolder.h"

#include "core/telemetry/Mp4TelemetryScanner.h"
#include "core/telemetry/P820TelemetryRecords.h"
#include "core/telemetry/TorvaClipData.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kRmc = "GPRMC,123519,A,3723.2475,N,12702.1234,E,10.0,084.4,230394";

// A tag as the cameras write it: "02tx", one byte, zero padding, the record.
QByteArray tagged(const QByteArray &record, int padding = 3)
{
    return "02tx" + QByteArray(1, '\x01') + QByteArray(padding, '\0') + record +
           QByteArray(1, '\0');
}

std::unique_ptr<TorvaClipData> scan(const QByteArray &bytes,
                                    int64_t blockSize = Mp4TelemetryScanner::kBlockBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto track = std::make_unique<TorvaClipData>();
    track->setClipDataCount(uint32_t(Mp4TelemetryScanner::scan(buffer, *track, blockSize)));
    return track;
}

std::unique_ptr<TorvaClipData> readSrt(const QByteArray &text)
{
    TempFolder folder;
    auto track = std::make_unique<TorvaClipData>();
    track->loadVideoFileCilpDataFromFilePath(folder.write("clip.srt", text));
    return track;
}

TextFields fields(const char *text)
{
    return TextFields(text, ',');
}

} // namespace

TEST(P820TelemetryRecords, AccelerationEntries)
{
    // The z field is cut to at most three characters before it is read.
    const auto gsensorI =
        P820TelemetryRecords::gsensoriEntry(fields("gsensori,16,4096,256,-128,4096"));
    ASSERT_TRUE(gsensorI);
    EXPECT_EQ(gsensorI->x, 128);
    EXPECT_EQ(gsensorI->y, -63);
    EXPECT_EQ(gsensorI->z, 205);
    const auto cut = P820TelemetryRecords::gsensorEntry(fields("gsensor,12,-5,128abc"));
    EXPECT_EQ(cut->z, 128);
    EXPECT_EQ(P820TelemetryRecords::gsensorEntry(fields("gsensor,1,2,-7"))->z, -7);
    EXPECT_EQ(P820TelemetryRecords::cutZField("-12345"), -12);
    EXPECT_EQ(P820TelemetryRecords::cutZField(" 123"), 0);
    EXPECT_EQ(P820TelemetryRecords::cutZField("1\xC3\xA9"), 1);
    // Limits and a scale of zero, or no counts at all, give no division.
    EXPECT_EQ(P820TelemetryRecords::gsensoriEntry(fields("gsensori,1,1,-9000,9000,0"))->x, -512);
    EXPECT_EQ(P820TelemetryRecords::gsensoriEntry(fields("gsensori,1,1,-9000,9000,0"))->y, 512);
    EXPECT_EQ(P820TelemetryRecords::gsensoriEntry(fields("gsensori,0,128,10,20,30"))->x, 0);
    EXPECT_EQ(P820TelemetryRecords::gsensoriEntry(fields("gsensori,-1,-2147483648,1,1,1"))->x, 0);
    EXPECT_FALSE(P820TelemetryRecords::gsensorEntry(fields("gsensor,1,2")));
    EXPECT_FALSE(P820TelemetryRecords::gsensoriEntry(fields("gsensori,1,2,3,4")));
}

TEST(Mp4TelemetryScanner, TagsGroupsAndFixes)
{
    QByteArray bytes = "ftypisom....0000x02ty03t";
    for (int i = 0; i < 5; ++i)
        bytes += "\x01\x02" + tagged("gsensor," + QByteArray::number(i) + ",-5,7");
    bytes += tagged(kRmc, 0) + "mdat" + tagged("$GPRMC,1,A,1,N,1,E,1") + tagged("gsensor,9,9,9");
    const auto track = scan(bytes);
    ASSERT_EQ(track->clipDataCount(), 20u);
    EXPECT_EQ(track->getGx(2), 1);
    EXPECT_EQ(track->getGy(2), -5);
    EXPECT_EQ(track->getGpsSpeed(0), 19u);
    EXPECT_FLOAT_EQ(track->getGpsLat(0), 37.38746f);
    // The entry after the last fix is closed at the end with that fix; a
    // sentence with its leading "$" is no RMC record.
    EXPECT_EQ(track->getGx(19), 9);
    EXPECT_FLOAT_EQ(track->getGpsLng(19), 127.0354f);
    EXPECT_EQ(track->gpsDataCount(), 20u);
}

TEST(Mp4TelemetryScanner, WithoutFixesEachEntryIsOneSample)
{
    QByteArray bytes;
    for (int i = 0; i < 25; ++i)
        bytes += tagged("gsensor," + QByteArray::number(i) + ",0,0");
    const auto track = scan(bytes);
    ASSERT_EQ(track->clipDataCount(), 25u);
    EXPECT_EQ(track->getGx(24), 24);
    EXPECT_EQ(track->gpsDataCount(), 0u);

    // A fix before every entry leaves nothing to store.
    EXPECT_EQ(scan(tagged(kRmc) + bytes)->clipDataCount(), 0u);
    // A tag cut by the end of the file, and records that are not UTF-8.
    EXPECT_EQ(scan("xx02t")->clipDataCount(), 0u);
    EXPECT_EQ(scan(tagged("gsensor,\xFF,1,1"))->clipDataCount(), 0u);
    EXPECT_EQ(scan(QByteArray("02tx") + QByteArray(9, '\0'))->clipDataCount(), 0u);
}

TEST(Mp4TelemetryScanner, BlockBoundariesDoNotChangeTheResult)
{
    // Random filler with tags and zero runs everywhere, scanned whole and in
    // tiny blocks that cut tags, padding and records apart.
    QRandomGenerator random(42);
    QByteArray bytes;
    for (int i = 0; i < 400; ++i) {
        bytes += QByteArray(int(random.bounded(40)), char('0' + random.bounded(4)));
        const int kind = int(random.bounded(3));
        if (kind == 0)
            bytes += tagged("gsensor," + QByteArray::number(random.bounded(200)) + ",1,2",
                            int(random.bounded(300)));
        else if (kind == 1)
            bytes += tagged("gsensori,1,128," + QByteArray::number(random.bounded(100)) + ",2,3");
        else
            bytes += tagged(i % 7 == 0 ? QByteArray("GNRMC,1,V") : kRmc, int(random.bounded(5)));
    }
    const auto whole = scan(bytes, bytes.size() + 1);
    ASSERT_GT(whole->clipDataCount(), 100u);
    for (const int64_t block : {1, 2, 3, 5, 64, 119, 120, 4096}) {
        const auto pieces = scan(bytes, block);
        ASSERT_EQ(pieces->clipDataCount(), whole->clipDataCount()) << block;
        EXPECT_EQ(pieces->gpsDataCount(), whole->gpsDataCount());
        for (int i = 0; i < int(whole->clipDataCount()); ++i) {
            ASSERT_EQ(pieces->getGx(i), whole->getGx(i)) << block << " " << i;
            ASSERT_EQ(pieces->getGpsLat(i), whole->getGpsLat(i));
        }
    }
}

TEST(SrtTelemetryReader, GsensoriWithRmcClosesItsOwnGroup)
{
    const QByteArray srt = "1\n00:00:00,000 --> 00:00:00,100\ngsensor,1,1,1\n\n"
                           "2\n00:00:00,100 --> 00:00:00,200\n"
                           "gsensori,1,128,10,20,30;GPRMC,1,A,3723.2475,N,12702.1234,E,10.0\n\n"
                           "3\n00:00:00,200 --> 00:00:00,300\nCAR,0,0,0\n\n"
                           "4\n00:00:00,300 --> 00:00:00,400\ndummy\n\n";
    const auto track = readSrt(srt);
    ASSERT_EQ(track->clipDataCount(), 20u);
    EXPECT_EQ(track->getGx(0), 1);
    EXPECT_EQ(track->getGx(9), 10);
    EXPECT_EQ(track->getGz(9), 30);
    EXPECT_EQ(track->getGpsSpeed(9), 19u);
    // "CAR" repeats nothing here (the group was just closed) and reads its own fields.
    EXPECT_EQ(track->getGx(19), 0);
    EXPECT_EQ(track->gpsDataCount(), 20u);
}

TEST(SrtTelemetryReader, CarRepeatsTheLastEntry)
{
    const QByteArray srt =
        "1\n00:00:00,000 --> 00:00:00,100\ngsensor,5,6,7\n\n"
        "2\n00:00:00,100 --> 00:00:00,200\nCAR,1,1,1\n\n"
        "3\n00:00:00,200 --> 00:00:00,300\nGNRMC,1,A,3723.2475,S,12702.1234,W,0\n\n";
    const auto track = readSrt(srt);
    ASSERT_EQ(track->clipDataCount(), 10u);
    EXPECT_EQ(track->getGx(9), 5);
    EXPECT_FLOAT_EQ(track->getGpsLat(9), -37.38746f);
}

TEST(SrtTelemetryReader, UnreadableOrEmptyTextStoresNothing)
{
    TorvaClipData track;
    track.setGpsDataCount(5);
    TempFolder folder;
    EXPECT_EQ(track.getP820AllDataFromSrtFile(folder.write("empty.srt", "")), 0);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    track.setGpsDataCount(5);
    EXPECT_EQ(track.getP820AllDataFromSrtFile(folder.write("bad.srt", "1\n\xFF\n\n")), 0);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    EXPECT_EQ(track.getP820AllDataFromSrtFile(folder.path("none.srt")), 0);
    // A payload that runs into the next block when a block has no text.
    const auto merged =
        readSrt("1\n00:00:00,000 --> 00:00:00,100\n\n2\n00:00:00,100 --> x\ngsensor,1,1,1\n\n");
    EXPECT_EQ(merged->clipDataCount(), 0u);
}
