#pragma once

#include <QByteArray>
#include <QStringList>

// What a test run left on disk.
class FileBytes
{
public:
    // The file's bytes; a null array when it cannot be read.
    static QByteArray read(const QString &path);
    // Every entry of the folder, hidden ones too (a failed write must leave no
    // temporary file), sorted by name.
    static QStringList entries(const QString &folder);
};
