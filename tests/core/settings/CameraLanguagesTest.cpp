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
    const struct
    {
        QByteArray verDat;
        Languages expected;
    } cases[] = {
        {"#  Language ISO Code:en fr es", {lang(0, "en"), lang(1, "fr"), lang(2, "es")}},
        // Every separator counts, so a blank after the colon gives an empty code.
        {"# Language ISO Code: en", {lang(0, ""), lang(1, "en")}},
        {"# Language ISO Code:   ", {lang(0, ""), lang(1, "")}},
        {"# Language ISO Code:ko\t\tja  \r", {lang(0, "ko"), lang(1, ""), lang(2, "ja")}},
        // Lines are appended in file order; other lines are ignored.
        {"FW 1.0.17\r\n# Language ISO Code:en ko\r\nbuild 3\nx # Language ISO Code:pt\n",
         {lang(0, "en"), lang(1, "ko"), lang(0, "pt")}},
        // Nothing to find: no blank after "#", no codes, other case, not UTF-8.
        {"", {}},
        {"#Language ISO Code:en", {}},
        {"# Language ISO Code:", {}},
        {"# language iso code:en", {}},
        {"# Language ISO Code:en \xff\n", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CameraLanguages::parseVerDat(c.verDat), c.expected) << c.verDat.constData();
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
