#include "core/settings/QMVSettingManager.h"

#include "FileBytes.h"
#include "TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray defaultFileBytes()
{
    return FileBytes::read(QStringLiteral(":/settings/default_V120.cfg"));
}

} // namespace

TEST(QMVSettingManager, CardFileIsWrittenBackByteForByte)
{
    // A byte order mark, an unknown line, a lone LF inside a line, a final CR LF.
    const QByteArray original("\xEF\xBB\xBF"
                              "model=V120\r\nset=0\r\nvendor_x=a\nb\r\nname=\xED\x95\x9C\r\n");
    TempFolder card;
    const QString path = card.write(QStringLiteral("SETTING/blackbox.cfg"), original);

    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::CardFile);
    EXPECT_EQ(manager.linedSettings().size(), 5);
    EXPECT_EQ(manager.linedSettings().at(2), QStringLiteral("vendor_x=a\nb"));
    EXPECT_EQ(manager.linedSettings().last(), QString());
    ASSERT_EQ(manager.saveData(card.path()), QMVSettingManager::SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(path), original);
}

TEST(QMVSettingManager, BlanksAndTabsAroundTheWholeTextAreDropped)
{
    const auto lines = QMVSettingManager::linesFromBytes(" \t a=1 \r\n b=2\t\r\n\t ");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({"a=1 ", " b=2\t", ""}));
    EXPECT_EQ(QMVSettingManager::linesFromBytes(""), QStringList({""}));
    EXPECT_EQ(QMVSettingManager::bytesFromLines({"a=1", "", "b=2"}), QByteArray("a=1\r\n\r\nb=2"));
    // Overlong, surrogate and cut sequences are not text.
    for (const char *bad : {"a=\xC0\x80", "a=\xED\xA0\x80", "a=\xE2\x82"})
        EXPECT_FALSE(QMVSettingManager::linesFromBytes(bad)) << bad;
}

TEST(QMVSettingManager, UnreadableCardFileLeavesNoLines)
{
    TempFolder card;
    card.write(QStringLiteral("SETTING/blackbox.cfg"), "model=V120\r\nset=\xFF\r\n");
    QMVSettingManager manager;
    manager.setLinedSettings({QStringLiteral("model=other card")});
    EXPECT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.linedSettings().isEmpty());

    card.write(QStringLiteral("SETTING/blackbox.cfg"),
               QByteArray(QMVSettingManager::kMaxFileBytes + 1, 'a'));
    manager.setLinedSettings({QStringLiteral("model=other card")});
    EXPECT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.linedSettings().isEmpty());
}

TEST(QMVSettingManager, MissingFileGivesTheDefaultsAndSavingCreatesIt)
{
    const QByteArray defaults = defaultFileBytes();
    ASSERT_TRUE(defaults.endsWith("\r\n"));
    EXPECT_FALSE(QByteArray(defaults).replace("\r\n", "").contains('\n'));

    QMVSettingManager manager;
    EXPECT_EQ(manager.loadData(QString()), QMVSettingManager::LoadResult::DefaultFile);
    for (const char *key :
         {"const=", "event=", "manual=", "park=", "front_led=", "model=", "version=", "park_mode=",
          "power_off_vlt=", "language=", "local_time=", "summer_time=", "osd_speed=", "mic_in=",
          "voice_out=", "voice_volume=", "acc_level=", "motion_level=", "set="})
        EXPECT_TRUE(manager.valueForKey(QString::fromLatin1(key))) << key;
    for (const QString &key : QMVSettingManager::timeDateKeys())
        EXPECT_FALSE(manager.valueForKey(key)) << qPrintable(key);

    TempFolder card;
    EXPECT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::DefaultFile);
    ASSERT_EQ(manager.saveData(card.path()), QMVSettingManager::SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(card.path(QStringLiteral("SETTING/blackbox.cfg"))),
              defaultFileBytes());
}

TEST(QMVSettingManager, LowerCaseSettingFolderIsUsed)
{
    TempFolder card;
    const QString path = card.write(QStringLiteral("setting/blackbox.cfg"), "model=V120\r\nset=0");
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::CardFile);
    EXPECT_EQ(manager.replaceValue(QStringLiteral("set"), QStringLiteral("1")),
              QMVSettingManager::ReplaceResult::Replaced);
    ASSERT_EQ(manager.saveData(card.path()), QMVSettingManager::SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(path), QByteArray("model=V120\r\nset=1"));
    EXPECT_FALSE(QFile::exists(card.path(QStringLiteral("SETTING"))));
}

