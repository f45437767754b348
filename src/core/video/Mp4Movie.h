#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QIODevice;

// What an MP4 or MOV file holds, read from its movie box without running
// ffmpeg: the movie's length and each track's kind, sample format and picture
// size, tracks in the order ffmpeg numbers the streams.
class Mp4Movie
{
public:
    struct Track
    {
        enum class Kind
        {
            Video,
            Audio,
            Subtitle,
            Other, // time codes, metadata, hints
        };
        Kind kind = Kind::Other;
        QByteArray format; // the sample entry's type: "avc1", "mp4a", "sowt", "tx3g" …
        int width = 0;     // pictures only; 0 when unknown
        int height = 0;
        double duration = 0.0; // seconds of media; 0 when unknown
        // Subtitle tracks only: where each sample lies in the file, in
        // order; empty when the sample tables are missing or do not agree.
        struct Sample
        {
            qint64 offset = 0;
            qint64 size = 0;
        };
        QList<Sample> samples;
    };

    // Subtitle tracks of more samples are not listed: a 65-second recording
    // has ten a second.
    static constexpr qsizetype kMaxListedSamples = 1 << 16;

    // A larger movie box is not read: no recording needs one.
    static constexpr qint64 kMaxMovieBoxBytes = qint64(64) << 20;

    // Nothing when the device does not begin like an MP4 or MOV file or its
    // movie box is missing, cut short or too large. Reads only the boxes'
    // headers up to the movie box, and that box.
    static std::optional<Mp4Movie> read(QIODevice &device);
    static std::optional<Mp4Movie> readFile(const QString &path);

    double duration = 0.0; // seconds; 0 when unknown
    QList<Track> tracks;
};
