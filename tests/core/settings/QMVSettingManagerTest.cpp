#include "FileBytes.h"
#include "FolderListing.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include "core/io/FileIO.h"
#include "core/settings/QMVSettingManager.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using LoadResult = QMVSettingManager::LoadResult;
using SaveResult = QMVSettingManager::SaveResult;
const QString kFile = QStringLiteral("SETTING/blackbox.cfg");

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
    const QString path = card.write(kFile, original);
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), LoadResult::CardFile);
    EXPECT_EQ(manager.linedSettings().size(), 5);
    EXPECT_EQ(manager.linedSettings().at(2), QStringLiteral("vendor_x=a\nb"));
    ASSERT_EQ(manager.saveData(card.path()), SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(path), original);
}

TEST(QMVSettingManager, BlanksAndTabsAroundTheWholeTextAreDropped)
{
    const auto lines = QMVSettingManager::linesFromBytes(" \t a=1 \r\n b=2\t\r\n\t ");
    EXPECT_EQ(lines, QStringList({"a=1 ", " b=2\t", ""}));
    EXPECT_EQ(QMVSettingManager::linesFromBytes(""), QStringList({""}));
    EXPECT_EQ(QMVSettingManager::bytesFromLines({"a=1", "", "b=2"}), QByteArray("a=1\r\n\r\nb=2"));
    // Overlong, surrogate and cut sequences are not text.
    for (const char *bad : {"a=\xC0\x80", "a=\xED\xA0\x80", "a=\xE2\x82"})
        EXPECT_FALSE(QMVSettingManager::linesFromBytes(bad)) << bad;
}

TEST(QMVSettingManager, UnreadableCardFileLeavesNoLines)
{
    for (const QByteArray &bytes : {QByteArray("model=V120\r\nset=\xFF\r\n"),
                                    QByteArray(QMVSettingManager::kMaxFileBytes + 1, 'a')}) {
        TempFolder card;
        card.write(kFile, bytes);
        QMVSettingManager manager;
        manager.setLinedSettings({QStringLiteral("model=other card")});
        EXPECT_EQ(manager.loadData(card.path()), LoadResult::Unreadable);
        EXPECT_TRUE(manager.linedSettings().isEmpty());
    }
}

TEST(QMVSettingManager, MissingFileGivesTheDefaultsAndSavingCreatesIt)
{
    const QByteArray defaults = defaultFileBytes();
    ASSERT_TRUE(defaults.endsWith("\r\n"));
    EXPECT_FALSE(QByteArray(defaults).replace("\r\n", "").contains('\n'));

    QMVSettingManager manager;
    EXPECT_EQ(manager.loadData(QString()), LoadResult::DefaultFile);
    // The clock lines are added only when the user sets the camera's clock.
    for (const QString &key : QMVSettingManager::timeDateKeys())
        EXPECT_FALSE(manager.valueForKey(key)) << qPrintable(key);

    TempFolder card;
    EXPECT_EQ(manager.loadData(card.path()), LoadResult::DefaultFile);
    ASSERT_EQ(manager.saveData(card.path()), SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(card.path(kFile)), defaults);
}

TEST(QMVSettingManager, LowerCaseSettingFolderIsUsed)
{
    TempFolder card;
    const QString path = card.write(QStringLiteral("setting/blackbox.cfg"), "model=V120\r\nset=0");
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), LoadResult::CardFile);
    manager.replaceValue(QStringLiteral("set"), QStringLiteral("1"));
    ASSERT_EQ(manager.saveData(card.path()), SaveResult::Saved);
    EXPECT_EQ(FileBytes::read(path), QByteArray("model=V120\r\nset=1"));
    EXPECT_EQ(FolderListing::entries(card.path()), QStringList{"setting"});
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
    manager.setLinedSettings({"model=V120", "year=2020", "set=1", "year=2021", "sec=5", "c=6"});
    manager.removeTimeDateDelimiters();
    EXPECT_EQ(manager.linedSettings(), QStringList({"model=V120", "set=1", "year=2021", "c=6"}));

    const QStringList date =
        QMVSettingManager::timeDateLines(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 0)));
    EXPECT_EQ(date, QStringList({"year=2024", "month=3", "day=7", "hour=9", "min=5", "sec=0"}));

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
    EXPECT_EQ(FolderListing::entries(folder.path()), QStringList{"card"});
}

TEST(QMVSettingManager, FailedSaveLeavesTheCardFileAsItWas)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << qPrintable(card.error()) << " (needs root to mount a read-only card)";
    const QByteArray original("model=V120\r\nset=0\r\n");
    const QString path = card.path() + '/' + kFile;
    ASSERT_TRUE(FileIO::saveToFile(path, original).ok());
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), LoadResult::CardFile);
    // Larger than the card's free space once the card is full.
    manager.replaceValue(QStringLiteral("set"), QString(qsizetype(1) << 16, QLatin1Char('1')));

    card.fill();
    for (const bool readOnly : {false, true}) {
        if (readOnly) {
            QFile::remove(card.path() + QStringLiteral("/filler"));
            ASSERT_TRUE(card.makeReadOnly());
        }
        EXPECT_EQ(manager.saveData(card.path()), SaveResult::CannotWrite) << readOnly;
        EXPECT_EQ(FileBytes::read(path), original);
        EXPECT_EQ(FolderListing::entries(card.path() + QStringLiteral("/SETTING")),
                  QStringList{"blackbox.cfg"});
    }
}
