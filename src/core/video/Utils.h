#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// Class operations shared across the program.
class Utils
{
public:
    // Runs the program with the arguments (never through a shell) on the
    // caller's thread and returns all it wrote to standard output and
    // standard error, decoded as UTF-8.
    static QString DoTaskWithLaunchPath(const QString &path, const QStringList &arguments = {});
    // The ffmpeg program next to our executable, else the one on PATH; empty
    // when there is none.
    static QString GetFFMPEGPath();
    // ffmpeg's listing of the file's streams ("ffmpeg -i path").
    static QString GetFFMPEGVideoInfo(const QString &path);
    // The number of video (audio) streams in such a listing.
    static int GetVideoStreamCountFromVideoInfo(const QString &info);
    static int GetAudioStreamCountFromVideoInfo(const QString &info);
    static int GetVideoStreamCountFromVideoPath(const QString &path);
    static int GetAudioStreamCountFromVideoPath(const QString &path);
    // The recording's codec, a TranscoderArguments::AviType: "H264", "AVC1"
    // or "iso4hvc1" at the AVI video handler (offset 112) or else at the MP4
    // compatible brands (offset 16); 3 for anything else.
    static int GetAviType(const QString &path);
    // The transcoder's cache folder (ConversionCache), made when missing;
    // empty when the user has no cache location.
    static QString GetWorkingDirectoryPath();
    // Removes the file or folder (with everything in it) at the path. A
    // symbolic link is removed itself, never what it points to.
    static bool RemoveDirectory(const QString &path);
    // The playable files of a recording, front camera first, converting into
    // the cache when needed (see VideoConversion); possibly empty; nothing
    // when there is no URL or the recording or the cache cannot be used.
    // Blocks until done: a window that must stay responsive runs a
    // VideoConversion instead.
    static std::optional<QList<QUrl>> checkAndConvertVideo(const QUrl &url);

    // Whether the URL lies on a local, removable volume (a memory card).
    static bool isEXteranlMemoryWithURL(const QUrl &url);
};
