#pragma once

#include <QString>
#include <QStringList>

// The system's mount and file system programs (mount, umount, blkid,
// mkfs.*), run directly with an argument list and in the C locale, so that
// what they print can be recognised and logged.
class SystemTool
{
public:
    struct Run
    {
        // The exit status; -1 when the program did not start or crashed.
        int exitCode = -1;
        // Standard output and error together.
        QString output;

        bool ok() const { return exitCode == 0; }
    };

    // The program's full path, looked up on PATH and then in the system
    // folders, which a user's PATH often lacks; empty when there is none.
    static QString find(const QString &name);
    // Runs the program found under that name to its end on the caller's thread.
    static Run run(const QString &name, const QStringList &arguments);
    // The last lines of a tool's output, for a log line.
    static QString tail(const QString &output);
};
