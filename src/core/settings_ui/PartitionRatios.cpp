#include "core/settings_ui/PartitionRatios.h"

namespace {

using Ratios = PartitionRatios::Ratios;
using Table = std::array<Ratios, PartitionRatios::kColumnCount>;

constexpr Table kDefaultTable{{
    {61, 20, 3, 5, 10},
    {36, 15, 3, 5, 40},
    {54, 15, 5, 15, 10},
}};

// The V390 and P70 families keep more room for parking motion.
constexpr Table kMotionFirstTable{{
    {62, 20, 5, 3, 10},
    {37, 15, 5, 3, 40},
    {55, 15, 15, 5, 10},
}};

// The V580 family and the three-row parking models.
constexpr Table kFractionalTable{{
    {60.6, 20, 5, 3, 10},
    {36.3, 15, 5, 3, 40},
    {53.6, 15, 15, 5, 10},
}};

const Table &tableFor(qint64 modelType)
{
    switch (modelType) {
    case 7:
    case 8:
    case 11:
    case 12:
    case 13:
    case 14:
    case 19:
        return kMotionFirstTable;
    case 3:
    case 4:
    case 9:
    case 10:
    case 18:
        return kFractionalTable;
    default:
        return kDefaultTable;
    }
}

} // namespace

PartitionRatios::Ratios PartitionRatios::forModel(qint64 modelType, int column)
{
    if (column < 0 || column >= kColumnCount)
        column = 0;
    return tableFor(modelType)[size_t(column)];
}
