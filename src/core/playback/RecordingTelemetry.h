#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class SubtitleData;
class TorvaClipData;

// Where the telemetry of a recording being opened lives. An MP4 recording's
// telemetry comes from the SRT file that conversion put beside its playable
// front file; any other recording holds its own. Which reader serves that
// file is TelemetrySource's choice by name.
class RecordingTelemetry
{
public:
    // An MP4 recording: its telemetry file exists only after conversion.
    static bool needsConversion(const QUrl &recording);
    // The SRT file of an MP4 recording: its playable front file's path with
    // the extension "srt".
    static QString subtitlePath(const QString &bigVideoFilePath);
    // The file that holds the recording's telemetry.
    static QString telemetryPath(const QUrl &recording, const QString &bigVideoFilePath);

    // Refills clipData; for an MP4 recording also returns its SubtitleData
    // (empty when the SRT file is missing), for any other nothing.
    static std::optional<SubtitleData> load(const QUrl &recording, const QString &bigVideoFilePath,
                                            TorvaClipData &clipData);
};
