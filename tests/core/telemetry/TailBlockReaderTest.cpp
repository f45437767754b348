#include "TempFolder.h"

#include "core/telemetry/TailBlockReader.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray sampleLines(int count, const QByteArray &lineBreak = "\n")
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i) + ",37.5,127.25,80,1,-2," + QByteArray::number(i) + lineBreak;
    return text;
}

std::unique_ptr<TorvaClipData> readTail(const QByteArray &bytes)
{
    TempFolder folder;
    auto track = std::make_unique<TorvaClipData>();
    track->setClipDataCount(
        uint32_t(track->getAllDataFromFileTail(folder.write("clip.mp4", bytes))));
    return track;
}

} // namespace

TEST(TailBlockReader, ShortFilesAreTextFromByteSix)
{
    const auto track = readTail(
        "header0,37.5,127.25,80,1,-2,130\r\n1,-33.25,-70.5,5,x,40000,-3\r\nnot,a,sample\n");
    ASSERT_EQ(track->clipDataCount(), 2u);
    EXPECT_FLOAT_EQ(track->getGpsLat(0), 37.5f);
    EXPECT_FLOAT_EQ(track->getGpsLng(0), 127.25f);
    EXPECT_EQ(track->getGpsSpeed(0), 80u);
    EXPECT_EQ(track->getGx(0), 1);
    EXPECT_EQ(track->getGy(0), -2);
    EXPECT_EQ(track->getGz(0), 130);
    // Signs are the hemispheres; axes keep their low 16 bits.
    EXPECT_FLOAT_EQ(track->getGpsLat(1), -33.25f);
    EXPECT_EQ(track->getGx(1), 0);
    EXPECT_EQ(track->getGy(1), int16_t(40000));
    EXPECT_EQ(track->gpsDataCount(), 2u);
}

TEST(TailBlockReader, MarkerNearTheEndStartsTheText)
{
    // A recording body that is no UTF-8, then the marker and 700 lines.
    QByteArray body(100000, '\xFF');
    body += "WQZKM7";
    QByteArray text = sampleLines(700, "\xE2\x80\xA8"); // U+2028 ends lines too
    const auto track = readTail(body + text.left(33006 - 6 - 7));
    EXPECT_EQ(track->clipDataCount(), 650u);
    EXPECT_EQ(track->getGz(649), 649);

    // Without the marker in the window the text starts at byte 6: not UTF-8.
    TorvaClipData other;
    other.setGpsDataCount(9);
    TempFolder folder;
    EXPECT_EQ(other.getAllDataFromFileTail(folder.write("x.mp4", QByteArray(40000, '\xFF'))), 0);
    EXPECT_EQ(other.gpsDataCount(), 0u);
}

TEST(TailBlockReader, InvalidUtf8AnywhereMeansNoSamples)
{
    EXPECT_EQ(readTail("000000" + sampleLines(700) + "\xC3")->clipDataCount(), 0u);
    EXPECT_EQ(readTail("000000" + sampleLines(3) + "\xED\xA0\x80\n")->clipDataCount(), 0u);
    EXPECT_EQ(readTail("000000" + sampleLines(3))->clipDataCount(), 3u);
    EXPECT_EQ(readTail("12345")->clipDataCount(), 0u);
    // Lines beyond the length a sample line can have are not samples.
    const QByteArray overlong =
        QByteArray(TailBlockReader::kMaxLineBytes, '0') + ",37.5,127.25,80,1,-2,3\n";
    EXPECT_EQ(readTail("000000" + overlong + sampleLines(1))->clipDataCount(), 1u);
}
