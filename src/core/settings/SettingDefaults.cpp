#include "core/settings/SettingDefaults.h"

#include "core/settings/SettingRecord.h"

#include <array>
#include <optional>

namespace {

using F = SettingField;

// A field left out of a model's defaults keeps its value.
constexpr std::optional<int32_t> kKeep;

struct NumberDefault
{
    SettingField field;
    std::array<std::optional<int32_t>, 5> values; // R410, P820, V360, V580, P940
};

struct TextDefault
{
    SettingField field;
    std::array<const char *, 5> values; // "" clears the field
};

// clang-format off
constexpr NumberDefault kNumberDefaults[] = {
    {F::checksum, {432, 432, 432, 464, 508}},
    {F::cfg_struct_version, {65541, 65541, 65541, 65545, 65555}},
    {F::reserved, {0, 0, 0, 0, 0}},
    {F::front_resolution, {2, 3, 3, 3, 3}},
    {F::front_framerate, {3, 3, 5, 5, 5}},
    {F::front_quality, {3, 3, 3, 3, 3}},
    {F::front_brightness, {1, 0, 0, 1, 1}},
    {F::front_constrast, {0, 0, 0, 0, 0}},
    {F::front_shapness, {0, 0, 0, 0, 0}},
    {F::rear_resolution, {0, 2, 2, 3, 3}},
    {F::rear_framerate, {0, 3, 3, 5, 5}},
    {F::rear_quality, {0, 3, 3, 3, 1}},
    {F::rear_brightness, {0, 0, 0, 1, 1}},
    {F::rear_contrast, {0, 0, 0, 0, 0}},
    {F::rear_sharpness, {0, 0, 0, 0, 0}},
    {F::audio_record, {1, 1, 1, 1, 1}},
    {F::audio_record_volume, {0, 3, 3, 3, 3}},
    {F::voice_ment, {1, 1, 1, 1, 1}},
    {F::audio_ment_volume, {3, 3, 3, 2, 2}},
    {F::enable_driving_guide, {0, 1, 0, 1, 1}},
    {F::acceleration_sensor, {7, 6, 6, 2, 2}},
    {F::enable_av_out, {0, 0, 1, 1, 1}},
    {F::av_out_mode, {0, 4, 4, 4, 4}},
    {F::record_cevent_overwrite, {1, 1, 1, 1, 1}},
    {F::record_motion_overwrite, {1, 1, 1, 1, 1}},
    {F::record_prevent_overwrite, {1, 1, 1, 1, 1}},
    {F::record_manual_overwrite, {1, 1, 1, 1, 1}},
    {F::record_image_overwrite, {1, 1, 1, 1, 1}},
    {F::parking_front_resolution, {2, 3, 3, 2, 3}},
    {F::parking_front_framerate, {3, 2, 2, 2, 2}},
    {F::parking_front_quality, {3, 3, 3, 3, 3}},
    {F::parking_rear_resolution, {0, 2, 2, 2, 3}},
    {F::parking_rear_framerate, {0, 2, 2, 2, 2}},
    {F::parking_rear_quality, {0, 3, 3, 3, 3}},
    {F::parking_acceleration_sensor, {7, 7, 7, 3, 3}},
    {F::parking_mode_set, {0, 0, 0, 0, 0}},
    {F::parking_motion_set, {1, 1, 1, 1, 1}},
    {F::parking_front_motion_region, {4095, 4095, 4095, 4095, 4095}},
    {F::parking_rear_motion_region, {4095, 4095, 4095, 4095, 4095}},
    {F::parking_motion_sensitivity, {2, 3, 2, 3, 3}},
    {F::parking_time_limit, {48, 48, 48, 48, 48}},
    {F::battery_12v_R_off, {6, 6, 6, 6, 6}},
    {F::battery_24v_R_off, {6, 6, 6, 6, 6}},
    {F::partition_type, {1, 1, 1, 1, 1}},
    {F::security_led_mode, {0, 0, 0, 0, 0}},
    {F::enable_format_sd, {0, 0, 0, 0, 0}},
    {F::driving_guide_version, {0, 0, 0, 0, 218303744}},
    {F::gmt_offset, {-480, -480, -480, -480, -480}},
    {F::daylight_offset, {1, 1, 1, 1, 0}},
    {F::date_format, {0, 0, 0, 0, 0}},
    {F::measurement_unit, {0, 0, 0, 0, 1}},
    {F::lcd_brightness, {0, 0, 5, 1, 1}},
    {F::lcd_off_timer, {0, 0, 300000, 30000, 30000}},
    {F::cur_language, {0, 0, 0, 0, 0}},
    {F::battery_auto_set, {kKeep, kKeep, kKeep, 0, 0}},
    {F::wdr, {kKeep, kKeep, kKeep, 1, 1}},
    {F::ldws_detect, {kKeep, kKeep, kKeep, 0, 1}},
    {F::ldws_offset_top, {kKeep, kKeep, kKeep, 114, 114}},
    {F::ldws_offset_bottom, {kKeep, kKeep, kKeep, 218, 218}},
    {F::ldws_depart_Sensitivity, {kKeep, kKeep, kKeep, 2, 2}},
    {F::voice_detect, {kKeep, kKeep, kKeep, 1, 0}},
    {F::local_id, {kKeep, kKeep, kKeep, 0, 1}},
    {F::low_vol_shutdown, {kKeep, kKeep, kKeep, kKeep, 1}},
    {F::adas_car_high, {kKeep, kKeep, kKeep, kKeep, 0}},
    {F::ldws_left_depart_Sensitivity, {kKeep, kKeep, kKeep, kKeep, 2}},
    {F::ldws_right_depart_Sensitivity, {kKeep, kKeep, kKeep, kKeep, 2}},
    {F::ldws_depart_speed, {kKeep, kKeep, kKeep, kKeep, 2}},
    {F::fcws_onoff, {kKeep, kKeep, kKeep, kKeep, 1}},
    {F::fcws_frontal_sensitivity, {kKeep, kKeep, kKeep, kKeep, 2}},
    {F::fcmd_onoff, {kKeep, kKeep, kKeep, kKeep, 0}},
    {F::llws_onoff, {kKeep, kKeep, kKeep, kKeep, 0}},
    {F::ldws_onoff, {kKeep, kKeep, kKeep, kKeep, 1}},
    {F::set_resolution, {kKeep, kKeep, kKeep, kKeep, 0}},
};

// The odd entries are what the cameras shipped with: the R410 spelling of
// its time zone and the V580's backslash.
constexpr TextDefault kTextDefaults[] = {
    {F::product_name, {"R410", "P820", "V360", "V580", "P940"}},
    {F::serial_number, {"", "", "", "V580", ""}},
    {F::version, {"", "", "", "", ""}},
    {F::setting_path, {"SETTING/R410_Setting.exe", "SETTING/P820_Setting.exe", "SETTING/V360_Setting.exe", "SETTING\\V580_Setting.exe", "SETTING/P940_Setting.exe"}},
    {F::micom_version, {"", "", "", "", ""}},
    {F::tz_key, {"Parcific Standard Time", "Pacific Standard Time", "Pacific Standard Time", "Pacific Standard Time", "Pacific Standard Time"}},
};
// clang-format on

} // namespace

void SettingDefaults::apply(Model model, SettingRecord &record)
{
    const auto column = size_t(model);
    for (const NumberDefault &row : kNumberDefaults) {
        if (row.values[column])
            record.setNumber(row.field, *row.values[column]);
    }
    for (const TextDefault &row : kTextDefaults)
        record.setText(row.field, QString::fromUtf8(row.values[column]));
}

void SettingDefaults::applyV580UnitedKingdom(SettingRecord &record)
{
    record.setNumber(F::local_id, 3);
    record.setNumber(F::gmt_offset, 0);
    record.setNumber(F::daylight_offset, 0);
    record.setText(F::tz_key, QStringLiteral("GMT Standard Time"));
    record.setNumber(F::measurement_unit, 1);
}
