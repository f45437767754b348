#include "RiffBuilder.h"
#include "TempFolder.h"
#include "TestMedia.h"

#include "core/video/AviStreams.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Counts = std::pair<int, int>; // video, audio

QByteArray stream(const QByteArray &kind)
{
    return RiffBuilder::list("strl", RiffBuilder::chunk("strh", kind + QByteArray(52, '\0')) +
                                         RiffBuilder::chunk("strf", QByteArray(40, '\0')));
}

std::optional<Counts> countsOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto counts = AviStreams::read(buffer);
    return counts ? std::optional(Counts{counts->video, counts->audio}) : std::nullopt;
}

} // namespace

TEST(AviStreams, CountsTheDeclaredStreamsOrGivesUpOnAnythingUnusual)
{
    const QByteArray avih = RiffBuilder::chunk("avih", QByteArray(56, '\0'));
    const QByteArray twoCameras = avih + stream("vids") + stream("vids") + stream("auds");
    const QByteArray body = RiffBuilder::list("hdrl", twoCameras) + RiffBuilder::list("movi", "");
    const struct
    {
        const char *name;
        QByteArray bytes;
        std::optional<Counts> counts;
    } rows[] = {
        {"two cameras and sound", RiffBuilder::avi(body), Counts{2, 1}},
        {"text, padding and an odd chunk between",
         RiffBuilder::avi(RiffBuilder::list("hdrl", avih + RiffBuilder::chunk("JUNK", "abc") +
                                                        stream("vids") + stream("txts"))),
         Counts{1, 0}},
        {"no stream", RiffBuilder::avi(RiffBuilder::list("hdrl", avih)), Counts{0, 0}},
        {"DV, which ffmpeg splits", RiffBuilder::avi(RiffBuilder::list("hdrl", stream("iavs"))),
         std::nullopt},
        {"a stream list without its header first",
         RiffBuilder::avi(RiffBuilder::list("hdrl", RiffBuilder::list("strl", avih))),
         std::nullopt},
        {"cut inside the header list", RiffBuilder::avi(body).left(100), std::nullopt},
        {"a chunk larger than its list",
         RiffBuilder::avi(RiffBuilder::list(
             "hdrl", avih + RiffBuilder::chunkWithSize("strl", 4000, stream("vids")))),
         std::nullopt},
        {"a header list beyond the limit",
         RiffBuilder::avi(
             RiffBuilder::chunkWithSize("LIST", AviStreams::kMaxHeaderBytes + 8, "hdrl") +
             QByteArray(AviStreams::kMaxHeaderBytes + 8, '\0')),
         std::nullopt},
        {"no header list first", RiffBuilder::avi(RiffBuilder::list("movi", twoCameras)),
         std::nullopt},
        {"not an AVI", "RIFF\x10\0\0\0WAVE" + body, std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(countsOf(row.bytes), row.counts) << row.name;
    // As ffmpeg writes them.
    TempFolder folder;
    const QString dual = folder.path("dual.avi");
    const QString silent = folder.path("silent.avi");
    ASSERT_TRUE(TestMedia::dualCameraAvi(dual) && TestMedia::dualCameraAvi(silent, false));
    const auto counts = AviStreams::readFile(dual);
    ASSERT_TRUE(counts);
    EXPECT_EQ(Counts(counts->video, counts->audio), Counts(2, 1));
    EXPECT_EQ(AviStreams::readFile(silent)->audio, 0);
    EXPECT_EQ(AviStreams::readFile(folder.path("missing.avi")), std::nullopt);
}
