#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/telemetry/P820TelemetryRecords.h"
#include "core/telemetry/TailBlockReader.h"
#include "core/telemetry/TelemetrySource.h"

#include <gtest/gtest.h>

namespace {

using Reader = TelemetrySource::Reader;
using V = std::vector<int>;

const QByteArray kRmc = "GPRMC,123519,A,3723.2475,N,12702.1234,E,10.0,084.4,230394";
const QByteArray kFix = RiffBuilder::text("$" + kRmc + ",003.1,W*6A");

std::optional<TelemetryReading> read(Reader reader, const QByteArray &bytes)
{
    TempFolder folder;
    return TelemetrySource::readWith(folder.write("clip", bytes), reader);
}

std::optional<TelemetryReading> avi(const QByteArray &chunks, Reader reader = Reader::StandardAvi)
{
    return read(reader, RiffBuilder::avi(chunks));
}

// Raw byte x whose stored standard value is 128 - x, so entry i reads back as i.
QByteArray entries(int count, int firstValue = 0)
{
    QByteArray chunks;
    for (int i = firstValue; i < firstValue + count; ++i)
        chunks += RiffBuilder::text(RiffBuilder::accelerationRecord(128 - i, 128 - i, 128 - i));
    return chunks;
}

// A tag as the cameras write it: "02tx", one byte, zero padding, the record.
QByteArray tagged(const QByteArray &record, int padding = 3)
{
    return "02tx\x01" + QByteArray(padding, '\0') + record + QByteArray(1, '\0');
}

QByteArray srtBlocks(const std::vector<QByteArray> &payloads)
{
    QByteArray text;
    for (const QByteArray &payload : payloads)
        text += "1\n00:00:00,000 --> 00:00:00,100\n" + payload + "\n\n";
    return text;
}

QByteArray tailLines(int count, const QByteArray &lineBreak = "\n")
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i) + ",37.5,127.25,80,1,-2," + QByteArray::number(i) + lineBreak;
    return text;
}

// x lists the x values of the first samples.
void expectReading(const std::optional<TelemetryReading> &reading, int count, uint32_t gpsCount,
                   const V &x = {})
{
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->count, count);
    EXPECT_EQ(reading->gpsCount, gpsCount);
    EXPECT_EQ(V(reading->samples.gx.begin(), reading->samples.gx.begin() + x.size()), x);
}

} // namespace

TEST(AviTelemetryReader, GroupsCloseIntoTenSamples)
{
    // Stored as 128 - raw, ten samples with the fix that closes the group.
    const auto second =
        avi(RiffBuilder::text(RiffBuilder::accelerationRecord(0, 128, 255)) + entries(4, 1) + kFix);
    expectReading(second, 10, 10, {128, 128, 1, 1, 2, 2, 3, 3, 4, 4});
    const TelemetrySamples &s = second->samples;
    EXPECT_EQ(V({s.gy[0], s.gz[0], int(s.gpsSpeed[9]), int(s.gpsSpeed[10])}), (V{0, -127, 19, 0}));
    EXPECT_FLOAT_EQ(s.gpsInfoLat[9], 37.38746f);
    EXPECT_FLOAT_EQ(s.gpsInfoLng[9], 127.0354f);
    // At most sixty entries a group.
    expectReading(avi(entries(75) + kFix), 10, 10, {0, 3, 9, 15, 21, 27, 33, 39, 45, 51});
    // Other sentences neither close nor fix; "G$GPRMC" with status V closes without one.
    expectReading(avi(entries(2) + RiffBuilder::text("$GPGGA,1,4807.038,N,01131.000,E,1") +
                      entries(2, 2) + kFix),
                  10, 10, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3});
    expectReading(avi(entries(2) + RiffBuilder::text("G$GPRMC,1,V,3723,N,1,E,50")), 10, 0,
                  {0, 0, 0, 0, 0, 1, 1, 1, 1, 1});
    // A fix, a marker and the end close; the end alone does not, and keeps the fix.
    const QByteArray marker = RiffBuilder::text("T");
    expectReading(avi(entries(3) + kFix + entries(3) + marker + entries(3)), 30, 10);
    expectReading(avi(entries(8)), 0, 0);
    expectReading(avi(entries(1) + kFix + entries(4, 10)), 20, 20,
                  {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 10, 10, 11, 11, 12, 12, 12, 13, 13});
    expectReading(avi((entries(10) + kFix).repeated(70)), 650, 650);
    // The compact layout: (raw - 128) x 10, only with its flags, no markers.
    expectReading(avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(0, 128, 255)) +
                          RiffBuilder::text(RiffBuilder::compactAccelerationRecord(1, 1, 1, 0)) +
                          entries(1) + marker + kFix,
                      Reader::CompactAvi),
                  10, 10, {-1280});
}

