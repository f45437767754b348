#include "core/settings/SettingRecordLayout.h"
#include "core/settings/P820SettingManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ExpectedField
{
    const char *name;
    int offset;
    int width;
};

// The record layout as the cameras define it, typed independently of the
// program's own table.
// clang-format off
const ExpectedField kExpectedFields[] = {
    {"checksum", 0, 4},
    {"cfg_struct_version", 4, 4},
    {"product_name", 8, 16},
    {"serial_number", 24, 16},
    {"version", 40, 10},
    {"reserved", 50, 2},
    {"front_resolution", 52, 4},
    {"front_framerate", 56, 4},
    {"front_quality", 60, 4},
    {"front_brightness", 64, 4},
    {"front_constrast", 68, 4},
    {"front_shapness", 72, 4},
    {"rear_resolution", 76, 4},
    {"rear_framerate", 80, 4},
    {"rear_quality", 84, 4},
    {"rear_brightness", 88, 4},
    {"rear_contrast", 92, 4},
    {"rear_sharpness", 96, 4},
    {"audio_record", 100, 4},
    {"audio_record_volume", 104, 4},
    {"voice_ment", 108, 4},
    {"audio_ment_volume", 112, 4},
    {"enable_driving_guide", 116, 4},
    {"acceleration_sensor", 120, 4},
    {"enable_av_out", 124, 4},
    {"av_out_mode", 128, 4},
    {"record_cevent_overwrite", 132, 4},
    {"record_motion_overwrite", 136, 4},
    {"record_prevent_overwrite", 140, 4},
    {"record_manual_overwrite", 144, 4},
    {"record_image_overwrite", 148, 4},
    {"parking_front_resolution", 152, 4},
    {"parking_front_framerate", 156, 4},
    {"parking_front_quality", 160, 4},
    {"parking_rear_resolution", 164, 4},
    {"parking_rear_framerate", 168, 4},
    {"parking_rear_quality", 172, 4},
    {"parking_acceleration_sensor", 176, 4},
    {"parking_mode_set", 180, 4},
    {"parking_motion_set", 184, 4},
    {"parking_front_motion_region", 188, 4},
    {"parking_rear_motion_region", 192, 4},
    {"parking_motion_sensitivity", 196, 4},
    {"parking_time_limit", 200, 4},
    {"battery_12v_R_off", 204, 4},
    {"battery_24v_R_off", 208, 4},
    {"partition_type", 212, 4},
    {"security_led_mode", 216, 4},
    {"enable_format_sd", 220, 4},
    {"driving_guide_version", 224, 4},
    {"setting_path", 228, 128},
    {"micom_version", 356, 16},
    {"gmt_offset", 372, 4},
    {"daylight_offset", 376, 4},
    {"tz_key", 380, 32},
    {"date_format", 412, 4},
    {"measurement_unit", 416, 4},
    {"lcd_brightness", 420, 4},
    {"lcd_off_timer", 424, 4},
    {"cur_language", 428, 4},
    {"battery_auto_set", 432, 4},
    {"wdr", 436, 4},
    {"ldws_detect", 440, 4},
    {"ldws_offset_top", 444, 4},
    {"ldws_offset_bottom", 448, 4},
    {"ldws_depart_Sensitivity", 452, 4},
    {"voice_detect", 456, 4},
    {"local_id", 460, 4},
    {"low_vol_shutdown", 464, 4},
    {"adas_car_high", 468, 4},
    {"ldws_left_depart_Sensitivity", 472, 4},
    {"ldws_right_depart_Sensitivity", 476, 4},
    {"ldws_depart_speed", 480, 4},
    {"fcws_onoff", 484, 4},
    {"fcws_frontal_sensitivity", 488, 4},
    {"fcmd_onoff", 492, 4},
    {"llws_onoff", 496, 4},
    {"ldws_onoff", 500, 4},
    {"set_resolution", 504, 4},
    {"parking_night_vision", 508, 4},
    {"speed_stamp", 512, 4},
    {"rear_preview_rotation", 516, 4},
    {"bsd_onoff", 520, 4},
    {"gearR_video_on", 524, 4},
    {"ufcws_sensitivity", 528, 4},
    {"ufcws_onoff", 532, 4},
    {"drive_night_vision", 536, 4},
    {"gsound_onoff", 540, 4},
    {"audio_adas_volume", 544, 4},
    {"mobile_safety_cam_alert", 548, 4},
    {"rear_led_onoff", 552, 4},
    {"rear_camera_rotation", 556, 4},
    {"use_only_front_cam", 560, 4},
    {"use_compatible_battery", 564, 4},
    {"greater_impact_alarm", 568, 4},
    {"cloud_onoff", 572, 4},
    {"iot_onoff", 576, 1},
    {"radar_onoff", 577, 1},
    {"event_file_upload", 578, 1},
    {"bsd_horizontal", 579, 1},
    {"front_camera_rotation", 580, 1},
    {"eis_onoff", 581, 1},
    {"side_brightness", 582, 1},
    {"side_camera_rotation", 583, 1},
    {"liveview_display_division", 584, 1},
    {"hdr", 585, 1},
    {"parking_impact_alarm", 586, 1},
    {"parking_event_file_upload", 587, 1},
    {"wifi_frequency", 588, 1},
    {"p2p_lora_onoff", 589, 1},
    {"parking_greater_impact_alarm", 590, 1},
    {"record_sos_overwrite", 591, 1},
    {"privacy_record", 592, 1},
    {"tlds_onoff", 593, 1},
    {"bcws_onoff", 594, 1},
    {"avn_onoff", 595, 1},
};
// clang-format on

} // namespace

