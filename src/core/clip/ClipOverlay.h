#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TorvaClipData;

// The telemetry of a clip [from, to) as an ASS subtitle file that ffmpeg's
// "ass" and "subtitles" filters burn into the clip's picture. Samples and
// times are those of ClipTelemetry::shown(): one event per sample over the
// time the viewer shows it, relative to the clip's start.
//
// An event reads, one line each: the clock "yyyy-MM-dd HH:mm:ss" at the
// event's start (recordingStart + from + t, in recordingStart's own time
// zone), the speed, the position and the acceleration (ClipSampleText). The
// part of the clip past the track's end, and so a clip without samples,
// still shows the clock, one event per second it reads; without a valid
// recordingStart there is no clock line and such a part has no events.
class ClipOverlay
{
public:
    struct Style
    {
        int width = 1920;
        int height = 1080;
        bool metricSpeed = true;
        QDateTime recordingStart;
    };

    // A width or height below 1 takes Style's default.
    static QByteArray ass(const TorvaClipData &track, double from, double to, const Style &style);

    // "H:MM:SS.cc", rounded to the nearest hundredth; a negative or unknown
    // (NaN) time gives 0.
    static QString assTime(double seconds);

    // Text that shows as given: braces and backslashes cannot start an
    // override block or an escape, and line breaks become spaces.
    static QString escaped(const QString &text);
};