TEST(AviTelemetryReader, WalksChunksAndSurvivesBrokenFiles)
{
    const QByteArray movi = RiffBuilder::list(
        "movi",
        RiffBuilder::chunk("00dc", QByteArray(333, 'v')) +
            RiffBuilder::text(RiffBuilder::accelerationRecord(127, 127, 127)) +
            RiffBuilder::list("rec ", RiffBuilder::chunk("01wb", QByteArray(7, 'a')) + entries(1)) +
            RiffBuilder::chunk("03tx", "$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0")); // odd size
    expectReading(avi(RiffBuilder::list("hdrl", RiffBuilder::chunk("avih", QByteArray(56, '\0'))) +
                      movi + RiffBuilder::chunk("JUNK", QByteArray(3, 'j')) + entries(1) +
                      RiffBuilder::text("T")),
                  20, 10, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0});
    // A chunk longer than the file is read as far as it goes, a header cut
    // short ends the walk, short records are not read past.
    expectReading(avi(entries(3) + kFix + RiffBuilder::chunkWithSize("02tx", 4000, "M\1\1\1")), 20,
                  20, {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 127});
    expectReading(avi(entries(3) + kFix + "01w"), 10, 10);
    expectReading(avi(RiffBuilder::text("M\1") + RiffBuilder::text("M") + kFix), 0, 0);
    EXPECT_FALSE(read(Reader::StandardAvi, QByteArray("RIFF\4\0\0\0WAVE", 12)));
    EXPECT_FALSE(read(Reader::StandardAvi, "RIF"));
}

TEST(P820TelemetryRecords, AccelerationEntries)
{
    // gsensori scales by 128 / (b / a), rounds and clamps to ±512 (no scale:
    // zero); the z field is read from at most its first three characters.
    const std::pair<const char *, V> rows[] = {
        {"gsensori,16,4096,256,-128,4096", {128, -63, 205}},
        {"gsensori,1,1,-9000,9000,0", {-512, 512, 0}},
        {"gsensori,0,128,10,20,30", {0, 0, 0}},
        {"gsensori,-1,-2147483648,1,1,1", {0, 0, 0}},
        {"gsensor,12,-5,128abc", {12, -5, 128}},
        {"gsensor,1,2,-12345", {1, 2, -12}},
        {"gsensor,0,0, 123", {0, 0, 0}},
        {"gsensor,0,0,1\xC3\xA9", {0, 0, 1}},
    };
    for (const auto &[record, xyz] : rows) {
        const TextFields fields(record, ',');
        const auto entry = fields.at(0) == "gsensor" ? P820TelemetryRecords::gsensorEntry(fields)
                                                     : P820TelemetryRecords::gsensoriEntry(fields);
        ASSERT_TRUE(entry) << record;
        EXPECT_EQ(V({entry->x, entry->y, entry->z}), xyz) << record;
    }
    EXPECT_FALSE(P820TelemetryRecords::gsensorEntry(TextFields("gsensor,1,2", ',')));
    EXPECT_FALSE(P820TelemetryRecords::gsensoriEntry(TextFields("gsensori,1,2,3,4", ',')));
}

