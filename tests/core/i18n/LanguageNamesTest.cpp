#include "core/i18n/LanguageNames.h"

#include <gtest/gtest.h>

namespace {

using LanguageNames::languageTitleByExpandingCode;

TEST(LanguageNames, NamesKnownCodesAndEchoesOthers)
{
    EXPECT_EQ(languageTitleByExpandingCode("ko"), "Korean");
    EXPECT_EQ(languageTitleByExpandingCode("aa"), "Afar");
    EXPECT_EQ(languageTitleByExpandingCode("en"), "English");
    EXPECT_EQ(languageTitleByExpandingCode("fr"), "French");
    EXPECT_EQ(languageTitleByExpandingCode("zu"), "Zulu");
    EXPECT_EQ(languageTitleByExpandingCode("xx"), "xx");
    EXPECT_EQ(languageTitleByExpandingCode(""), "");
    EXPECT_EQ(languageTitleByExpandingCode("KO"), "KO");
    EXPECT_EQ(languageTitleByExpandingCode("zh-hant-hk"), "zh-hant-hk");
    EXPECT_EQ(languageTitleByExpandingCode("z"), "z");
    EXPECT_EQ(languageTitleByExpandingCode("zh-"), "zh-");
}

TEST(LanguageNames, KeepsTheCamerasOwnNames)
{
    const char *const rows[][2] = {
        {"be", "Byelorussian (Belarusian)"},
        {"bn", "Bengali (Bangla)"},
        {"dz", "Bhutani"},
        {"fa", "Farsi"},
        {"gd", "Gaelic (Scottish)"},
        {"gv", "Gaelic (Manx)"},
        {"in", "Indonesian"},
        {"id", "Indonesian"},
        {"iw", "Hebrew"},
        {"he", "Hebrew"},
        {"ji", "Yiddish"},
        {"yi", "Yiddish"},
        {"km", "Cambodian"},
        {"li", "Limburgish ( Limburger)"},
        {"lo", "Laothian"},
        {"lv", "Latvian (Lettish)"},
        {"mo", "Moldavian"},
        {"om", "Oromo (Afaan Oromo)"},
        {"ps", "Pashto (Pushto)"},
        {"rn", "Kirundi (Rundi)"},
        {"rw", "Kinyarwanda (Ruanda)"},
        {"sg", "Sangro"},
        {"sh", "Serbo-Croatian"},
        {"sw", "Swahili (Kiswahili)"},
        {"vo", "Volap?k"},
        {"wa", "Wallon"},
        {"zh", "Chinese"},
        {"zh-Hans", "Chinese (Simplified)"},
        {"zh-Hans-CN", "PRC Mainland Chinese in simplified script"},
        {"zh-Hans-HK", "Hong Kong Chinese in simplified script"},
        {"zh-Hans-MO", "Macao Chinese in simplified script"},
        {"zh-Hans-TW", "Taiwan Chinese in simplified script"},
        {"zh-Hant", "Chinese (Traditional)"},
        {"zh-Hant-CN", "PRC Mainland Chinese in traditional script"},
        {"zh-Hant-HK", "Chinese(Traditional/Contonese)"},
        {"zh-Hant-MO", "Macao Chinese in traditional script"},
        {"zh-Hant-SG", "Singapore Chinese in traditional script"},
        {"zh-Hant-TW", "Taiwan Chinese in traditional script"},
        {"zh-cmn", "Mandarin Chinese"},
        {"zh-cmn-Hans", "Mandarin Chinese (Simplified)"},
        {"zh-cmn-Hant", "Mandarin Chinese (Traditional)"},
        {"zh-wuu", "Shanghaiese or Wu"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(languageTitleByExpandingCode(row[0]), row[1]) << row[0];
}

TEST(LanguageNames, NamesEveryListedCode)
{
    const QStringList codes = LanguageNames::knownCodes();
    EXPECT_EQ(codes.size(), 163);
    EXPECT_EQ(codes.first(), "aa");
    EXPECT_EQ(codes.last(), "zu");
    for (const QString &code : codes) {
        const QString title = languageTitleByExpandingCode(code);
        EXPECT_FALSE(title.isEmpty()) << code.toStdString();
        EXPECT_NE(title, code) << code.toStdString();
    }
}

} // namespace
