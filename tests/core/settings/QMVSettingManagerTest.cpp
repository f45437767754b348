#include "FileBytes.h"
#include "TempFolder.h"

#include "core/settings/QMVSettingManager.h"

#include <gtest/gtest.h>

namespace {

using LoadResult = QMVSettingManager::LoadResult;
using SaveResult = QMVSettingManager::SaveResult;
const QString kFile = QStringLiteral("SETTING/blackbox.cfg");

} // namespace

// What the card holds is written back byte for byte where it was read; the
// defaults go where a new file belongs; a file that cannot be read leaves no
// lines, so that nothing of another card can be written to this one.
TEST(QMVSettingManager, CardFileIsWrittenBackWhereItWasRead)
{
    // A byte order mark, an unknown line, a lone LF inside a line, a final CR LF.
    const QByteArray odd("\xEF\xBB\xBF"
                         "model=V120\r\nset=0\r\nvendor_x=a\nb\r\nname=\xED\x95\x9C\r\n");
    const QByteArray defaults = FileBytes::read(QStringLiteral(":/settings/default_V120.cfg"));
    ASSERT_TRUE(defaults.endsWith("\r\n"));
    EXPECT_FALSE(QByteArray(defaults).replace("\r\n", "").contains('\n'));
    const std::tuple<QString, QByteArray, LoadResult, QString, QByteArray> cases[] = {
        {kFile, odd, LoadResult::CardFile, kFile, odd},
        {"setting/blackbox.cfg", "set=0", LoadResult::CardFile, "setting/blackbox.cfg", "set=0"},
        {{}, {}, LoadResult::DefaultFile, kFile, defaults},
        {kFile, "model=V120\r\nset=\xFF\r\n", LoadResult::Unreadable, {}, {}},
        {kFile,
         QByteArray(QMVSettingManager::kMaxFileBytes + 1, 'a'),
         LoadResult::Unreadable,
         {},
         {}},
    };
    for (const auto &[name, bytes, loaded, savedName, saved] : cases) {
        TempFolder card;
        if (!name.isEmpty())
            card.write(name, bytes);
        QMVSettingManager manager;
        manager.setLinedSettings({QStringLiteral("model=other card")});
        ASSERT_EQ(manager.loadData(card.path()), loaded) << qPrintable(name);
        EXPECT_EQ(manager.linedSettings().isEmpty(), savedName.isEmpty());
        if (savedName.isEmpty())
            continue;
        ASSERT_EQ(manager.saveData(card.path()), SaveResult::Saved);
        EXPECT_EQ(FileBytes::read(card.path(savedName)), saved);
        EXPECT_EQ(FileBytes::entries(card.path()), QStringList{savedName.section('/', 0, 0)});
    }
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(QString()), LoadResult::DefaultFile);
    // The clock lines are added only when the user sets the camera's clock.
    for (const QString &key : QMVSettingManager::timeDateKeys())
        EXPECT_FALSE(manager.valueForKey(key)) << qPrintable(key);
}

TEST(QMVSettingManager, BlanksAndTabsAroundTheWholeTextAreDropped)
{
    EXPECT_EQ(QMVSettingManager::linesFromBytes(" \t a=1 \r\n b=2\t\r\n\t "),
              QStringList({"a=1 ", " b=2\t", ""}));
    EXPECT_EQ(QMVSettingManager::linesFromBytes(""), QStringList({""}));
    EXPECT_EQ(QMVSettingManager::bytesFromLines({"a=1", "", "b=2"}), QByteArray("a=1\r\n\r\nb=2"));
    // Overlong, surrogate and cut sequences are not text.
    for (const char *bad : {"a=\xC0\x80", "a=\xED\xA0\x80", "a=\xE2\x82"})
        EXPECT_FALSE(QMVSettingManager::linesFromBytes(bad)) << bad;
}

