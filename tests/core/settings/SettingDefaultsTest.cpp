#include "FileBytes.h"
#include "TempFolder.h"

#include "core/settings/P820SettingManager.h"

#include <gtest/gtest.h>

namespace {

P820SettingManager defaultsFor(qint64 modelType, qint64 localID = -1)
{
    P820SettingManager manager;
    manager.setModelType(modelType);
    manager.setLocalID(localID);
    manager.loadDefaultValue();
    return manager;
}

} // namespace

TEST(SettingDefaults, EachModelHasItsOwnValues)
{
    struct Column
    {
        qint64 type;
        int32_t checksum, structVersion, frontResolution, rearQuality, avOut, acceleration;
        int32_t parkingMotion, guideVersion, daylight, unit, lcdBrightness, lcdOffTimer;
        const char *productName, *serialNumber, *settingPath, *tzKey;
    };
    const Column columns[] = {
        {0, 432, 0x00010005, 2, 0, 0, 7, 2, 0, 1, 0, 0, 0, "R410", "", "SETTING/R410_Setting.exe",
         "Parcific Standard Time"},
        {1, 432, 0x00010005, 3, 3, 0, 6, 3, 0, 1, 0, 0, 0, "P820", "", "SETTING/P820_Setting.exe",
         "Pacific Standard Time"},
        {2, 432, 0x00010005, 3, 3, 1, 6, 2, 0, 1, 0, 5, 300000, "V360", "",
         "SETTING/V360_Setting.exe", "Pacific Standard Time"},
        {3, 464, 0x00010009, 3, 3, 1, 2, 3, 0, 1, 0, 1, 30000, "V580", "V580",
         "SETTING\\V580_Setting.exe", "Pacific Standard Time"},
        {5, 508, 0x00010013, 3, 1, 1, 2, 3, 218303744, 0, 1, 1, 30000, "P940", "",
         "SETTING/P940_Setting.exe", "Pacific Standard Time"},
    };
    for (const Column &c : columns) {
        SCOPED_TRACE(c.productName);
        const P820SettingManager m = defaultsFor(c.type);
        EXPECT_EQ(m.checksum(), c.checksum);
        EXPECT_EQ(m.cfg_struct_version(), c.structVersion);
        EXPECT_EQ(m.front_resolution(), c.frontResolution);
        EXPECT_EQ(m.rear_quality(), c.rearQuality);
        EXPECT_EQ(m.enable_av_out(), c.avOut);
        EXPECT_EQ(m.acceleration_sensor(), c.acceleration);
        EXPECT_EQ(m.parking_motion_sensitivity(), c.parkingMotion);
        EXPECT_EQ(m.driving_guide_version(), c.guideVersion);
        EXPECT_EQ(m.daylight_offset(), c.daylight);
        EXPECT_EQ(m.measurement_unit(), c.unit);
        EXPECT_EQ(m.lcd_brightness(), c.lcdBrightness);
        EXPECT_EQ(m.lcd_off_timer(), c.lcdOffTimer);
        EXPECT_EQ(m.product_name(), QLatin1String(c.productName));
        EXPECT_EQ(m.serial_number(), QLatin1String(c.serialNumber));
        EXPECT_EQ(m.setting_path(), QLatin1String(c.settingPath));
        EXPECT_EQ(m.tz_key(), QLatin1String(c.tzKey));
        EXPECT_EQ(m.gmt_offset(), -480);
        EXPECT_EQ(m.parking_front_motion_region(), 4095);
        EXPECT_EQ(m.parking_time_limit(), 48);
        EXPECT_EQ(m.partition_type(), 1);
    }
    const P820SettingManager v580 = defaultsFor(3);
    EXPECT_EQ(v580.ldws_offset_top(), 114);
    EXPECT_EQ(v580.ldws_offset_bottom(), 218);
    EXPECT_EQ(v580.voice_detect(), 1);
    EXPECT_EQ(v580.local_id(), 0);
    const P820SettingManager p940 = defaultsFor(5);
    EXPECT_EQ(p940.ldws_detect(), 1);
    EXPECT_EQ(p940.local_id(), 1);
    EXPECT_EQ(p940.low_vol_shutdown(), 1);
    EXPECT_EQ(p940.fcws_onoff(), 1);
    EXPECT_EQ(p940.ldws_onoff(), 1);
}

