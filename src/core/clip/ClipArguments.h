#pragma once

#include "core/video/Mp4Movie.h"

#include <QString>
#include <QStringList>

#include <optional>

class ClipGeometry;

// ffmpeg's command lines for a clip [from, to) of a recording. Inputs and
// outputs are absolute paths, so that no name can be taken for an option.
// Each writes its progress as "key=value" lines on standard output and only
// its errors on standard error.
class ClipArguments
{
public:
    // The range copied as it is, from the key frame before from on (seeking
    // before the input), its timestamps starting at 0. With the input's
    // tracks known, each is kept as far as the output's container takes it:
    // pictures are copied; sound too, except PCM into MP4, which becomes AAC;
    // MOV text subtitles only into MP4 or MOV; time codes and other data
    // never. Not knowing them, the pictures and sound are copied.
    static QStringList lossless(const QString &input, const std::optional<Mp4Movie> &movie,
                                double from, double to, const QString &output);
    // One H.264 picture at the geometry's frame size: the front, and the rear
    // where the geometry puts it (no rear input for one camera), then the ASS
    // script burnt in when given. The script is named relative to ffmpeg's
    // working folder, which keeps its path out of the filter's own quoting.
    // The sound is the front's, in AAC. The output lasts to - from.
    static QStringList composed(const QString &front, const QString &rear, double from, double to,
                                const ClipGeometry &geometry, const QString &assFileName,
                                const QString &output);
};
