#include "core/i18n/HexString.h"

#include <gtest/gtest.h>

namespace {

using HexString::dataFromHexString;

TEST(HexString, ReadsPairsByTheirLeadingHexDigits)
{
    EXPECT_EQ(dataFromHexString(""), QByteArray());
    EXPECT_EQ(dataFromHexString("abc"), QByteArray("\xAB\x0C", 2));
    EXPECT_EQ(dataFromHexString("0a1B"), QByteArray("\x0A\x1B", 2));
    EXPECT_EQ(dataFromHexString("0g"), QByteArray(1, '\0'));
    EXPECT_EQ(dataFromHexString("g0"), QByteArray(1, '\0'));
    EXPECT_EQ(dataFromHexString("7z"), QByteArray("\x07", 1));
    EXPECT_EQ(dataFromHexString("FFff00"), QByteArray("\xFF\xFF\x00", 3));
    EXPECT_EQ(dataFromHexString("-1 a"), QByteArray("\x00\x00", 2));
    EXPECT_EQ(dataFromHexString(QStringLiteral("１２")), QByteArray(1, '\0'));
}

} // namespace
