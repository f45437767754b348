#pragma once

#include "TempFolder.h"

#include <QString>

// Short recordings of the kinds the viewer plays, written once per test
// program the way the demo card holds them (DemoCardWriter): a two-camera
// AVI and an MP4 pair, six seconds long, with the demo drive's telemetry.
// The pictures have a key frame every second.
class DemoRecordings
{
public:
    // Writes them on first use; a failure ends the program.
    static const DemoRecordings &shared();

    QString dualAvi;
    QString frontMp4;
    QString rearMp4;

private:
    DemoRecordings();

    TempFolder m_folder;
};
