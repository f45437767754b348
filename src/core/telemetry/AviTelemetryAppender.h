#pragma once

#include <QString>

#include <vector>

// Adds telemetry records to an AVI file as "02tx" chunks in a LIST at the
// end of the RIFF, where players pass over them and the telemetry reader,
// which enters every list, finds them.
class AviTelemetryAppender
{
public:
    // Returns false (and leaves the file as it was) when the file is not a
    // single RIFF/"AVI " chunk or the result would not fit a RIFF size.
    static bool append(const QString &aviPath, const std::vector<QByteArray> &records);
};
