#include "core/video/Mp4Movie.h"

#include <QFile>
#include <QtEndian>

#include <limits>

namespace {

using Track = Mp4Movie::Track;

// Top-level boxes looked at before giving up on finding the movie box.
constexpr int kMaxTopLevelBoxes = 64;

struct Box
{
    QByteArrayView type;
    QByteArrayView body;
};

quint32 be32(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}

quint64 be64(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint64>(bytes.data() + at);
}

// A box's header at the start of bytes: its type, header and whole size; the
// size 0 means "up to the end", given as remaining. Nothing when it does not
// fit in remaining.
std::optional<std::pair<qint64, qint64>> boxSize(QByteArrayView header, qint64 remaining)
{
    if (header.size() < 8)
        return std::nullopt;
    qint64 headerSize = 8;
    quint64 size = be32(header, 0);
    if (size == 1) {
        if (header.size() < 16)
            return std::nullopt;
        headerSize = 16;
        size = be64(header, 8);
    } else if (size == 0) {
        size = quint64(remaining);
    }
    if (size < quint64(headerSize) || size > quint64(remaining))
        return std::nullopt;
    return std::pair{headerSize, qint64(size)};
}

// The boxes inside a box's body, up to the first one that does not fit.
QList<Box> children(QByteArrayView body)
{
    QList<Box> boxes;
    qsizetype pos = 0;
    while (pos < body.size()) {
        const auto size = boxSize(body.sliced(pos), body.size() - pos);
        if (!size)
            break;
        boxes.append(
            {body.sliced(pos + 4, 4), body.sliced(pos + size->first, size->second - size->first)});
        pos += size->second;
    }
    return boxes;
}

std::optional<QByteArrayView> child(QByteArrayView body, QByteArrayView type)
{
    for (const Box &box : children(body)) {
        if (box.type == type)
            return box.body;
    }
    return std::nullopt;
}

// The nested box at the path of types, if every step is there.
std::optional<QByteArrayView> descend(QByteArrayView body, std::initializer_list<const char *> path)
{
    std::optional<QByteArrayView> found = body;
    for (const char *type : path) {
        found = child(*found, QByteArrayView(type, 4));
        if (!found)
            break;
    }
    return found;
}

// The length a movie header ("mvhd") or media header ("mdhd") gives: both
// hold the time scale and the duration at the same places.
double headerDuration(QByteArrayView header)
{
    if (header.isEmpty())
        return 0.0;
    quint64 scale = 0, duration = 0;
    if (header[0] == 1 && header.size() >= 32) {
        scale = be32(header, 20);
        duration = be64(header, 24);
    } else if (header[0] == 0 && header.size() >= 20) {
        scale = be32(header, 12);
        duration = be32(header, 16);
        if (duration == 0xffffffffu)
            duration = 0;
    }
    return scale > 0 ? double(duration) / double(scale) : 0.0;
}

Track::Kind kindOf(QByteArrayView handler)
{
    if (handler == "vide")
        return Track::Kind::Video;
    if (handler == "soun")
        return Track::Kind::Audio;
    if (handler == "text" || handler == "sbtl" || handler == "subt" || handler == "clcp")
        return Track::Kind::Subtitle;
    return Track::Kind::Other;
}

// Where the samples lie, from the sample sizes ("stsz"), the samples per
// chunk ("stsc") and the chunk offsets ("stco" or "co64"). Nothing when a
// table is missing, cut short or disagrees with the others.
QList<Track::Sample> samplesOf(QByteArrayView stbl)
{
    const auto stsz = child(stbl, "stsz");
    const auto stsc = child(stbl, "stsc");
    const auto stco = child(stbl, "stco");
    const auto co64 = child(stbl, "co64");
    const auto offsets = stco ? stco : co64;
    const qsizetype offsetBytes = stco ? 4 : 8;
    if (!stsz || !stsc || !offsets || stsz->size() < 12 || stsc->size() < 8 || offsets->size() < 8)
        return {};
    const quint32 fixedSize = be32(*stsz, 4);
    const quint32 count = be32(*stsz, 8);
    const quint32 runs = be32(*stsc, 4);
    const quint32 chunks = be32(*offsets, 4);
    if (count > quint32(Mp4Movie::kMaxListedSamples) ||
        (fixedSize == 0 && stsz->size() < 12 + qsizetype(count) * 4) ||
        stsc->size() < 8 + qsizetype(runs) * 12 ||
        offsets->size() < 8 + qsizetype(chunks) * offsetBytes)
        return {};
    QList<Track::Sample> samples;
    quint32 run = 0;
    for (quint32 chunk = 1; chunk <= chunks && quint32(samples.size()) < count; ++chunk) {
        // The run of chunks this one belongs to: the last that starts at or before it.
        while (run + 1 < runs && be32(*stsc, 8 + qsizetype(run + 1) * 12) <= chunk)
            ++run;
        const quint32 perChunk = runs > 0 ? be32(*stsc, 8 + qsizetype(run) * 12 + 4) : 0;
        qint64 offset = offsetBytes == 4 ? qint64(be32(*offsets, 8 + qsizetype(chunk - 1) * 4))
                                         : qint64(be64(*offsets, 8 + qsizetype(chunk - 1) * 8));
        for (quint32 i = 0; i < perChunk && quint32(samples.size()) < count; ++i) {
            const qint64 size = fixedSize ? fixedSize : be32(*stsz, 12 + samples.size() * 4);
            if (offset < 0 || offset > std::numeric_limits<qint64>::max() - size)
                return {};
            samples.append({offset, size});
            offset += size;
        }
    }
    if (quint32(samples.size()) != count)
        return {};
    return samples;
}

Track trackOf(QByteArrayView trak)
{
    Track track;
    const auto mdia = descend(trak, {"mdia"});
    if (!mdia)
        return track;
    // hdlr: version and flags, pre_defined, then the handler type.
    if (const auto hdlr = child(*mdia, "hdlr"); hdlr && hdlr->size() >= 12)
        track.kind = kindOf(hdlr->sliced(8, 4));
    if (const auto mdhd = child(*mdia, "mdhd"))
        track.duration = headerDuration(*mdhd);
    // stsd: version and flags, entry count, then the first entry's size and
    // type; a picture's entry has its width and height 24 bytes further on.
    const auto stbl = descend(*mdia, {"minf", "stbl"});
    const auto stsd = stbl ? child(*stbl, "stsd") : std::nullopt;
    if (!stsd || stsd->size() < 16)
        return track;
    if (track.kind == Track::Kind::Subtitle)
        track.samples = samplesOf(*stbl);
    track.format = stsd->sliced(12, 4).toByteArray();
    if (track.kind == Track::Kind::Video && stsd->size() >= 44) {
        track.width = qFromBigEndian<quint16>(stsd->data() + 40);
        track.height = qFromBigEndian<quint16>(stsd->data() + 42);
    }
    return track;
}

bool beginsLikeAMovie(QByteArrayView type)
{
    for (const char *first : {"ftyp", "moov", "mdat", "free", "skip", "wide", "pnot"}) {
        if (type == QByteArrayView(first, 4))
            return true;
    }
    return false;
}

} // namespace

