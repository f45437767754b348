#include "core/controls/HexColorString.h"

#include <gtest/gtest.h>

TEST(HexColorString, ComponentsOfTheTitleColour)
{
    const uint32_t rgb = HexColorString::scanHexInt(u"d6dfe9");
    EXPECT_EQ(rgb, 0xd6dfe9u);
    EXPECT_EQ(HexColorString::red(rgb), 214.0 / 255.0);
    EXPECT_EQ(HexColorString::green(rgb), 223.0 / 255.0);
    EXPECT_EQ(HexColorString::blue(rgb), 233.0 / 255.0);
}

TEST(HexColorString, ScansLikeAHexadecimalNumber)
{
    EXPECT_EQ(HexColorString::scanHexInt(u""), 0u);
    EXPECT_EQ(HexColorString::scanHexInt(QStringView()), 0u);
    EXPECT_EQ(HexColorString::scanHexInt(u"zz"), 0u);
    EXPECT_EQ(HexColorString::scanHexInt(u"#ffffff"), 0u);
    EXPECT_EQ(HexColorString::scanHexInt(u"  FF8000"), 0xff8000u);
    EXPECT_EQ(HexColorString::scanHexInt(u"0xABCDEF"), 0xabcdefu);
    EXPECT_EQ(HexColorString::scanHexInt(u"0x"), 0u);
    EXPECT_EQ(HexColorString::scanHexInt(u"12g4"), 0x12u);
    EXPECT_EQ(HexColorString::scanHexInt(u"123456789"), 0xffffffffu);
    // Bits above 23 do not reach the components.
    EXPECT_EQ(HexColorString::red(0xff102030u), 16.0 / 255.0);
}
