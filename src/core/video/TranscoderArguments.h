#pragma once

#include <QString>
#include <QStringList>

// ffmpeg's command lines: the stream listing, the stream-copy remuxing into
// MOV and the subtitle extraction into SRT. Inputs and outputs are absolute
// paths, so that no name can be taken for an option.
class TranscoderArguments
{
public:
    // The codec of a recording, as Utils::GetAviType answers it.
    enum AviType : int
    {
        kAviTypeH264 = 0,
        kAviTypeAvc1 = 1,
        kAviTypeHvc1 = 2,
        kAviTypeOther = 3,
    };
    // Which video stream of a two-camera recording: "0:0" or "0:1".
    enum class Camera
    {
        Front,
        Rear,
    };

    static QStringList listing(const QString &input);
    static QStringList singleStream(int aviType, const QString &input, const QString &output);
    // One camera of a two-camera recording; the sound stream "0:2" goes along
    // with either camera when there is one.
    static QStringList twoStream(int aviType, Camera camera, bool withAudio, const QString &input,
                                 const QString &output);
    static QStringList subtitles(const QString &input, const QString &output);
};