TEST(Mp4TelemetryScanner, TagsGroupsAndFixes)
{
    QByteArray bytes = "ftypisom....0000x02ty03t";
    for (int i = 0; i < 5; ++i)
        bytes += "\x01\x02" + tagged("gsensor," + QByteArray::number(i) + ",-5,7");
    // A sentence with its leading "$" is no RMC record; the entry after the
    // last fix is closed at the end with that fix.
    bytes += tagged(kRmc, 0) + "mdat" + tagged("$GPRMC,1,A,1,N,1,E,1") + tagged("gsensor,9,9,9");
    const auto reading = read(Reader::Mp4Tags, bytes);
    expectReading(reading, 20, 20, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 9});
    EXPECT_EQ(V({reading->samples.gy[2], reading->samples.gz[2]}), (V{-5, 7}));
    EXPECT_FLOAT_EQ(reading->samples.gpsInfoLng[19], 127.0354f);
    // Without fixes each entry is one sample; a fix before every entry leaves none.
    QByteArray unfixed;
    for (int i = 0; i < 12; ++i)
        unfixed += tagged("gsensor," + QByteArray::number(i) + ",0,0");
    expectReading(read(Reader::Mp4Tags, unfixed), 12, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    expectReading(read(Reader::Mp4Tags, tagged(kRmc) + unfixed), 0, 0);
    // A tag cut by the end of the file, and records that are not UTF-8.
    for (const QByteArray &nothing : {QByteArray("xx02t"), tagged("gsensor,\xFF,1,1"),
                                      QByteArray("02tx") + QByteArray(9, '\0')})
        expectReading(read(Reader::Mp4Tags, nothing), 0, 0);
}

TEST(SrtTelemetryReader, RecordsCarsAndFixes)
{
    // "gsensori" with an RMC closes its own group; "CAR" then repeats nothing
    // (the group was just closed) and reads its own fields.
    const auto own =
        read(Reader::Subtitles,
             srtBlocks({"gsensor,1,1,1", "gsensori,1,128,10,20,30;" + kRmc, "CAR,0,0,0", "dummy"}));
    expectReading(own, 20, 20, {1, 1, 1, 1, 1, 10, 10, 10, 10, 10, 0});
    EXPECT_EQ(V({own->samples.gz[9], int(own->samples.gpsSpeed[9])}), (V{30, 19}));
    const auto repeated =
        read(Reader::Subtitles,
             srtBlocks({"gsensor,5,6,7", "CAR,1,1,1", "GNRMC,1,A,3723.2475,S,1,W,0"}));
    expectReading(repeated, 10, 10, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_FLOAT_EQ(repeated->samples.gpsInfoLat[9], -37.38746f);
    // Empty or not UTF-8, and a payload that runs into the next block when a
    // block has no text.
    for (const QByteArray &nothing :
         {QByteArray(), srtBlocks({"gsensor,1,1,1", "\xFF"}),
          QByteArray(
              "1\n00:00:00,000 --> 00:00:00,100\n\n2\n00:00:00,100 --> x\ngsensor,1,1,1\n\n")})
        expectReading(read(Reader::Subtitles, nothing), 0, 0);
}

TEST(TailBlockReader, TextFromByteSixOrAfterTheMarker)
{
    const auto reading = read(Reader::TailBlock, "header0,37.5,127.25,80,1,-2,130\r\n"
                                                 "1,-33.25,-70.5,5,x,40000,-3\r\nnot,a,sample\n");
    // Axes keep their low 16 bits.
    expectReading(reading, 2, 2, {1, 0});
    const TelemetrySamples &s = reading->samples;
    EXPECT_EQ(V({s.gy[0], s.gz[0], int(s.gpsSpeed[0]), s.gy[1]}), (V{-2, 130, 80, int16_t(40000)}));
    EXPECT_EQ(std::vector<float>({s.gpsInfoLat[0], s.gpsInfoLng[0], s.gpsInfoLat[1]}),
              (std::vector<float>{37.5f, 127.25f, -33.25f}));
    EXPECT_FALSE(read(Reader::TailBlock, "12345"));

    // A body that is no UTF-8, then the marker at the far end of the search
    // window and sample lines; U+2028 ends lines too.
    const QByteArray body = QByteArray(100000, '\xFF') + "WQZKM7";
    const auto marked =
        read(Reader::TailBlock, body + tailLines(1200, "\xE2\x80\xA8").left(33006 - 6 - 7));
    expectReading(marked, 650, 650);
    EXPECT_EQ(marked->samples.gz[649], 649);
    // Without the marker the text starts at byte 6 and must be UTF-8 throughout.
    for (const QByteArray &nothing : {QByteArray(40000, '\xFF'), "000000" + tailLines(700) + "\xC3",
                                      "000000" + tailLines(3) + "\xED\xA0\x80\n"})
        expectReading(read(Reader::TailBlock, nothing), 0, 0);
    // Lines beyond the length a sample line can have are not samples.
    const QByteArray overlong = QByteArray(TailBlockReader::kMaxLineBytes, '0') + ",1,1,1,1,1,1\n";
    expectReading(read(Reader::TailBlock, "000000" + overlong + tailLines(1)), 1, 1);
}
