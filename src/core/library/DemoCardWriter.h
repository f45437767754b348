#pragma once

#include <QStringList>

// Writes a memory card as a camera would leave it, for trying the program
// without a camera: recordings made with ffmpeg's test sources, carrying the
// telemetry of a plausible drive.
class DemoCardWriter
{
public:
    struct Result
    {
        bool ok = false;
        QString error;          // what went wrong, for the user
        QStringList recordings; // absolute paths of what was written
    };

    static Result write(const QString &root);

    // A dual-camera AVI (two H.264 streams and a sound stream) with "02tx"
    // telemetry of the given length.
    static Result writeDualCameraAvi(const QString &path, int seconds);
};
