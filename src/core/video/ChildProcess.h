#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs a helper program directly, never through a shell, so that no file name
// is ever parsed as a command. Standard output and standard error share one
// channel unless the caller reads them apart; standard input is empty.
class ChildProcess
{
public:
    // Starts the program; a program that cannot start ends with
    // QProcess::FailedToStart.
    static void start(QProcess &process, const QString &program, const QStringList &arguments,
                      QProcess::ProcessChannelMode channels = QProcess::MergedChannels);
    // Runs the program to its end on the caller's thread and returns all it
    // wrote, decoded as UTF-8; empty when it cannot start.
    static QString run(const QString &program, const QStringList &arguments);
    // The same in a process the caller has set up (its environment, say) and
    // asks afterwards how it ended.
    static QString run(QProcess &process, const QString &program, const QStringList &arguments);
    // Whether the program ran and exited with status 0.
    static bool succeeded(const QProcess &process);
    // The status the program exited with; -1 when it did not start or crashed.
    static int exitCode(const QProcess &process);
};
