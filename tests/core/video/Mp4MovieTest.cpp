#include "DemoRecordings.h"
#include "TemporaryHome.h"

#include "core/video/Mp4Movie.h"
#include "core/video/Utils.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Kind = Mp4Movie::Track::Kind;

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray box(const char *type, const QByteArray &body)
{
    return be32(quint32(8 + body.size())) + type + body;
}

QByteArray largeBox(const char *type, const QByteArray &body)
{
    QByteArray size(8, '\0');
    qToBigEndian(quint64(16 + body.size()), size.data());
    return be32(1) + type + size + body;
}

// A movie or media header of version 0 or 1 with the time scale and duration.
QByteArray header(const char *type, int version, quint32 scale, quint32 duration)
{
    QByteArray body(1, char(version));
    body += QByteArray(version == 1 ? 19 : 11, '\0');
    body += be32(scale);
    body += version == 1 ? be32(0) + be32(duration) : be32(duration);
    return box(type, body + QByteArray(80, '\0'));
}

QByteArray track(const char *handler, const char *format, quint16 width, quint16 height)
{
    QByteArray entry = QByteArray(24, '\0');
    entry += char(width >> 8);
    entry += char(width & 0xff);
    entry += char(height >> 8);
    entry += char(height & 0xff);
    entry += QByteArray(50, '\0');
    const QByteArray stsd = box("stsd", be32(0) + be32(1) + box(format, entry));
    const QByteArray hdlr = box("hdlr", be32(0) + be32(0) + handler + QByteArray(13, '\0'));
    const QByteArray minf = box("minf", box("stbl", stsd));
    return box("trak", box("mdia", header("mdhd", 0, 90000, 180000) + hdlr + minf));
}

std::optional<Mp4Movie> readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Mp4Movie::read(buffer);
}

// "kind format widthxheight seconds" per track.
QStringList described(const Mp4Movie &movie)
{
    QStringList tracks;
    for (const Mp4Movie::Track &track : movie.tracks) {
        tracks << QStringLiteral("%1 %2 %3x%4 %5")
                      .arg(int(track.kind))
                      .arg(QString::fromLatin1(track.format))
                      .arg(track.width)
                      .arg(track.height)
                      .arg(qRound(track.duration));
    }
    return tracks;
}

} // namespace

TEST(Mp4Movie, ReadsTheRecordingsAndTheirConversions)
{
    const TemporaryHome home;
    const DemoRecordings &demo = DemoRecordings::shared();
    const auto converted = Utils::checkAndConvertVideo(QUrl::fromLocalFile(demo.dualAvi));
    ASSERT_TRUE(converted && converted->size() == 2);
    const struct
    {
        QString path;
        QStringList tracks;
    } rows[] = {
        {demo.frontMp4, {"0 avc1 640x360 6", "1 mp4a 0x0 6", "2 tx3g 0x0 6"}},
        {converted->at(1).toLocalFile(), {"0 avc1 640x360 6", "1 sowt 0x0 6"}},
    };
    for (const auto &row : rows) {
        const std::optional<Mp4Movie> movie = Mp4Movie::readFile(row.path);
        ASSERT_TRUE(movie) << qPrintable(row.path);
        EXPECT_NEAR(movie->duration, DemoRecordings::kSeconds, 0.05);
        EXPECT_EQ(described(*movie), row.tracks) << qPrintable(row.path);
    }
    EXPECT_FALSE(Mp4Movie::readFile(demo.dualAvi));
}

TEST(Mp4Movie, ReadsOnlyAMovieBoxThatIsWhole)
{
    const QByteArray ftyp = box("ftyp", "isom");
    const QByteArray sound = track("soun", "sowt", 0, 0);
    const QByteArray video = track("vide", "hvc1", 1920, 1080);
    const QByteArray movie =
        header("mvhd", 1, 1000, 2500) + video + sound + track("tmcd", "tmcd", 0, 0);
    const struct
    {
        const char *what;
        QByteArray bytes;
        std::optional<QStringList> tracks;
        double duration;
    } rows[] = {
        {"sized in 64 bits, after the media",
         ftyp + box("mdat", QByteArray(100, 'm')) + largeBox("moov", movie),
         QStringList{"0 hvc1 1920x1080 2", "1 sowt 0x0 2", "3 tmcd 0x0 2"}, 2.5},
        {"version 0 header, first", box("moov", header("mvhd", 0, 600, 300)), QStringList(), 0.5},
        {"cut short", ftyp + box("moov", movie).chopped(1), std::nullopt, 0},
        {"a child that does not fit ends the list",
         ftyp + box("moov", header("mvhd", 0, 10, 20) + video + be32(4000) + "trak"),
         QStringList{"0 hvc1 1920x1080 2"}, 2},
        {"media up to the end, no movie", ftyp + be32(0) + "mdat" + QByteArray(8, 'm'),
         std::nullopt, 0},
        {"not a movie", box("RIFF", "AVI ") + box("moov", movie), std::nullopt, 0},
        {"a box smaller than its header", be32(4) + "ftyp" + box("moov", movie), std::nullopt, 0},
        {"empty", {}, std::nullopt, 0},
    };
    for (const auto &row : rows) {
        const std::optional<Mp4Movie> read = readBytes(row.bytes);
        ASSERT_EQ(read.has_value(), row.tracks.has_value()) << row.what;
        if (read) {
            EXPECT_EQ(described(*read), *row.tracks) << row.what;
            EXPECT_DOUBLE_EQ(read->duration, row.duration) << row.what;
        }
    }
}
