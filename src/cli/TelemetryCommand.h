#pragma once

#include <QStringList>

class CliOutput;

// torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE
class TelemetryCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
