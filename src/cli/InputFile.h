#pragma once

#include <QString>

class CliOutput;

// Checks that a command's input is a readable regular file before any reader
// sees it, so that "cannot be read" is told apart from "holds no data".
class InputFile
{
public:
    // Returns an empty reason when the file can be read.
    static QString unreadableReason(const QString &path);
};
