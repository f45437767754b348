#pragma once

#include "TempFolder.h"

#include <QString>

// Short recordings of each kind the viewer plays, written once per test
// program the way the demo card holds them (DemoCardWriter): a two-camera
// AVI, an MP4 pair and a one-camera AVI, kSeconds long, with the demo
// drive's telemetry. The pictures have a key frame every second.
class DemoRecordings
{
public:
    static constexpr int kSeconds = 6;
    static constexpr double kKeyFrameSeconds = 1.0;

    // Writes them on first use; a failure ends the program.
    static const DemoRecordings &shared();

    QString dualAvi;
    QString frontMp4;
    QString rearMp4;
    QString singleAvi;

private:
    DemoRecordings();

    TempFolder m_folder;
};
