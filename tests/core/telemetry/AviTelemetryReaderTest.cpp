#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kFixNorthEast =
    "$GPRMC,123519,A,3723.2475,N,12702.1234,E,10.0,084.4,230394,003.1,W*6A";

// Raw byte x whose stored standard value is 128 - x, so entry i reads back as i.
QByteArray entries(int count, int firstValue = 0)
{
    QByteArray chunks;
    for (int i = 0; i < count; ++i) {
        const auto raw = uint8_t(128 - (firstValue + i));
        chunks += RiffBuilder::text(RiffBuilder::accelerationRecord(raw, raw, raw));
    }
    return chunks;
}

std::unique_ptr<TorvaClipData> loadAvi(const QByteArray &riff, bool compact = false)
{
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("clip.avi"), riff);
    auto track = std::make_unique<TorvaClipData>();
    if (compact)
        track->setClipDataCount(uint32_t(track->getAllDataFromFile_QMV(path.toUtf8())));
    else
        track->setClipDataCount(uint32_t(track->getAllDataFromFile(path.toUtf8())));
    return track;
}

std::vector<int> xValues(const TorvaClipData &track)
{
    std::vector<int> values;
    for (int i = 0; i < int(track.clipDataCount()); ++i)
        values.push_back(track.getGx(i));
    return values;
}

} // namespace

