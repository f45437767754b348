#include "core/settings_ui/PartitionRatios.h"

#include <gtest/gtest.h>

TEST(PartitionRatios, EachModelGroupHasItsTable)
{
    using R = PartitionRatios::Ratios;
    EXPECT_EQ(PartitionRatios::forModel(15, 2), (R{54, 15, 5, 15, 10}));
    EXPECT_EQ(PartitionRatios::forModel(8, 1), (R{37, 15, 5, 3, 40}));
    EXPECT_EQ(PartitionRatios::forModel(9, 0), (R{60.6, 20, 5, 3, 10}));
    // A column the editor does not offer reads as the first.
    EXPECT_EQ(PartitionRatios::forModel(27, 3), (R{61, 20, 3, 5, 10}));
}
