#include "core/video/Mp4Movie.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray be32(quint32 value)
{
    return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
}

QByteArray box(const char *type, const QByteArray &body)
{
    return be32(quint32(8 + body.size())) + type + body;
}

// A movie or media header of version 0 or 1 with the time scale and duration.
QByteArray header(const char *type, int version, quint32 scale, quint32 duration)
{
    const QByteArray times = be32(scale) + (version == 1 ? be32(0) : QByteArray()) + be32(duration);
    return box(type, char(version) + QByteArray(version == 1 ? 19 : 11, '\0') + times +
                         QByteArray(80, '\0'));
}

QByteArray track(const char *handler, const char *format, quint16 width, quint16 height)
{
    const QByteArray entry = QByteArray(24, '\0') + be32(quint32(width) << 16 | height);
    const QByteArray stsd = box("stsd", be32(0) + be32(1) + box(format, entry + QByteArray(50, 0)));
    const QByteArray hdlr = box("hdlr", be32(0) + be32(0) + handler + QByteArray(13, '\0'));
    const QByteArray minf = box("minf", box("stbl", stsd));
    return box("trak", box("mdia", header("mdhd", 0, 90000, 180000) + hdlr + minf));
}

// "duration; kind format widthxheight seconds; …", or "none".
QString described(const std::optional<Mp4Movie> &movie)
{
    if (!movie)
        return QStringLiteral("none");
    QString text = QString::number(movie->duration);
    for (const Mp4Movie::Track &t : movie->tracks) {
        text += QString::asprintf("; %d %s %dx%d %d", int(t.kind), t.format.constData(), t.width,
                                  t.height, qRound(t.duration));
    }
    return text;
}

} // namespace

TEST(Mp4Movie, ReadsOnlyAMovieBoxThatIsWhole)
{
    const QByteArray ftyp = box("ftyp", "isom");
    const QByteArray video = track("vide", "hvc1", 1920, 1080);
    const QByteArray movie = header("mvhd", 1, 1000, 2500) + video + track("soun", "sowt", 0, 0) +
                             track("tmcd", "tmcd", 0, 0);
    const std::tuple<const char *, QByteArray, const char *> rows[] = {
        {"sized in 64 bits, after the media",
         ftyp + box("mdat", QByteArray(100, 'm')) + be32(1) + "moov" + be32(0) +
             be32(quint32(16 + movie.size())) + movie,
         "2.5; 0 hvc1 1920x1080 2; 1 sowt 0x0 2; 3 tmcd 0x0 2"},
        {"version 0 header, first", box("moov", header("mvhd", 0, 600, 300)), "0.5"},
        {"cut short", ftyp + box("moov", movie).chopped(1), "none"},
        {"a child that does not fit ends the list",
         ftyp + box("moov", header("mvhd", 0, 10, 20) + video + be32(4000) + "trak"),
         "2; 0 hvc1 1920x1080 2"},
        {"media up to the end, no movie", ftyp + be32(0) + "mdat" + QByteArray(8, 'm'), "none"},
        {"not a movie", box("RIFF", "AVI ") + box("moov", movie), "none"},
        {"a box smaller than its header", be32(4) + "ftyp" + box("moov", movie), "none"},
        {"empty", {}, "none"},
    };
    for (const auto &[what, bytes, expected] : rows) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(described(Mp4Movie::read(buffer)), QString::fromLatin1(expected)) << what;
    }
}
