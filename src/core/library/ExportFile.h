#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Writes what the user exports (a copy of a recording, a picture, a track)
// all at once or not at all: the bytes go to a temporary file beside the
// target that replaces it only when every byte is written, so a failure or a
// cancel leaves neither a partial file nor the temporary one, and an older
// file of that name stays as it was.
class ExportFile
{
public:
    enum class Result
    {
        Written,
        Cancelled,
        SourceUnreadable, // could not be opened or read
        SourceVanished,   // removed, cut short or changed while it was copied
        TargetReadOnly,
        TargetNotWritable, // missing folder, no permission
        DiskFull,
        WriteFailed, // any other failure while writing
    };

    // Bytes written so far and the whole size; answering false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    static constexpr qint64 kChunkSize = qint64(1024) * 1024;

    // Copies source to target chunk by chunk, calling progress after each.
    static Result copyFile(const QString &source, const QString &target,
                           const Progress &progress = {}, qint64 chunkSize = kChunkSize);
    static Result writeFile(const QString &target, const QByteArray &bytes);

    // Why writing into the target's folder failed, as far as its volume
    // tells: read-only, or without room for what was still to be written;
    // otherwise as given.
    static Result targetFailure(const QString &target, qint64 bytesNeeded, Result otherwise);

    // The localisation key of the message telling the user what went wrong;
    // null for Written and Cancelled, which need no message.
    static const char *messageKey(Result result);
};
