#include "TempFolder.h"

#include "core/video/Utils.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(TranscoderUtils, AviTypeReadsTheHandlerThenTheBrands)
{
    // A mark at the AVI video handler (112) or the MP4 brands (16).
    const std::tuple<int, const char *, int> rows[] = {
        {112, "H264", 0},   {112, "avc1", 1}, {16, "iso4hvc1mp41", 2}, {16, "ISO4HVC1", 2},
        {16, "iso4hvc", 3}, {16, "avc1", 1},  {113, "H264", 3}};
    TempFolder folder;
    for (const auto &[offset, mark, type] : rows) {
        QByteArray bytes(200, 'x');
        bytes.replace(offset, qsizetype(qstrlen(mark)), mark);
        EXPECT_EQ(Utils::GetAviType(folder.write("f.avi", bytes)), type) << mark;
    }
    QByteArray both(200, 'x');
    both.replace(16, 4, "AVC1");
    both.replace(112, 4, "h264");
    EXPECT_EQ(Utils::GetAviType(folder.write("both.avi", both)), 0);
    EXPECT_EQ(Utils::GetAviType(folder.write("short.avi", "RIFF")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.write("brand-only.mp4", QByteArray(16, 'x') + "H2")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.path("missing.avi")), 3);
}
