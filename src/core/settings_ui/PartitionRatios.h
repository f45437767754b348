#pragma once

#include <QtGlobal>

#include <array>

// How a camera divides its memory card among the kinds of recording, in
// percent, for each of the three partition choices of the settings editor.
class PartitionRatios
{
public:
    // Continuous, always shock, parking motion, parking shock, manual.
    using Ratios = std::array<double, 5>;
    static constexpr int kColumnCount = 3;

    // A column outside 0-2 gives the first.
    static Ratios forModel(qint64 modelType, int column);
};
