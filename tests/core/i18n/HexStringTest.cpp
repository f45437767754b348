#include "core/i18n/HexString.h"

#include <gtest/gtest.h>

TEST(HexString, ReadsPairsByTheirLeadingHexDigits)
{
    // A pair reads as far as its digits go; a fullwidth digit is none.
    const char *const rows[][2] = {
        {"", ""},     {"abc", "ab0c"},      {"0a1B", "0a1b"}, {"0g", "00"},  {"g0", "00"},
        {"7z", "07"}, {"FFff00", "ffff00"}, {"-1 a", "0000"}, {"１２", "00"}};
    for (const auto &row : rows) {
        EXPECT_EQ(HexString::dataFromHexString(QString::fromUtf8(row[0])),
                  QByteArray::fromHex(row[1]))
            << row[0];
    }
}
