#pragma once

#include "core/telemetry/TelemetryReading.h"

#include <QString>

#include <optional>

// Decides which reader serves a recording file and reads it. Every place
// that loads a track from a file comes through here, so the viewer, the
// track export and the command line read a file the same way.
class TelemetrySource
{
public:
    enum class Choice
    {
        ByName,        // the compact family's layout for its file names, else the chain
        CompactFamily, // the compact family's layout
        ReaderChain,   // ".srt" → subtitles; else MP4 tags, tail block, standard AVI
    };

    enum class Reader
    {
        StandardAvi,
        CompactAvi,
        TailBlock,
        Mp4Tags,
        Subtitles,
    };

    // Nothing when no reader found anything to store.
    static std::optional<TelemetryReading> read(const QString &path, Choice choice);
    // A recording's own telemetry, chosen by name; an MP4 file without any
    // falls back to its subtitle stream, then to the SRT file of the same
    // base name beside it. Nothing when none holds samples.
    static std::optional<TelemetryReading> readRecording(const QString &recordingPath);
    // One reader over the file. A file that cannot be opened gives nothing,
    // except for subtitles, whose unreadable file reads as empty text.
    static std::optional<TelemetryReading> readWith(const QString &path, Reader reader);

    // Compact-family recordings ("Rec_", "Event_", "Park_", "Manual_" … ".avi")
    // carry their telemetry in that family's own layout.
    static bool isCompactFamilyRecording(const QString &fileName);

private:
    static std::optional<TelemetryReading> readChain(const QString &path);
};