TEST(QMVSettingManager, KeysAddressTheFirstLineStartingWithThem)
{
    QMVSettingManager manager;
    manager.setLinedSettings({" park=9", "park_mode=1", "park=4", "park=5", "language=us"});
    EXPECT_EQ(manager.indexOfKey("park"), 2);
    EXPECT_EQ(manager.indexOfKey("park="), 2);
    EXPECT_EQ(manager.valueForKey("park"), "4");
    EXPECT_EQ(manager.indexOfKey("lang"), -1);

    using R = QMVSettingManager::ReplaceResult;
    EXPECT_EQ(manager.replaceValue("park", "14"), R::Replaced);
    EXPECT_EQ(manager.replaceValue("front_led=", "1"), R::NoSuchKey);
    EXPECT_EQ(manager.replaceValue("language", "fr\r\nset=1"), R::ValueHasLineBreak);
    EXPECT_EQ(manager.linedSettings(),
              QStringList({" park=9", "park_mode=1", "park=14", "park=5", "language=us"}));
}

TEST(QMVSettingManager, DateAndTimeLinesFollowTheSetLine)
{
    QMVSettingManager manager;
    manager.setLinedSettings({"model=V120", "year=2020", "set=1", "year=2021", "sec=5", "c=6"});
    manager.removeTimeDateDelimiters();
    EXPECT_EQ(manager.linedSettings(), QStringList({"model=V120", "set=1", "year=2021", "c=6"}));

    EXPECT_EQ(QMVSettingManager::timeDateLines(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 0))),
              QStringList({"year=2024", "month=3", "day=7", "hour=9", "min=5", "sec=0"}));

    // After "set=", else after the first line.
    const QStringList block{"year=2024", "month=3"};
    const std::pair<QStringList, QStringList> cases[] = {
        {{"model=V120", "set=1", "c=6"}, {"model=V120", "set=1", "year=2024", "month=3", "c=6"}},
        {{"model=V120", "c=6"}, {"model=V120", "year=2024", "month=3", "c=6"}},
        {{}, block},
    };
    for (const auto &[lines, expected] : cases) {
        manager.setLinedSettings(lines);
        manager.addTimeDateDelimiters(block);
        EXPECT_EQ(manager.linedSettings(), expected);
    }
}

TEST(QMVSettingManager, ResetKeepsTheCamerasModelAndVersion)
{
    QMVSettingManager manager;
    const QStringList card{"model=V120-X", "version=1.07", "const=35", "unknown=1"};
    manager.setLinedSettings(card);
    EXPECT_FALSE(manager.loadDefaultValue(5));
    EXPECT_EQ(manager.linedSettings(), card);

    ASSERT_TRUE(manager.loadDefaultValue(QMVSettingManager::kCompactModelType));
    EXPECT_EQ(manager.valueForKey("model"), QStringLiteral("V120-X"));
    EXPECT_EQ(manager.valueForKey("version"), QStringLiteral("1.07"));
    EXPECT_EQ(manager.valueForKey("const"), QStringLiteral("60"));
    EXPECT_FALSE(manager.valueForKey("unknown"));
}

TEST(QMVSettingManager, NoCardOrAVanishedCardWritesNothing)
{
    QMVSettingManager manager;
    ASSERT_TRUE(manager.loadDefaultData_V120());
    EXPECT_EQ(manager.saveData(QString()), SaveResult::NoCard);

    TempFolder folder;
    EXPECT_EQ(manager.saveData(folder.path(QStringLiteral("media/CARD"))), SaveResult::CannotWrite);
    // A "SETTING" that is a file, not a folder, cannot take the settings.
    folder.write(QStringLiteral("card/SETTING"), "not a folder");
    EXPECT_EQ(manager.saveData(folder.path(QStringLiteral("card"))), SaveResult::CannotWrite);
    EXPECT_EQ(FileBytes::read(folder.path(QStringLiteral("card/SETTING"))), "not a folder");
    EXPECT_EQ(FileBytes::entries(folder.path()), QStringList{"card"});
}
