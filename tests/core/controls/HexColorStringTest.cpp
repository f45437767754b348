#include "core/controls/HexColorString.h"

#include <QString>

#include <gtest/gtest.h>

TEST(HexColorString, ScansLikeAHexadecimalNumber)
{
    const auto scan = [](QStringView text) { return HexColorString::scanHexInt(text); };
    EXPECT_EQ(scan(u"d6dfe9"), 0xd6dfe9u);
    EXPECT_EQ(scan(u"  FF8000"), 0xff8000u);
    EXPECT_EQ(scan(u"0xABCDEF"), 0xabcdefu);
    EXPECT_EQ(scan(u"12g4"), 0x12u);
    EXPECT_EQ(scan(u"123456789"), 0xffffffffu);
    for (const QStringView nothing :
         {QStringView(), QStringView(u"zz"), QStringView(u"#ffffff"), QStringView(u"0x")})
        EXPECT_EQ(scan(nothing), 0u) << nothing.toString().toStdString();
    // Each component is a fraction of 255; bits above 23 do not reach them.
    EXPECT_EQ(HexColorString::red(0xffd6dfe9u), 214.0 / 255.0);
    EXPECT_EQ(HexColorString::green(0xd6dfe9u), 223.0 / 255.0);
    EXPECT_EQ(HexColorString::blue(0xd6dfe9u), 233.0 / 255.0);
}
