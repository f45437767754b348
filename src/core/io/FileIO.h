#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writes that replace a file in one step, and reads bounded in
// size, for the files on a memory card and what the user saves. Failures come
// back as results with a line for the log; nothing here shows anything.
class FileIO
{
public:
    enum class WriteError
    {
        None,
        CannotCreateFolder,
        NotWritable, // read-only volume, no permission, or not a folder
        DiskFull,
        Failed, // any other failure while writing
    };

    struct WriteResult
    {
        WriteError error = WriteError::None;
        QString message; // for the log; empty when written
        bool ok() const { return error == WriteError::None; }
    };

    enum class ReadError
    {
        None,
        NotExist,
        ExceedSize,
        Failed, // not a regular file, or cannot be opened or read
    };

    struct ReadResult
    {
        ReadError error = ReadError::None;
        QByteArray bytes; // empty unless read
        QString message;  // for the log; empty when read
        bool ok() const { return error == ReadError::None; }
    };

    // What a path's volume tells about a write that failed there.
    enum class VolumeState
    {
        Usable,
        ReadOnly,
        Full, // less room than the bytes still to be written
    };

    // Creates the file's folder when missing, then writes bytes to a
    // temporary file beside path that replaces path only when all of it is
    // written; on failure path is as it was and no temporary file is left.
    static WriteResult saveToFile(const QString &path, const QByteArray &bytes);

    // The whole file when it holds at most maxSize bytes.
    static ReadResult readFile(const QString &path, qint64 maxSize);
    // Up to maxBytes from the start of the file, however long it is.
    static ReadResult readHead(const QString &path, qint64 maxBytes);

    static VolumeState volumeState(const QString &path, qint64 bytesNeeded);
};