TEST(SettingDefaults, FieldsAModelHasNoDefaultForKeepTheirValues)
{
    for (qint64 type : {0, 1, 2, 3, 5, 7, -1}) {
        SCOPED_TRACE(type);
        P820SettingManager manager;
        manager.setModelType(type);
        manager.setLocalID(0);
        manager.setWdr(7);              // field 61: V580 and P940 only
        manager.setLow_vol_shutdown(8); // field 68: P940 only
        manager.setSet_resolution(9);   // field 78: P940 only
        manager.setAvn_onoff(10);       // field 115: no defaults model
        manager.setFront_resolution(11);
        manager.loadDefaultValue();
        EXPECT_EQ(manager.wdr(), type == 3 || type == 5 ? 1 : 7);
        EXPECT_EQ(manager.low_vol_shutdown(), type == 5 ? 1 : 8);
        EXPECT_EQ(manager.set_resolution(), type == 5 ? 0 : 9);
        EXPECT_EQ(manager.avn_onoff(), 10);
        EXPECT_EQ(manager.front_resolution(), type == 7 || type == -1 ? 11 : type == 0 ? 2 : 3);
    }
}

TEST(SettingDefaults, UnitedKingdomV580)
{
    for (qint64 type : {3, 4}) {
        const P820SettingManager uk = defaultsFor(type, 3);
        EXPECT_EQ(uk.tz_key(), QStringLiteral("GMT Standard Time"));
        EXPECT_EQ(uk.gmt_offset(), 0);
        EXPECT_EQ(uk.daylight_offset(), 0);
        EXPECT_EQ(uk.measurement_unit(), 1);
        EXPECT_EQ(uk.local_id(), 3);
    }
    const P820SettingManager us = defaultsFor(3, 0);
    EXPECT_EQ(us.tz_key(), QStringLiteral("Pacific Standard Time"));
    EXPECT_EQ(us.gmt_offset(), -480);
    EXPECT_EQ(us.measurement_unit(), 0);
    EXPECT_EQ(us.local_id(), 0);
}

TEST(SettingDefaults, SavedDefaultsAreTheCameraBytes)
{
    TempFolder card;
    P820SettingManager manager = defaultsFor(1);
    manager.setSettingDirPath(card.path());
    ASSERT_TRUE(manager.saveData());
    const QByteArray bytes = FileBytes::read(card.path(QStringLiteral("SETTING/setup.cfg")));
    ASSERT_EQ(bytes.size(), 432);
    EXPECT_EQ(bytes.left(8), QByteArray("\xB0\x01\x00\x00\x05\x00\x01\x00", 8));
    EXPECT_EQ(bytes.mid(8, 16), QByteArray("P820").leftJustified(16, '\0'));
    EXPECT_EQ(bytes.mid(24, 28), QByteArray(28, '\0')); // serial, version, reserved
    EXPECT_EQ(bytes.mid(228, 128), QByteArray("SETTING/P820_Setting.exe").leftJustified(128, '\0'));
    EXPECT_EQ(bytes.mid(372, 8), QByteArray("\x20\xFE\xFF\xFF\x01\x00\x00\x00", 8));
    EXPECT_EQ(bytes.mid(380, 32), QByteArray("Pacific Standard Time").leftJustified(32, '\0'));

    // A V580 on firmware 17 keeps the checksum of its 68-field defaults.
    P820SettingManager v580 = defaultsFor(3, 0);
    v580.setSettingDirPath(card.path());
    v580.setFirmwareVersionInt(17);
    ASSERT_TRUE(v580.saveData());
    const QByteArray longer = FileBytes::read(card.path(QStringLiteral("SETTING/setup.cfg")));
    ASSERT_EQ(longer.size(), 504);
    EXPECT_EQ(longer.left(4), QByteArray("\xD0\x01\x00\x00", 4));
    EXPECT_EQ(longer.mid(228, 25), QByteArray("SETTING\\V580_Setting.exe").append('\0'));
}
