#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads for checking what a test run left on disk.
class FileBytes
{
public:
    // The file's bytes; a null array when it cannot be read.
    static QByteArray read(const QString &path);
};
