#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/settings/P820SettingManager.h"

#include <gtest/gtest.h>

#include <memory>

TEST(P820SettingManager, HeldManagerStaysUsableAfterAnotherIsInstalled)
{
    TempFolder card;
    card.write(QStringLiteral("SETTING/setup.cfg"),
               SetupCfgBuilder(508).productName("P940").int32At(52, 2).bytes());
    // A settings editor holds the shared manager while it works.
    std::shared_ptr<P820SettingManager> held = P820SettingManager::SharedP820SettingManager();
    ASSERT_TRUE(held);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), held);
    held->setSettingDirPath(card.path());
    held->loadCardIdentity();
    ASSERT_EQ(held->modelType(), 5);

    // Meanwhile a reset installs a fresh one.
    const auto replacement = std::make_shared<P820SettingManager>();
    P820SettingManager::ChagneP820SettingManager(replacement);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), replacement);
    EXPECT_EQ(replacement->modelType(), -1);

    // The held one is the same manager as before, and still works.
    EXPECT_EQ(held->settingDirPath(), card.path());
    EXPECT_EQ(held->modelType(), 5);
    ASSERT_EQ(held->readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(held->front_resolution(), 2);
    held->setFront_resolution(3);
    EXPECT_TRUE(held->saveData());
    EXPECT_EQ(held->getSaveDataSize(), 508);

    // The last holder letting go ends it.
    const std::weak_ptr<P820SettingManager> watched = held;
    held.reset();
    EXPECT_TRUE(watched.expired());
    P820SettingManager::ChagneP820SettingManager(std::make_shared<P820SettingManager>());
}
