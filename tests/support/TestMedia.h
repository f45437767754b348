#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small recordings made with ffmpeg's test sources, a second or two long.
// The front camera is 320x180 (testsrc2), the rear 160x90 (smptebars), the
// sound a 440 Hz tone. Each maker returns false when ffmpeg failed.
class TestMedia
{
public:
    // Two H.264 cameras, and a PCM sound stream when withAudio, in one AVI;
    // frontCodec as for singleCameraAvi.
    static bool dualCameraAvi(const QString &path, bool withAudio = true,
                              const QString &frontCodec = QStringLiteral("libx264"));
    // One camera and sound; codec "libx264", or e.g. "ffv1" for a picture
    // that a MOV file cannot carry under the tag "avc1".
    static bool singleCameraAvi(const QString &path,
                                const QString &codec = QStringLiteral("libx264"));
    // Sound only.
    static bool soundOnlyAvi(const QString &path);
    // One H.264 camera, AAC sound and the SRT text as a mov_text subtitle
    // stream; size picks the picture size ("320x180").
    static bool mp4WithSubtitles(const QString &path, const QByteArray &srt,
                                 const QString &size = QStringLiteral("320x180"), int seconds = 2);
    // The source's streams copied over and over: a large file, made quickly.
    static bool repeated(const QString &source, const QString &path, int times);

    // ffprobe's view of each stream: "h264,video,320,180", "pcm_s16le,audio",
    // "mov_text,subtitle".
    static QStringList streams(const QString &path);
    // ffprobe's length of the first picture stream in seconds; -1 when unknown.
    static double videoDuration(const QString &path);
    // The picture at the time as 8-bit grey levels, row by row; empty when
    // ffmpeg failed.
    static QByteArray greyFrame(const QString &path, double seconds);

private:
    static bool ffmpeg(const QStringList &arguments);
    static QByteArray ffprobe(const QStringList &arguments);
};
