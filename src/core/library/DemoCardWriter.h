#pragma once

#include <QStringList>

// Writes a memory card as a camera would leave it, for trying the program
// without a camera: recordings in every card folder made from ffmpeg's test
// pictures (a running clock in each), carrying the telemetry of one drive, and
// a P820's settings files.
class DemoCardWriter
{
public:
    enum class Kind
    {
        DualCameraAvi,    // front and rear in one AVI, "02tx" telemetry
        SingleCameraAvi,  // front only
        Mp4WithSubtitles, // one camera per MP4, telemetry as a subtitle stream
        Mp4WithTailBlock, // telemetry as a text block at the end
    };

    struct Result
    {
        bool ok = false;
        QString error;          // what went wrong, for the user
        QStringList recordings; // absolute paths of what was written
    };

    static Result write(const QString &root);
    // One recording of the kind as the card holds them, the first seconds of
    // the drive, for a test that needs only a few short ones. The error,
    // empty when written.
    static QString writeRecording(Kind kind, const QString &target, int seconds);
};