TEST(QMVSettingManager, KeysAddressTheFirstLineStartingWithThem)
{
    QMVSettingManager manager;
    manager.setLinedSettings({" park=9", "park_mode=1", "park=4", "park=5", "language=us"});
    EXPECT_EQ(manager.indexOfKey(QStringLiteral("park")), 2);
    EXPECT_EQ(manager.indexOfKey(QStringLiteral("park=")), 2);
    EXPECT_EQ(manager.valueForKey(QStringLiteral("park")), QStringLiteral("4"));
    EXPECT_EQ(manager.indexOfKey(QStringLiteral("lang")), -1);

    using R = QMVSettingManager::ReplaceResult;
    EXPECT_EQ(manager.replaceValue(QStringLiteral("park"), QStringLiteral("14")), R::Replaced);
    EXPECT_EQ(manager.replaceValue(QStringLiteral("front_led="), QStringLiteral("1")),
              R::NoSuchKey);
    EXPECT_EQ(manager.replaceValue(QStringLiteral("language"), QStringLiteral("fr\r\nset=1")),
              R::ValueHasLineBreak);
    EXPECT_EQ(manager.linedSettings(),
              QStringList({" park=9", "park_mode=1", "park=14", "park=5", "language=us"}));
}

TEST(QMVSettingManager, DateAndTimeLinesFollowTheSetLine)
{
    QMVSettingManager manager;
    manager.setLinedSettings(
        {"model=V120", "year=2020", "set=1", "year=2021", "sec=5", "const=60"});
    manager.removeTimeDateDelimiters();
    EXPECT_EQ(manager.linedSettings(),
              QStringList({"model=V120", "set=1", "year=2021", "const=60"}));

    const QStringList date =
        QMVSettingManager::timeDateLines(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 0)));
    EXPECT_EQ(date, QStringList({"year=2024", "month=3", "day=7", "hour=9", "min=5", "sec=0"}));

    manager.setLinedSettings({"model=V120", "set=1", "const=60"});
    manager.addTimeDateDelimiters(date);
    EXPECT_EQ(manager.linedSettings(),
              QStringList({"model=V120", "set=1", "year=2024", "month=3", "day=7", "hour=9",
                           "min=5", "sec=0", "const=60"}));

    // Without a "set=" line the block goes after the first line.
    manager.setLinedSettings({"model=V120", "const=60"});
    manager.addTimeDateDelimiters({"year=2024", "month=3"});
    EXPECT_EQ(manager.linedSettings(),
              QStringList({"model=V120", "year=2024", "month=3", "const=60"}));
    manager.setLinedSettings({});
    manager.addTimeDateDelimiters({"year=2024"});
    EXPECT_EQ(manager.linedSettings(), QStringList({"year=2024"}));
}

TEST(QMVSettingManager, PartitionPresets)
{
    const auto &ratios = QMVSettingManager::memoryPartitionRatiosArray();
    ASSERT_EQ(ratios.size(), 3);
    const QMVSettingManager::PartitionRatio typeB{
        {"continuous", "35"}, {"event", "17"}, {"manual", "39"}, {"park", "4"}};
    EXPECT_EQ(ratios.at(1), typeB);
    EXPECT_EQ(ratios.at(0).value("continuous"), "60");
    EXPECT_EQ(ratios.at(2).value("park"), "14");
    for (const auto &ratio : ratios) {
        int sum = 0;
        for (const QString &value : ratio)
            sum += value.toInt();
        EXPECT_EQ(sum, 95);
    }
    EXPECT_EQ(&ratios, &QMVSettingManager::memoryPartitionRatiosArray());
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

    ASSERT_TRUE(manager.loadDefaultData_V120());
    EXPECT_EQ(QMVSettingManager::bytesFromLines(manager.linedSettings()), defaultFileBytes());
    EXPECT_EQ(&QMVSettingManager::SharedQMVSettingManager(),
              &QMVSettingManager::SharedQMVSettingManager());
}
