#pragma once

#include <QString>

#include <optional>

// Where the transcoder puts what it makes: the folder "temp_video" in the
// working folder holds one folder per recording, named after the recording's
// file name (without extension) and its size in bytes, so that a changed file
// gets a new folder. In it "<name>_f.mov" (front camera, shown in the large
// view), "<name>_r.mov" (rear camera) and, for MP4 recordings, the same names
// with the extension "srt".
class TranscodeCache
{
public:
    // Makes the folders when missing; nothing when the recording's size
    // cannot be read or a folder cannot be made.
    static std::optional<TranscodeCache> forRecording(const QString &recordingPath,
                                                      const QString &workingDirectory);

    const QString &folderPath() const { return m_folder; }
    qint64 recordingSize() const { return m_recordingSize; }
    QString frontOutput() const;
    QString rearOutput() const;

    // The same path with the extension "srt".
    static QString subtitlesFor(const QString &moviePath);
    // A fresh hidden name beside the output for ffmpeg to write to. The
    // extension stays, since ffmpeg picks the format from it.
    static QString temporaryFor(const QString &output);
    // Moves a finished temporary file into place when ffmpeg succeeded and
    // wrote something, otherwise removes it, so that a failed or interrupted
    // run is never mistaken for a finished output. True when it was kept.
    static bool keep(const QString &temporary, const QString &output, bool succeeded);

private:
    TranscodeCache(const QString &folder, const QString &name, qint64 recordingSize);

    QString m_folder;
    QString m_name;
    qint64 m_recordingSize = 0;
};
