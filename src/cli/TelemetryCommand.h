#pragma once

#include <QStringList>

class CliOutput;

// torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE
// torva telemetry --trip DIR --trip-index N [--format csv|gpx|geojson]
// The second writes trip N of "torva trips DIR" as one track of segments,
// one per recording, their times counted from each recording's start.
class TelemetryCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
