#pragma once

#include <QStringList>

// ffmpeg run alone, as a benchmark's yardstick or to make its recordings.
class BenchFfmpeg
{
public:
    // Quiet, overwriting its outputs; true when it exited with status 0.
    static bool run(const QStringList &arguments);
};
