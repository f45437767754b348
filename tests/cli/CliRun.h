#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QStringList>

#include <optional>

// One run of the torva command line, with what it printed.
struct CliRun
{
    int code = 0;
    QByteArray out;
    QByteArray err;

    // A table row: the arguments, split at spaces, @NAME standing for a path;
    // the exit code; and some of what was printed (all of it when whole), on
    // standard output for a success, else on standard error, nothing on the other.
    struct Case
    {
        QString args;
        int code;
        QString says;
        bool whole = false;
    };

    // In this process; args without the program name: {"telemetry", FILE}.
    static CliRun torva(const QStringList &args);
    // In a process of its own, started through prefix (setpriv ...) when given;
    // code is -1 when it could not run.
    static CliRun
    program(const QStringList &args,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
            const QStringList &prefix = {});
    // Runs each case, as a program when given its environment; no name in
    // paths may begin another.
    static void expect(const QList<Case> &cases, const QMap<QString, QString> &paths = {},
                       const std::optional<QProcessEnvironment> &environment = {});
};
