#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// One in-process run of the torva command line, with what it printed.
struct CliRun
{
    int code = 0;
    QByteArray out;
    QByteArray err;

    // args without the program name: {"telemetry", FILE}.
    static CliRun torva(const QStringList &args);

    QJsonObject json() const;
    // Member names of the printed JSON object in the order they were printed.
    QStringList keys() const;
};
