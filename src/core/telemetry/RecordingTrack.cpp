#include "core/telemetry/RecordingTrack.h"

#include "core/telemetry/TorvaClipData.h"

void RecordingTrack::load(const QString &path, Reader reader, TorvaClipData &track)
{
    const bool compact =
        reader == Reader::CompactFamily ||
        (reader == Reader::ByName && TorvaClipData::isCompactFamilyRecording(path));
    if (compact)
        track.loadVideoFileCilpDataFromFilePath_QMV(path);
    else
        track.loadVideoFileCilpDataFromFilePath(path);
}
