#pragma once

#include <QStringList>

// Writes a memory card as a camera would leave it, for trying the program
// without a camera: recordings in every card folder made from ffmpeg's test
// pictures (a running clock in each), carrying the telemetry of one drive, and
// a P820's settings files.
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
};
