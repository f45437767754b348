#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QStringList>

#include <optional>

// Runs of the torva command line, checked against table rows.
struct CliRun
{
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

    // Runs each case in this process, or as a program of its own when given
    // its environment; no name in paths may begin another.
    static void expect(const QList<Case> &cases, const QMap<QString, QString> &paths = {},
                       const std::optional<QProcessEnvironment> &environment = {});
};
