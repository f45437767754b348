#pragma once

#include <QImage>
#include <QString>

// Short H.264 movies made with ffmpeg's test sources for the video view
// tests, and ffmpeg's own picture of a frame to compare against.
class VideoTestFiles
{
public:
    // A 30 frames per second movie of the lavfi source ("testsrc2",
    // "smptebars") at the size ("320x180"), without sound.
    static bool movie(const QString &path, const QString &source, const QString &size,
                      int seconds = 3);
    // ffmpeg's decoding of the frame at the time; null when it fails.
    static QImage frameAt(const QString &moviePath, double seconds);
    // The mean difference of the two pictures' channels, 0 to 255, after
    // scaling the second to the first's size.
    static double difference(const QImage &picture, const QImage &reference);

private:
    static bool ffmpeg(const QStringList &arguments);
};
