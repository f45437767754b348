#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class SubtitleData;
class TorvaClipData;

// Loads the telemetry of a recording being opened. An MP4 recording's
// telemetry comes from the SRT file that conversion put beside its playable
// front file; a compact-family AVI has its own layout; anything else goes
// through the track's reader chain.
class RecordingTelemetry
{
public:
    enum class Loader
    {
        Subtitles,     // the SRT beside the playable front file
        CompactFamily, // loadVideoFileCilpDataFromFilePath_QMV on the recording
        ReaderChain,   // loadVideoFileCilpDataFromFilePath on the recording
    };

    static Loader loaderFor(const QUrl &recording);
    // The SRT file of an MP4 recording: its playable front file's path with
    // the extension "srt".
    static QString subtitlePath(const QString &bigVideoFilePath);

    // Refills clipData; for an MP4 recording also returns its SubtitleData
    // (empty when the SRT file is missing), for any other nothing.
    static std::optional<SubtitleData> load(const QUrl &recording, const QString &bigVideoFilePath,
                                            TorvaClipData &clipData);
};
