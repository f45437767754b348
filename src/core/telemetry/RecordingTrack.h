#pragma once

#include <QString>

class TorvaClipData;

// Reads the telemetry track stored in a recording file, for the command line
// and the viewer's track export alike.
class RecordingTrack
{
public:
    enum class Reader
    {
        ByName,        // the compact family's layout for its file names, else the chain
        CompactFamily, // loadVideoFileCilpDataFromFilePath_QMV
        ReaderChain,   // loadVideoFileCilpDataFromFilePath
    };

    // Refills track from the file; a file without telemetry leaves it empty.
    static void load(const QString &path, Reader reader, TorvaClipData &track);
};
