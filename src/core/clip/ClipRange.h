#pragma once

#include <QString>

#include <optional>
#include <utility>

// Checks a clip [from, to) in seconds against its recording's duration: the
// clip lies within the recording, 0 ≤ from < to ≤ duration, and lasts at
// least kMinSeconds. A bound up to kToleranceSeconds outside the recording
// (a player and a file rarely agree on the last frame) is moved onto it.
class ClipRange
{
public:
    static constexpr double kMinSeconds = 0.1;
    static constexpr double kToleranceSeconds = 0.05;

    // The range, its bounds moved within the recording, or nothing when it
    // is not a clip of it.
    static std::optional<std::pair<double, double>> parse(double from, double to, double duration);
    // Why the range is not a clip of the recording, as a sentence for the
    // command line; empty when it is one.
    static QString problem(double from, double to, double duration);
};