std::optional<Mp4Movie> Mp4Movie::read(QIODevice &device)
{
    const qint64 end = device.size();
    qint64 pos = 0;
    for (int count = 0; count < kMaxTopLevelBoxes && pos < end; ++count) {
        if (!device.seek(pos))
            return std::nullopt;
        const QByteArray header = device.read(16);
        const auto size = boxSize(header, end - pos);
        if (!size)
            return std::nullopt;
        const QByteArrayView type = QByteArrayView(header).sliced(4, 4);
        if (count == 0 && !beginsLikeAMovie(type))
            return std::nullopt;
        if (type == "moov") {
            const qint64 bodySize = size->second - size->first;
            if (bodySize > kMaxMovieBoxBytes || !device.seek(pos + size->first))
                return std::nullopt;
            const QByteArray body = device.read(bodySize);
            if (body.size() != bodySize)
                return std::nullopt;
            Mp4Movie movie;
            for (const Box &box : children(body)) {
                if (box.type == "mvhd")
                    movie.duration = headerDuration(box.body);
                else if (box.type == "trak")
                    movie.tracks.append(trackOf(box.body));
            }
            return movie;
        }
        pos += size->second;
    }
    return std::nullopt;
}

std::optional<Mp4Movie> Mp4Movie::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file);
}