TEST(AviTelemetryReader, OneSecondWithAFixBecomesTenSamples)
{
    const auto track = loadAvi(RiffBuilder::avi(entries(5) + RiffBuilder::text(kFixNorthEast)));
    ASSERT_EQ(track->clipDataCount(), 10u);
    EXPECT_EQ(xValues(*track), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(track->gpsDataCount(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(track->getGpsSpeed(i), 19u);
        EXPECT_FLOAT_EQ(track->getGpsLat(i), 37.38746f);
        EXPECT_FLOAT_EQ(track->getGpsLng(i), 127.0354f);
    }

    QByteArray southWest = kFixNorthEast;
    southWest.replace(",N,", ",S,").replace(",E,", ",W,");
    const auto negative = loadAvi(RiffBuilder::avi(entries(5) + RiffBuilder::text(southWest)));
    EXPECT_FLOAT_EQ(negative->getGpsLat(3), -37.38746f);
    EXPECT_FLOAT_EQ(negative->getGpsLng(3), -127.0354f);
}

TEST(AviTelemetryReader, StoredAccelerationIs128MinusRaw)
{
    const QByteArray record = RiffBuilder::accelerationRecord(0, 128, 255);
    const auto track =
        loadAvi(RiffBuilder::avi(RiffBuilder::text(record) + RiffBuilder::text("T")));
    ASSERT_EQ(track->clipDataCount(), 10u);
    EXPECT_EQ(track->getGx(0), 128);
    EXPECT_EQ(track->getGy(0), 0);
    EXPECT_EQ(track->getGz(0), -127);
}

TEST(AviTelemetryReader, GroupsKeepAtMostSixtyEntries)
{
    const auto track = loadAvi(RiffBuilder::avi(entries(75) + RiffBuilder::text(kFixNorthEast)));
    EXPECT_EQ(xValues(*track), (std::vector<int>{0, 3, 9, 15, 21, 27, 33, 39, 45, 51}));
}

TEST(AviTelemetryReader, SecondMarkerClosesWithoutPositionAndClearsTheFix)
{
    const QByteArray stream = entries(3) + RiffBuilder::text(kFixNorthEast) + entries(3) +
                              RiffBuilder::text("T") + entries(3);
    const auto track = loadAvi(RiffBuilder::avi(stream));
    // Three closings: the fix, the marker, and the end of the file.
    ASSERT_EQ(track->clipDataCount(), 30u);
    EXPECT_EQ(track->gpsDataCount(), 10u);
    EXPECT_EQ(track->getGpsSpeed(15), 0u);
    EXPECT_FLOAT_EQ(track->getGpsLat(15), 0.0f);
    EXPECT_FLOAT_EQ(track->getGpsLat(25), 0.0f); // the marker cleared the state
}

TEST(AviTelemetryReader, TrailingEntriesNeedAnEarlierClosing)
{
    EXPECT_EQ(loadAvi(RiffBuilder::avi(entries(8)))->clipDataCount(), 0u);
    const auto track =
        loadAvi(RiffBuilder::avi(entries(2) + RiffBuilder::text(kFixNorthEast) + entries(4, 10)));
    ASSERT_EQ(track->clipDataCount(), 20u);
    EXPECT_EQ(track->getGx(19), 13);
    EXPECT_EQ(track->gpsDataCount(), 20u); // the last fix still holds
}

TEST(AviTelemetryReader, OtherSentencesNeitherCloseNorChangeTheFix)
{
    const QByteArray gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
    const auto track = loadAvi(RiffBuilder::avi(entries(2) + RiffBuilder::text(gga) +
                                                entries(2, 2) + RiffBuilder::text(kFixNorthEast)));
    ASSERT_EQ(track->clipDataCount(), 10u);
    EXPECT_EQ(xValues(*track), (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 2, 3, 3}));
    // "G$GPRMC" counts as an RMC sentence too; status V is no fix.
    const auto noFix =
        loadAvi(RiffBuilder::avi(entries(2) + RiffBuilder::text("G$GPRMC,1,V,3723.2475,N,1,E,50")));
    ASSERT_EQ(noFix->clipDataCount(), 10u);
    EXPECT_EQ(noFix->gpsDataCount(), 0u);
    EXPECT_EQ(noFix->getGpsSpeed(0), 0u);
}

TEST(AviTelemetryReader, WalksOddSizesNestedListsAndOtherChunks)
{
    const QByteArray movi = RiffBuilder::list(
        "movi",
        RiffBuilder::chunk("00dc", QByteArray(333, 'v')) +
            RiffBuilder::text(RiffBuilder::accelerationRecord(127, 127, 127)) +
            RiffBuilder::list("rec ", RiffBuilder::chunk("01wb", QByteArray(7, 'a')) + entries(1)) +
            RiffBuilder::chunk("03tx", "$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0")); // odd size
    const QByteArray stream =
        RiffBuilder::list("hdrl", RiffBuilder::chunk("avih", QByteArray(56, '\0'))) + movi +
        RiffBuilder::chunk("JUNK", QByteArray(3, 'j')) + entries(1) + RiffBuilder::text("T");
    const auto track = loadAvi(RiffBuilder::avi(stream));
    ASSERT_EQ(track->clipDataCount(), 20u);
    EXPECT_EQ(track->getGx(0), 1);
    EXPECT_EQ(track->getGx(9), 0);
    EXPECT_EQ(track->getGpsSpeed(9), 19u);
    EXPECT_EQ(track->gpsDataCount(), 10u);
}

TEST(AviTelemetryReader, CompactFamilyScalesByTenAndNeedsItsFlags)
{
    QByteArray stream;
    stream += RiffBuilder::text(RiffBuilder::compactAccelerationRecord(0, 128, 255));
    stream += RiffBuilder::text(RiffBuilder::compactAccelerationRecord(1, 1, 1, 0)); // flag not set
    stream += RiffBuilder::text(RiffBuilder::accelerationRecord(2, 2, 2));           // too short
    stream += RiffBuilder::text("T"); // no markers here
    stream += RiffBuilder::text(kFixNorthEast);
    const auto track = loadAvi(RiffBuilder::avi(stream), true);
    ASSERT_EQ(track->clipDataCount(), 10u);
    EXPECT_EQ(track->getGx(9), -1280);
    EXPECT_EQ(track->getGy(9), 0);
    EXPECT_EQ(track->getGz(9), 1270);
    EXPECT_EQ(track->gpsDataCount(), 10u);
}

TEST(AviTelemetryReader, NeverStoresPastTheCapacity)
{
    QByteArray stream;
    for (int second = 0; second < 70; ++second)
        stream += entries(10) + RiffBuilder::text(kFixNorthEast);
    const auto track = loadAvi(RiffBuilder::avi(stream));
    EXPECT_EQ(track->clipDataCount(), 650u);
    EXPECT_EQ(track->gpsDataCount(), 650u);
}

TEST(AviTelemetryReader, RejectsOtherFilesAndSurvivesBrokenOnes)
{
    TorvaClipData track;
    track.setGpsDataCount(7);
    TempFolder folder;
    EXPECT_EQ(track.getAllDataFromFile(folder.write("a.avi", "RIFF\4\0\0\0WAVE").toUtf8()), 0);
    EXPECT_EQ(track.getAllDataFromFile(folder.write("b.avi", "RIF").toUtf8()), 0);
    EXPECT_EQ(track.getAllDataFromFile(folder.path("missing.avi").toUtf8()), 0);
    EXPECT_EQ(track.gpsDataCount(), 7u); // untouched by files it does not read

    // A text chunk claiming more than the file holds is read as far as it goes.
    const QByteArray truncated =
        RiffBuilder::avi(entries(3) + RiffBuilder::text(kFixNorthEast) +
                         RiffBuilder::chunkWithSize("02tx", 4000, "M\1\1\1"));
    const auto cut = loadAvi(truncated);
    ASSERT_EQ(cut->clipDataCount(), 20u);
    EXPECT_EQ(cut->getGx(19), 127);
    // A header cut short ends the walk.
    EXPECT_EQ(loadAvi(RiffBuilder::avi(entries(3) + RiffBuilder::text(kFixNorthEast) + "01w"))
                  ->clipDataCount(),
              10u);
    // Short "M" records are not read past their payload.
    const auto shortRecords = loadAvi(RiffBuilder::avi(
        RiffBuilder::text("M\1") + RiffBuilder::text("M") + RiffBuilder::text(kFixNorthEast)));
    EXPECT_EQ(shortRecords->clipDataCount(), 0u);
}
