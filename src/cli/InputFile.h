#pragma once

#include <QString>
#include <QStringList>

class CliOutput;

// A command's FILE argument, checked to be a readable regular file before
// any reader sees it, so that "cannot be read" is told apart from "holds no
// data".
class InputFile
{
public:
    // Returns an exit code when FILE is missing or cannot be read, else 0.
    static int check(const QString &file, CliOutput &output, const char *usage);
    // Returns an empty reason when the file can be read.
    static QString unreadableReason(const QString &path);
};
