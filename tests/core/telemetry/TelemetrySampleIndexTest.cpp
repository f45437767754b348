#include "core/telemetry/TelemetrySampleIndex.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(TelemetrySampleIndex, TenthsOfASecondTruncated)
{
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(12.34), 123u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(0.09), 0u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(0.1), 1u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(64.99), 649u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(0.3), 3u); // 0.3 × 10 is exactly 3.0 in double
}

TEST(TelemetrySampleIndex, TimesOutsideTheRangeAreClamped)
{
    constexpr uint32_t kMax = std::numeric_limits<uint32_t>::max();
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(-0.05), 0u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(-3.0), 0u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(std::nan("")), 0u);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(1e12), kMax);
    EXPECT_EQ(TelemetrySampleIndex::forPlayTime(std::numeric_limits<double>::infinity()), kMax);
}
