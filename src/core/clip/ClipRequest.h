#pragma once

#include "core/telemetry/TorvaClipData.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// One clip to export: a range of a recording's playable files, how it is
// made, and where it goes.
class ClipRequest
{
public:
    enum class Mode
    {
        Lossless, // each camera's range copied as it is, one file per camera
        Composed, // both cameras in one H.264 picture, telemetry burnt in on request
    };
    enum class Layout
    {
        Side, // front and rear side by side
        Pip,  // the rear small in the front's top right corner
    };

    // Absolute paths of files ffmpeg reads: an MP4 and its partner, or the
    // cached conversions of an AVI. No rear input for one camera.
    QString frontInput;
    QString rearInput;
    // Seconds of play time.
    double from = 0.0;
    double to = 0.0;
    Mode mode = Mode::Lossless;
    Layout layout = Layout::Side; // composed clips only
    bool overlay = false;         // composed clips only
    // Absolute; ffmpeg picks the container from its extension.
    QString output;
    // The recording's telemetry and when it began (invalid when unknown).
    TorvaClipData track;
    QDateTime recordingStart;
    bool metricSpeed = true;

    bool hasRear() const { return !rearInput.isEmpty(); }
    double length() const { return to - from; }
    // The video files made: the output, or for both cameras of a lossless
    // clip the output with "_F" and "_R" before its extension, front first.
    QStringList videoOutputs() const;
    // Beside a lossless clip: the output's name with the extension "srt"
    // and "gpx".
    QString subtitlesOutput() const;
    QString trackOutput() const;
    // Every file the clip may write: its videos, and beside a lossless clip
    // its telemetry.
    QStringList outputs() const;
    // Whether one of those is one of the files given (the same file by
    // another path too), which the clip would replace.
    bool writesOver(const QStringList &paths) const;

private:
    QString withEnding(const QString &ending) const;
};
