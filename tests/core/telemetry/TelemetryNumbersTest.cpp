#include "core/telemetry/TelemetryNumbers.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TelemetryTrackBuilder.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace TelemetryNumbers;
using V = std::vector<int>;

TEST(TelemetryNumbers, CoordinatesSpeedsAndLeadingNumbers)
{
    EXPECT_EQ(TorvaClipData::cal_string("3723.2475"), 37387460u);
    EXPECT_EQ(TorvaClipData::cal_string("00.5"), 8333u); // no degrees
    for (const char *noCoordinate : {"", "12", ".5"})
        EXPECT_EQ(TorvaClipData::cal_string(noCoordinate), 0u) << noCoordinate;

    EXPECT_EQ(knotsToKmh(leadingFloat("54.0")), 100u);
    // Absurd values never make the conversion undefined.
    EXPECT_EQ(knotsToKmh(std::numeric_limits<float>::infinity()), uint32_t(uint64_t(INT64_MAX)));
    EXPECT_EQ(knotsToKmh(std::nanf("")), 0u);

    EXPECT_EQ(V({leadingInt("  -12abc"), leadingInt("+7"), leadingInt("abc"),
                 leadingInt("99999999999"), leadingInt("-99999999999")}),
              (V{-12, 7, 0, INT32_MAX, INT32_MIN}));
    // No exponents in this data.
    EXPECT_EQ(std::vector<float>({leadingFloat(" 37.5xyz"), leadingFloat("-.25"),
                                  leadingFloat("1e5"), leadingFloat("-")}),
              (std::vector<float>{37.5f, -0.25f, 1.0f, 0.0f}));
    EXPECT_TRUE(std::isinf(leadingFloat(std::string(50, '9'))));
    EXPECT_FLOAT_EQ(leadingFloat("0." + std::string(60, '0') + "1"), 0.0f);
}

TEST(TelemetryNumbers, Utf8Validation)
{
    EXPECT_TRUE(isValidUtf8("\xC3\xA9\xE2\x80\xA8\xF0\x9F\x9A\x97"));
    // Cut short, overlong, a surrogate, past U+10FFFF.
    for (const char *invalid : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(isValidUtf8(invalid)) << invalid;
    EXPECT_EQ(utf16Length("a\xC3\xA9\xF0\x9F\x9A\x97"), 4);
}

TEST(TelemetryTrackBuilder, GroupClosingPicksTenEntries)
{
    EXPECT_EQ(TelemetryTrackBuilder::groupClosingIndexes(11), (V{0, 1, 2, 3, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(TelemetryTrackBuilder::groupClosingIndexes(15), (V{0, 1, 3, 4, 6, 7, 9, 10, 12, 13}));
    EXPECT_TRUE(TelemetryTrackBuilder::groupClosingIndexes(0).empty());
    for (int n = 1; n <= 656; ++n) {
        const V indexes = TelemetryTrackBuilder::groupClosingIndexes(n);
        ASSERT_EQ(indexes.size(), 10u) << n;
        ASSERT_LT(indexes.back(), n);
    }
}

TEST(TelemetrySampleIndex, TenthsOfASecondTruncatedAndClamped)
{
    const std::pair<double, uint32_t> cases[] = {
        {12.34, 123u},      {0.09, 0u},
        {0.1, 1u},          {64.99, 649u},
        {0.3, 3u},          {-0.05, 0u},
        {-3.0, 0u},         {std::nan(""), 0u},
        {1e12, UINT32_MAX}, {std::numeric_limits<double>::infinity(), UINT32_MAX}};
    for (const auto &[seconds, index] : cases)
        EXPECT_EQ(TelemetrySampleIndex::forPlayTime(seconds), index) << seconds;
}
