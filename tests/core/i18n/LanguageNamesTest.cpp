#include "core/i18n/LanguageNames.h"

#include <gtest/gtest.h>

using LanguageNames::languageTitleByExpandingCode;

TEST(LanguageNames, NamesEveryListedCodeAndEchoesOthers)
{
    const QStringList codes = LanguageNames::knownCodes();
    EXPECT_EQ(codes.size(), 163);
    // A code the lookup misses (a table out of order) would echo itself.
    for (const QString &code : codes)
        EXPECT_NE(languageTitleByExpandingCode(code), code) << code.toStdString();
    EXPECT_EQ(languageTitleByExpandingCode("ko"), "Korean");
    EXPECT_EQ(languageTitleByExpandingCode("zh-Hant-HK"), "Chinese(Traditional/Contonese)");
    // Unknown, differently cased or cut-off codes come back as they are.
    for (const char *code : {"xx", "", "KO", "zh-hant-hk", "z", "zh-"})
        EXPECT_EQ(languageTitleByExpandingCode(code), code);
}
