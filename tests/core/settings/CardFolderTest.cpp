#include "TempFolder.h"

#include "core/settings/CardFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using Order = CardFolder::Order;

// Which spelling each order takes, on a case-sensitive copy of a card.
TEST(CardFolder, EachOrderFindsItsSpellingFirst)
{
    const struct
    {
        QStringList onCard;
        QString lowerFirst;
        QString upperFirst;
    } cases[] = {
        {{}, "SETTING/a.cfg", "SETTING/a.cfg"},
        {{"setting/a.cfg"}, "setting/a.cfg", "setting/a.cfg"},
        {{"SETTING/a.cfg"}, "SETTING/a.cfg", "SETTING/a.cfg"},
        {{"setting/a.cfg", "SETTING/a.cfg"}, "setting/a.cfg", "SETTING/a.cfg"},
        // A new file: only the upper-case-first rule follows a lower-case folder.
        {{"setting/b.cfg"}, "SETTING/a.cfg", "setting/a.cfg"},
        {{"setting/b.cfg", "SETTING/b.cfg"}, "SETTING/a.cfg", "SETTING/a.cfg"},
    };
    for (const auto &c : cases) {
        TempFolder card;
        for (const QString &file : c.onCard)
            card.write(file, "x");
        const QString root = card.path();
        EXPECT_EQ(CardFolder::settingFile(root, QStringLiteral("a.cfg"), Order::LowerCaseFirst),
                  QDir(root).filePath(c.lowerFirst))
            << qPrintable(c.onCard.join(' '));
        EXPECT_EQ(CardFolder::settingFile(root, QStringLiteral("a.cfg"), Order::UpperCaseFirst),
                  QDir(root).filePath(c.upperFirst))
            << qPrintable(c.onCard.join(' '));
    }
    EXPECT_TRUE(CardFolder::settingFile(QString(), QStringLiteral("a.cfg")).isEmpty());
}
