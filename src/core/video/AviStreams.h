#pragma once

#include <QtGlobal>

#include <optional>

class QIODevice;
class QString;

// The streams an AVI recording declares in its leading header list ("hdrl"):
// one "strl" list per stream, whose "strh" chunk names its kind. Enough to
// plan a conversion without asking ffmpeg to list the streams. Only the
// header list is read, and only up to kMaxHeaderBytes.
class AviStreams
{
public:
    static constexpr qint64 kMaxHeaderBytes = 1 << 20;

    struct Counts
    {
        int video = 0;
        int audio = 0;
    };

    // Nothing when the device does not begin with a whole, well-formed
    // header list, or when a stream is of a kind other than video ("vids"),
    // sound ("auds") or text ("txts"), which only ffmpeg can sort out.
    static std::optional<Counts> read(QIODevice &device);
    static std::optional<Counts> readFile(const QString &path);
};
