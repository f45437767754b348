#pragma once

#include "core/telemetry/TorvaClipData.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// The telemetry of a clip [from, to) of a recording, from and to in seconds
// of the recording's play time.
//
// Sample i of a track is taken at play time i / 10 s, and the viewer shows it
// from then until the next one, during [i / 10, (i + 1) / 10) s. Clip bounds
// count in whole milliseconds (rounded to the nearest), so 0.3 and 0.1 + 0.2
// both fall on sample 3; a negative or unknown (NaN) bound counts as 0 and
// one past kMaxSeconds as kMaxSeconds. Times in the outputs are relative to
// the clip's start, from, unless said otherwise.
class ClipTelemetry
{
public:
    static constexpr double kMaxSeconds = 24.0 * 3600.0;

    // A sample the viewer shows during the clip, and when: [startMs, endMs)
    // from the clip's start.
    struct Shown
    {
        int32_t index = 0;
        int64_t startMs = 0;
        int64_t endMs = 0;
    };

    // The samples taken at times within [from, to), re-timed: sample k of the
    // result is sample ceil(10 × from) + k of the track, at k / 10 s. A from
    // between samples puts the first one up to 0.1 s into the clip; a track
    // keeps no such offset, so the result starts with it at 0. A range with
    // no samples gives an empty track.
    static TorvaClipData range(const TorvaClipData &track, double from, double to);

    // The samples shown during [from, to), each over its span clipped to the
    // range: the one in effect at from (which may be taken before it) first.
    // The clip's time past the track's end has none.
    static std::vector<Shown> shown(const TorvaClipData &track, double from, double to);

    // One cue per shown sample over its span, with its speed in km/h
    // (metricSpeed) or mph, position and acceleration on three lines.
    static QByteArray srt(const TorvaClipData &track, double from, double to, bool metricSpeed);

    // range() as GPX: the points with a fix, each at recordingStart plus the
    // sample's play time in the recording (in UTC); an invalid recordingStart
    // writes no times.
    static QByteArray gpx(const TorvaClipData &track, double from, double to,
                          const QDateTime &recordingStart, const QString &name);

    // A clip bound in whole milliseconds, as described above.
    static int64_t milliseconds(double seconds);
};