TEST(SettingRecordLayout, EveryFieldSitsAtItsCameraOffset)
{
    ASSERT_EQ(std::size(kExpectedFields), size_t(SettingRecordLayout::kFieldCount));
    const P820SettingManager manager;
    for (int i = 0; i < SettingRecordLayout::kFieldCount; ++i) {
        const ExpectedField &expected = kExpectedFields[i];
        const auto field = SettingField(i);
        SCOPED_TRACE(expected.name);
        EXPECT_STREQ(SettingRecordLayout::format(field).name, expected.name);
        EXPECT_EQ(SettingRecordLayout::format(field).width, expected.width);
        EXPECT_EQ(manager.offsetFromValue(field), expected.offset);
        EXPECT_EQ(SettingRecordLayout::fieldNamed(QString::fromLatin1(expected.name)), field);
    }
    // Widths decide the encoding: 1 and 2 unsigned, 4 signed, others text.
    EXPECT_EQ(SettingRecordLayout::format(SettingField::reserved).encoding,
              SettingEncoding::UInt16);
    EXPECT_EQ(SettingRecordLayout::format(SettingField::avn_onoff).encoding,
              SettingEncoding::UInt8);
    EXPECT_EQ(SettingRecordLayout::format(SettingField::tz_key).encoding, SettingEncoding::Text);
    EXPECT_EQ(SettingRecordLayout::format(SettingField::cloud_onoff).encoding,
              SettingEncoding::Int32);
    EXPECT_EQ(manager.offsetFromValue(SettingField(-1)), 0);
    EXPECT_EQ(manager.offsetFromValue(SettingField(116)), 0);
    EXPECT_FALSE(SettingRecordLayout::fieldNamed(u"front_contrast"));
}

TEST(SettingRecordLayout, RecordLengthFollowsModelAndFirmware)
{
    struct Case
    {
        qint64 type;
        int32_t firmware;
        int fields;
        int bytes;
    };
    const std::vector<Case> cases = {
        {-1, 0, 60, 432},
        {0, 0, 60, 432},
        {1, 0, 60, 432},
        {2, 0, 60, 432},
        {3, 16, 68, 464},
        {3, 17, 78, 504},
        {4, 0, 68, 464},
        {4, 99, 78, 504},
        {5, 0, 79, 508},
        {6, 0, 60, 432},
        {7, 0, 81, 516},
        {8, 0, 81, 516},
        {9, 0, 81, 516},
        {10, 0, 81, 516},
        {11, 0, 81, 516},
        {12, 0, 81, 516},
        {13, 0, 93, 564},
        {14, 0, 81, 516},
        {15, 0, 81, 516},
        {16, 0, 92, 560},
        {17, 0, 99, 579},
        {18, 0, 81, 516},
        {19, 0, 93, 564},
        {20, 0, 93, 564},
        {21, 0, 96, 576},
        {22, 0, 96, 576},
        {23, 0, 102, 582},
        {24, 0, 113, 593},
        {25, 0, 113, 593},
        {26, 0, 116, 596},
        {27, 0, 60, 432},
        {28, 0, 60, 432},
        // Types no camera has: nothing to read or write.
        {29, 0, 0, 0},
        {-2, 0, 0, 0},
    };
    P820SettingManager manager;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " firmware " << c.firmware);
        manager.setModelType(c.type);
        manager.setFirmwareVersionInt(c.firmware);
        EXPECT_EQ(manager.getSettingVariableCount(), c.fields);
        EXPECT_EQ(manager.getSaveDataSize(), c.bytes);
    }
}
