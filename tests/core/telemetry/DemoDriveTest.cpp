#include "TempFolder.h"

#include "core/telemetry/DemoDrive.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

TEST(DemoDrive, SubtitleTextReadsBackThroughBothReaders)
{
    DemoDrive::Options options;
    options.seconds = 12;
    const DemoDrive drive(options);
    SubtitleData subtitles;
    subtitles.loadFromText(drive.srtText());
    EXPECT_EQ(subtitles.entries().size(), 120u);
    EXPECT_NEAR(subtitles.entries()[55].gz(), 128, 8); // about one g down

    // The first two seconds have no fix yet.
    TempFolder folder;
    TorvaClipData track;
    track.loadVideoFileCilpDataFromFilePath(folder.write("drive.srt", drive.srtText()));
    EXPECT_EQ(track.clipDataCount(), 120u);
    EXPECT_EQ(track.gpsDataCount(), 100u);
}

TEST(DemoDrive, RmcSentencesCarryAValidChecksum)
{
    const QByteArray sentence =
        DemoDrive::rmcSentence(QDateTime(QDate(2026, 5, 14), QTime(8, 30, 5), Qt::UTC), true,
                               37.387458, -127.035390, 10.0, 84.4);
    EXPECT_TRUE(
        sentence.startsWith("$GPRMC,083005.00,A,3723.2475,N,12702.1234,W,10.0,84.4,140526,,,A*"))
        << sentence.constData();
    uint8_t checksum = 0;
    for (const char c : sentence.mid(1, sentence.indexOf('*') - 1))
        checksum ^= uint8_t(c);
    EXPECT_EQ(sentence.mid(sentence.indexOf('*') + 1).toUInt(nullptr, 16), checksum);
}
