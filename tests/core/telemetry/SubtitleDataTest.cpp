#include "TempFolder.h"

#include "core/telemetry/DemoDrive.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;

SubtitleData load(const QByteArray &text)
{
    SubtitleData data;
    data.loadFromText(text);
    return data;
}

QByteArray block(const char *start, const QByteArray &payload)
{
    return QByteArray("1\n") + start + " --> 00:59:59,999\n" + payload + "\n\n";
}

QByteArray fixAt(const char *start, const char *latitude, int knots = 0)
{
    return block(start, QByteArray("GPRMC,1,A,") + latitude + ",N,12700.0000,E," +
                            QByteArray::number(knots));
}

// The result, latitude and speed at the index; latitude -1 when unchanged.
std::tuple<int32_t, float, uint32_t> gpsAt(const SubtitleData &data, int32_t index)
{
    float lat = -1, lng = 0;
    uint32_t speed = 0;
    const int32_t result = data.getGpsAt(index, lat, lng, speed);
    return {result, lat, speed};
}

} // namespace

TEST(SubtitleData, BlocksBecomeTimedEntries)
{
    const SubtitleData data =
        load(block("00:00:02,100", "gsensor,10,-20,600") +
             block("01:01:02,500",
                   "gsensori,1,256,-129,3,1000;GPRMC,1,A,3723.2475,S,12702.1234,E,10.0"));
    ASSERT_EQ(data.entries().size(), 2u);
    const SubtitleEntry &a = data.entries()[0];
    EXPECT_EQ(V({a.cts(), a.gx(), a.gy(), a.gz(), int(a.speed())}), (V{2100, 10, -20, 512, 1024}));
    EXPECT_EQ(a.lat(), 512.0f);
    // Hours are not counted; -64.5 rounds away from zero.
    const SubtitleEntry &b = data.entries()[1];
    EXPECT_EQ(V({b.cts(), b.gx(), b.gy(), b.gz(), int(b.speed())}), (V{62500, -65, 2, 500, 19}));
    EXPECT_FLOAT_EQ(b.lat(), -37.387458f);
    int32_t x = 0, y = 0, z = 0;
    EXPECT_TRUE(data.getSensorAt(21, x, y, z));
    EXPECT_EQ(x, 10);
    EXPECT_FALSE(data.getSensorAt(20, x, y, z));

    // No final line break: the last block is lost. A time line without a
    // blank line before the next one drops the open block.
    const SubtitleData cut = load("1\n00:00:01,000 --> 00:00:01,100\ngsensor,1,1,1\n" +
                                  block("00:00:02,000", "gsensor,2,2,2") +
                                  "3\n00:00:03,000 --> 00:00:03,100\ngsensor,3,3,3");
    ASSERT_EQ(cut.entries().size(), 1u);
    EXPECT_EQ(cut.entries()[0].gx(), 2);
    EXPECT_TRUE(load("\xFF\xFE").entries().empty());
}

TEST(SubtitleData, PositionsComeFromTheNearestFixes)
{
    const SubtitleData data =
        load(fixAt("00:00:01,000", "3700.0000", 10) + fixAt("00:00:02,000", "3800.0000", 20) +
             block("00:00:01,500", "GPRMC,1,V,3900.0000,N,12700.0000,E,5"));
    using G = std::tuple<int32_t, float, uint32_t>;
    // Between two fixes interpolated (18.52 and 37.04 km/h are stored as 19
    // and 37); within a second of a fix only.
    EXPECT_EQ(gpsAt(data, 15), G(SubtitleData::GpsApproximate, 37.5f, 28u));
    EXPECT_EQ(gpsAt(data, 10), G(SubtitleData::GpsExact, 37.0f, 19u));
    EXPECT_EQ(gpsAt(data, 25), G(SubtitleData::GpsApproximate, 38.0f, 37u));
    EXPECT_EQ(gpsAt(data, 40), G(SubtitleData::GpsNone, -1.0f, 0u));
    EXPECT_EQ(std::get<0>(gpsAt(SubtitleData(), 0)), SubtitleData::GpsNone);
    // Extrapolated from the two nearest; of two at the same time the nearer.
    const QByteArray first = fixAt("00:00:01,000", "3700.0000");
    EXPECT_FLOAT_EQ(std::get<1>(gpsAt(load(first + fixAt("00:00:01,500", "3800.0000")), 18)),
                    38.6f);
    EXPECT_FLOAT_EQ(std::get<1>(gpsAt(load(first + fixAt("00:00:01,000", "3800.0000")), 12)),
                    37.0f);
}

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
