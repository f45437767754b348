#include "core/settings/QMVSettingManager.h"

#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

void expectFailedSaveKeepsTheFile(const QString &root, const QByteArray &original,
                                  QMVSettingManager &manager)
{
    EXPECT_EQ(manager.saveData(root), QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_EQ(FileBytes::read(root + QStringLiteral("/SETTING/blackbox.cfg")), original);
    EXPECT_EQ(QDir(root + QStringLiteral("/SETTING")).entryList(QDir::Files | QDir::Hidden),
              QStringList(QStringLiteral("blackbox.cfg")));
}

} // namespace

TEST(QMVSettingManagerSave, FailedSaveLeavesTheCardFileAsItWas)
{
    const QByteArray original("model=V120\r\nset=0\r\n");
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << card.error().toStdString();
    const QString root = card.path();
    QDir().mkpath(root + QStringLiteral("/SETTING"));
    QFile file(root + QStringLiteral("/SETTING/blackbox.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
    file.close();

    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(root), QMVSettingManager::LoadResult::CardFile);
    // Larger than the card's free space once the card is full.
    ASSERT_EQ(
        manager.replaceValue(QStringLiteral("set"), QString(qsizetype(1) << 16, QLatin1Char('1'))),
        QMVSettingManager::ReplaceResult::Replaced);

    card.fill();
    expectFailedSaveKeepsTheFile(root, original, manager);
    QFile::remove(root + QStringLiteral("/filler"));

    ASSERT_TRUE(card.makeReadOnly()) << std::strerror(errno);
    expectFailedSaveKeepsTheFile(root, original, manager);
}

TEST(QMVSettingManagerSave, NoCardOrAVanishedCardWritesNothing)
{
    QMVSettingManager manager;
    ASSERT_TRUE(manager.loadDefaultData_V120());
    EXPECT_EQ(manager.saveData(QString()), QMVSettingManager::SaveResult::NoCard);

    TempFolder folder;
    const QString gone = folder.path(QStringLiteral("media/CARD"));
    EXPECT_EQ(manager.saveData(gone), QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("media"))));

    // A "SETTING" that is a file, not a folder, cannot take the settings.
    const QByteArray blocker("not a folder");
    folder.write(QStringLiteral("card/SETTING"), blocker);
    EXPECT_EQ(manager.saveData(folder.path(QStringLiteral("card"))),
              QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_EQ(FileBytes::read(folder.path(QStringLiteral("card/SETTING"))), blocker);
}
