#include "TempFolder.h"

#include "core/settings/CameraLanguages.h"
#include "core/settings/P820SettingManager.h"

#include <gtest/gtest.h>

namespace {

using Languages = QList<CameraLanguage>;

CameraLanguage lang(int index, const char *code)
{
    return {index, QString::fromUtf8(code)};
}

} // namespace

TEST(CameraLanguages, CodesAreNumberedPerLine)
{
    EXPECT_EQ(CameraLanguages::parseVerDat("#  Language ISO Code:en fr es"),
              (Languages{lang(0, "en"), lang(1, "fr"), lang(2, "es")}));
    // Every separator counts, so a blank after the colon gives an empty code.
    EXPECT_EQ(CameraLanguages::parseVerDat("# Language ISO Code: en"),
              (Languages{lang(0, ""), lang(1, "en")}));
    EXPECT_EQ(CameraLanguages::parseVerDat("# Language ISO Code:   "),
              (Languages{lang(0, ""), lang(1, "")}));
    EXPECT_EQ(CameraLanguages::parseVerDat("# Language ISO Code:ko\t\tja  \r"),
              (Languages{lang(0, "ko"), lang(1, ""), lang(2, "ja")}));
    // Lines are appended in file order; other lines are ignored.
    EXPECT_EQ(CameraLanguages::parseVerDat("FW 1.0.17\r\n# Language ISO Code:en ko\r\nbuild 3\n"
                                           "x # Language ISO Code:pt\n"),
              (Languages{lang(0, "en"), lang(1, "ko"), lang(0, "pt")}));
}

TEST(CameraLanguages, NothingToFindGivesNothing)
{
    EXPECT_TRUE(CameraLanguages::parseVerDat("").isEmpty());
    EXPECT_TRUE(CameraLanguages::parseVerDat("#Language ISO Code:en").isEmpty())
        << "blank after # needed";
    EXPECT_TRUE(CameraLanguages::parseVerDat("# Language ISO Code:").isEmpty());
    EXPECT_TRUE(CameraLanguages::parseVerDat("# language iso code:en").isEmpty());
    EXPECT_TRUE(CameraLanguages::parseVerDat("# Language ISO Code:en \xff\n").isEmpty())
        << "not UTF-8";
}

TEST(CameraLanguages, ManagerFallsBackToTheFixedList)
{
    const Languages fixed{lang(0, "en"), lang(1, "fr"), lang(4, "es")};
    TempFolder card;
    P820SettingManager manager;
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), fixed);

    manager.setSettingDirPath(card.path());
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), fixed);

    card.write(QStringLiteral("SETTING/lang/ver.dat"), "#\tLanguage ISO Code:ko en\n");
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), (Languages{lang(0, "ko"), lang(1, "en")}));

    card.write(QStringLiteral("SETTING/lang/ver.dat"), "version 3\n");
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), fixed);
}
