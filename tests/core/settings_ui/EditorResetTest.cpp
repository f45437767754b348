#include "TempFolder.h"

#include "core/settings/P820SettingManager.h"
#include "core/settings_ui/EditorReset.h"
#include "core/settings_ui/TouchCalibrationRequest.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<P820SettingManager> cardManager(const QString &root, qint64 type)
{
    auto manager = std::make_shared<P820SettingManager>();
    manager->setSettingDirPath(root);
    manager->setModelType(type);
    manager->setLanguages({{0, QStringLiteral("en")}});
    manager->setVersion(QStringLiteral("1.0.17"));
    manager->setFirmwareVersionInt(17);
    manager->setDriving_guide_version(42);
    manager->setAcceleration_sensor(9);
    return manager;
}

} // namespace

TEST(EditorReset, TheCardsFactoryFileKeepsTheCamerasOwnVersions)
{
    TempFolder card;
    SettingRecord factory;
    factory.setText(SettingField::version, QStringLiteral("0.0.1"));
    factory.setNumber(SettingField::driving_guide_version, 7);
    factory.setNumber(SettingField::acceleration_sensor, 3);
    card.write("SETTING/default.cfg", factory.bytes(SettingRecordLayout::kFieldCount));

    const auto current = cardManager(card.path(), 8);
    const auto reset = EditorReset::reset(current);
    EXPECT_NE(reset, current);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), reset);
    EXPECT_EQ(reset->acceleration_sensor(), 3);
    EXPECT_EQ(reset->version(), QStringLiteral("1.0.17"));
    EXPECT_EQ(reset->firmwareVersionInt(), 17);
    EXPECT_EQ(reset->driving_guide_version(), 42);
    EXPECT_EQ(reset->languages(), current->languages());
    EXPECT_EQ(reset->modelType(), 8);
    P820SettingManager::ChagneP820SettingManager(std::make_shared<P820SettingManager>());
}

TEST(EditorReset, WithoutOneOnlyTheFirstModelsHaveDefaults)
{
    TempFolder card;
    const auto p820 = cardManager(card.path(), 1);
    EXPECT_EQ(EditorReset::reset(p820), p820);
    EXPECT_NE(p820->acceleration_sensor(), 9);
    const auto v390 = cardManager(card.path(), 8);
    EXPECT_EQ(EditorReset::reset(v390), v390);
    EXPECT_EQ(v390->acceleration_sensor(), 9);
}

TEST(TouchCalibrationRequest, AnEmptyFileAtTheCardsRoot)
{
    TempFolder card;
    ASSERT_TRUE(TouchCalibrationRequest::write(card.path()).ok());
    const QFileInfo file(card.path("Set_touch_cal.txt"));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
}
