#include "core/i18n/LanguageNames.h"

#include <gtest/gtest.h>

using LanguageNames::languageTitleByExpandingCode;

TEST(LanguageNames, NamesKnownCodesTheCamerasWayAndEchoesOthers)
{
    const char *const rows[][2] = {{"aa", "Afar"},
                                   {"ko", "Korean"},
                                   {"zu", "Zulu"},
                                   {"iw", "Hebrew"},
                                   {"he", "Hebrew"},
                                   {"zh-Hant-HK", "Chinese(Traditional/Contonese)"},
                                   {"zh-wuu", "Shanghaiese or Wu"}};
    for (const auto &row : rows)
        EXPECT_EQ(languageTitleByExpandingCode(row[0]), row[1]) << row[0];
    // Unknown, differently cased or cut-off codes come back as they are.
    for (const char *code : {"xx", "", "KO", "zh-hant-hk", "z", "zh-"})
        EXPECT_EQ(languageTitleByExpandingCode(code), code);
}

TEST(LanguageNames, NamesEveryListedCode)
{
    const QStringList codes = LanguageNames::knownCodes();
    EXPECT_EQ(codes.size(), 163);
    // A code the lookup misses (a table out of order) would echo itself.
    for (const QString &code : codes)
        EXPECT_NE(languageTitleByExpandingCode(code), code) << code.toStdString();
}
