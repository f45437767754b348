#include "TempFolder.h"

#include "core/telemetry/SubtitleData.h"

#include <gtest/gtest.h>

namespace {

SubtitleData load(const QByteArray &text)
{
    SubtitleData data;
    data.loadFromText(text);
    return data;
}

QByteArray block(int number, const char *start, const QByteArray &payload)
{
    return QByteArray::number(number) + "\n" + start + " --> 00:59:59,999\n" + payload + "\n\n";
}

QByteArray fixAt(const char *start, const char *latitude, int knots = 0)
{
    return block(1, start,
                 QByteArray("GPRMC,1,A,") + latitude + ",N,12700.0000,E," +
                     QByteArray::number(knots));
}

} // namespace

TEST(SubtitleData, BlocksBecomeTimedEntries)
{
    const SubtitleData data =
        load(block(1, "00:00:02,100", "gsensor,10,-20,600") +
             block(2, "01:01:02,500",
                   "gsensori,1,256,-129,3,1000;GPRMC,1,A,3723.2475,S,12702.1234,E,10.0"));
    ASSERT_EQ(data.entries().size(), 2u);
    const SubtitleEntry &first = data.entries()[0];
    EXPECT_EQ(first.cts(), 2100);
    EXPECT_EQ(first.gx(), 10);
    EXPECT_EQ(first.gy(), -20);
    EXPECT_EQ(first.gz(), 512);
    EXPECT_EQ(first.lat(), 512.0f);
    EXPECT_EQ(first.speed(), 1024u);
    const SubtitleEntry &second = data.entries()[1];
    EXPECT_EQ(second.cts(), 62500); // hours are not counted
    EXPECT_EQ(second.gx(), -65);    // -64.5 rounds away from zero
    EXPECT_EQ(second.gy(), 2);
    EXPECT_EQ(second.gz(), 500);
    EXPECT_FLOAT_EQ(second.lat(), -37.387458f);
    EXPECT_EQ(second.speed(), 19u);

    int32_t x = 0, y = 0, z = 0;
    EXPECT_TRUE(data.getSensorAt(21, x, y, z));
    EXPECT_EQ(x, 10);
    EXPECT_FALSE(data.getSensorAt(20, x, y, z));
}

TEST(SubtitleData, BlocksEndAtBlankLinesOnly)
{
    // No final line break: the last block is lost. A time line without a
    // blank line before the next one drops the open block.
    QByteArray text = "1\n00:00:01,000 --> 00:00:01,100\ngsensor,1,1,1\n"
                      "2\n00:00:02,000 --> 00:00:02,100\ngsensor,2,2,2\n\n"
                      "3\n00:00:03,000 --> 00:00:03,100\ngsensor,3,3,3";
    const SubtitleData data = load(text);
    ASSERT_EQ(data.entries().size(), 1u);
    EXPECT_EQ(data.entries()[0].gx(), 2);
    EXPECT_TRUE(load("\xFF\xFE").entries().empty());
}

TEST(SubtitleData, PositionsInterpolateBetweenNearestFixes)
{
    const SubtitleData data =
        load(fixAt("00:00:01,000", "3700.0000", 10) + fixAt("00:00:02,000", "3800.0000", 20) +
             block(3, "00:00:01,500", "GPRMC,1,V,3900.0000,N,12700.0000,E,5"));
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    EXPECT_EQ(data.getGpsAt(15, lat, lng, speed), SubtitleData::GpsApproximate);
    EXPECT_FLOAT_EQ(lat, 37.5f);
    EXPECT_FLOAT_EQ(lng, 127.0f);
    EXPECT_EQ(speed, 28u); // 18.52 and 37.04 km/h are stored as 19 and 37
    EXPECT_EQ(data.getGpsAt(10, lat, lng, speed), SubtitleData::GpsExact);
    EXPECT_FLOAT_EQ(lat, 37.0f);
    // A fix more than a second away does not count.
    EXPECT_EQ(data.getGpsAt(25, lat, lng, speed), SubtitleData::GpsApproximate);
    EXPECT_FLOAT_EQ(lat, 38.0f);
    lat = -1;
    EXPECT_EQ(data.getGpsAt(40, lat, lng, speed), SubtitleData::GpsNone);
    EXPECT_EQ(lat, -1.0f);
    EXPECT_EQ(SubtitleData().getGpsAt(0, lat, lng, speed), SubtitleData::GpsNone);
}

TEST(SubtitleData, PositionsExtrapolateFromTheTwoNearest)
{
    const SubtitleData data =
        load(fixAt("00:00:01,000", "3700.0000") + fixAt("00:00:01,500", "3800.0000"));
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    EXPECT_EQ(data.getGpsAt(18, lat, lng, speed), SubtitleData::GpsApproximate);
    EXPECT_FLOAT_EQ(lat, 38.6f);
}

TEST(SubtitleData, FixesAtTheSameTimeGiveTheNearerOne)
{
    const SubtitleData data =
        load(fixAt("00:00:01,000", "3700.0000") + fixAt("00:00:01,000", "3800.0000"));
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    EXPECT_EQ(data.getGpsAt(12, lat, lng, speed), SubtitleData::GpsApproximate);
    EXPECT_FLOAT_EQ(lat, 37.0f);
}

TEST(SubtitleEntry, CoordinatesAndShortRecords)
{
    EXPECT_FLOAT_EQ(SubtitleEntry::degree("3723.2475", "N"), 37.387458f);
    EXPECT_FLOAT_EQ(SubtitleEntry::degree("3723.2475", "S"), -37.387458f);
    EXPECT_EQ(SubtitleEntry::degree("3", "N"), 0.0f);
    EXPECT_EQ(SubtitleEntry::degree("3723", ""), 0.0f);
    SubtitleEntry entry;
    entry.parseSensorI(TextFields("gsensori,0,5,1,1,1", ','));
    EXPECT_EQ(entry.gx(), -512); // no scale: unchanged
    entry.parseGprmc(TextFields("GPRMC,1,A,3723.2475", ','));
    EXPECT_FLOAT_EQ(entry.lat(), 0.0f); // no hemisphere
    EXPECT_EQ(entry.speed(), 0u);
    entry.parseSensor(TextFields("gsensor,-900", ','));
    EXPECT_EQ(entry.gx(), -512);
    EXPECT_EQ(entry.gy(), 0);
}
