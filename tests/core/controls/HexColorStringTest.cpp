#include "core/controls/HexColorString.h"

#include <QString>

#include <gtest/gtest.h>

TEST(HexColorString, ScansLikeAHexadecimalNumber)
{
    const auto scan = [](QStringView text) { return HexColorString::scanHexInt(text); };
    EXPECT_EQ(scan(u"  FF8000"), 0xff8000u);
    EXPECT_EQ(scan(u"0xABCDEF"), 0xabcdefu);
    EXPECT_EQ(scan(u"12g4"), 0x12u);
    EXPECT_EQ(scan(u"123456789"), 0xffffffffu);
    for (const QStringView none : {QStringView(), QStringView(u"#ffffff"), QStringView(u"0x")})
        EXPECT_EQ(scan(none), 0u) << none.toString().toStdString();
    // Each component is a fraction of 255; bits above 23 do not reach them.
    const uint32_t rgb = 0xffd6dfe9u;
    EXPECT_EQ(
        std::tuple(HexColorString::red(rgb), HexColorString::green(rgb), HexColorString::blue(rgb)),
        std::tuple(214.0 / 255.0, 223.0 / 255.0, 233.0 / 255.0));
}
