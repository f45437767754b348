#include "core/settings_ui/NativeEditorMapping.h"

#include "core/settings/SettingRecord.h"
#include "core/settings_ui/EditorRules.h"
#include "core/settings_ui/SettingsFamily.h"
#include "core/settings_ui/TimeZoneTable.h"

#include <algorithm>

namespace {

using C = EditorControl;
using F = SettingField;
using Binding = NativeEditorMapping::Binding;
using Family = SettingsFamily::Family;

// 1 shows row 0, anything else row 1.
const ValueMapping kOnOff{{1, 0}, 0, 1};
// 0 shows row 1, anything else row 0.
const ValueMapping kOffOrOn{{1, 0}, 0, 0};
const ValueMapping kChecked{{0, 1}, 0, 0};
const ValueMapping kThreeColumns{{1, 2, 3}, 0, std::nullopt};
const ValueMapping kTwoColumns{{1, 2}, 0, std::nullopt};
// The brightest step sits at the slider's start.
const ValueMapping kBrightness{{2, 1, 0}, 0, std::nullopt};
// 0-2, anything else the last.
const ValueMapping kSensitivity{{0, 1, 2}, 0, 2};
constexpr int kMinute = 60 * 1000;

QList<Binding> p820Bindings()
{
    return {
        {C::FrontBrightness, F::front_brightness, kBrightness},
        {C::AudioRecording, F::audio_record, kOnOff},
        {C::VoiceGuidance, F::voice_ment, kOnOff},
        {C::VoiceVolume, F::audio_ment_volume, ValueMapping::steps(1, 6)},
        {C::DaylightSaving, F::daylight_offset, kOnOff},
        {C::SpeedUnit, F::measurement_unit, {{0, 1}, 0, 0}},
        {C::DrivingGuideCommon, F::enable_driving_guide, kOnOff},
        {C::FrontResolution, F::front_resolution, kThreeColumns},
        {C::FrontFrameRate, F::front_framerate, kThreeColumns},
        {C::FrontQuality, F::front_quality, kThreeColumns},
        {C::RearResolution, F::rear_resolution, kTwoColumns},
        {C::RearQuality, F::rear_quality, kThreeColumns},
        {C::AlwaysShock, F::acceleration_sensor, ValueMapping::steps(1, 10)},
        {C::ParkingMode, F::parking_mode_set, kOnOff},
        {C::ParkingFrontResolution, F::parking_front_resolution, kThreeColumns},
        {C::ParkingFrameRate, F::parking_front_framerate, kThreeColumns},
        {C::ParkingFrontQuality, F::parking_front_quality, kThreeColumns},
        {C::ParkingRearResolution, F::parking_rear_resolution, kTwoColumns},
        {C::ParkingRearQuality, F::parking_rear_quality, kThreeColumns},
        {C::ParkingShock, F::parking_acceleration_sensor, ValueMapping::steps(1, 10)},
        {C::ParkingMotion, F::parking_motion_set, kOnOff},
        {C::ParkingMotionSensitivity, F::parking_motion_sensitivity, {{1, 3, 5}, 1, 2}},
        {C::TimeLimit36o, F::parking_time_limit, {{1, 2, 4, 6, 12, 24, 36, 48}, 1, std::nullopt}},
        {C::Battery12V, F::battery_12v_R_off, ValueMapping::steps(0, 8)},
        {C::Battery24V, F::battery_24v_R_off, ValueMapping::steps(0, 8)},
        {C::OverwriteAlwaysShock, F::record_cevent_overwrite, kChecked},
        {C::OverwriteParkingMotion, F::record_motion_overwrite, kChecked},
        {C::OverwriteParkingShock, F::record_prevent_overwrite, kChecked},
        {C::OverwriteManual, F::record_manual_overwrite, kChecked},
        {C::SecurityLed, F::security_led_mode, {{1, 2, 3, 0}, 0, std::nullopt}},
        {C::Partition, F::partition_type, kThreeColumns},
    };
}

void removeFields(QList<Binding> &bindings, std::initializer_list<F> fields)
{
    bindings.removeIf([&fields](const Binding &binding) {
        return std::find(fields.begin(), fields.end(), binding.field) != fields.end();
    });
}

// Replaces the binding of the field, or adds it.
void bind(QList<Binding> &bindings, const Binding &binding)
{
    removeFields(bindings, {binding.field});
    bindings.append(binding);
}

const Binding kOldTimeLimit{
    C::TimeLimit36x, F::parking_time_limit, {{1, 2, 4, 6, 12, 24, 48}, 1, std::nullopt}};

// The V580 and the families built on it.
QList<Binding> v580Bindings(qint64 type, int32_t firmware)
{
    QList<Binding> bindings = p820Bindings();
    removeFields(bindings,
                 {F::front_resolution, F::front_framerate, F::front_quality, F::rear_resolution,
                  F::rear_quality, F::parking_front_resolution, F::parking_front_framerate,
                  F::parking_front_quality, F::parking_rear_resolution, F::parking_rear_quality,
                  F::parking_motion_set, F::voice_ment});
    bind(bindings, {C::RearBrightness, F::rear_brightness, kBrightness});
    bind(bindings, {C::LcdBrightness, F::lcd_brightness, ValueMapping::steps(0, 3)});
    bind(bindings, {C::LcdOffTimer, F::lcd_off_timer, {{kMinute / 2, 10 * kMinute, 0}, 0, 2}});
    bind(bindings, {C::Wdr, F::wdr, kOnOff});
    bind(bindings, {C::DrivingGuideAlways, F::enable_driving_guide, kOnOff});
    bind(bindings, {C::VoiceVolume, F::audio_ment_volume, ValueMapping::steps(0, 4)});
    bind(bindings, {C::AlwaysShock, F::acceleration_sensor, ValueMapping::steps(1, 5)});
    bind(bindings, {C::ParkingShock, F::parking_acceleration_sensor, ValueMapping::steps(1, 5)});
    bind(bindings,
         {C::ParkingMotionSensitivity, F::parking_motion_sensitivity, {{0, 1, 3, 5}, 0, 2}});
    bind(bindings, {C::TimeLimit36x, F::parking_time_limit, {{6, 12, 24, 48}, 1, std::nullopt}});
    if (type == 9)
        bind(bindings, {C::SpeedStamp, F::speed_stamp, kOffOrOn});
    if (SettingsFamily::hasDriverAssistance(type, firmware)) {
        bind(bindings, {C::VehicleType, F::adas_car_high, {{0, 1, 2}, 0, 0}});
        bind(bindings, {C::Ldws, F::ldws_onoff, kOffOrOn});
        bind(bindings, {C::LdwsLeftSensitivity, F::ldws_left_depart_Sensitivity, kSensitivity});
        bind(bindings, {C::LdwsRightSensitivity, F::ldws_right_depart_Sensitivity, kSensitivity});
        bind(bindings, {C::LdwsSpeed, F::ldws_depart_speed, {{0, 1, 2, 3}, 0, 2}});
        bind(bindings, {C::Fcws, F::fcws_onoff, kOffOrOn});
        bind(bindings, {C::FcwsSensitivity, F::fcws_frontal_sensitivity, kSensitivity});
        bind(bindings, {C::FrontVehicleDeparture, F::fcmd_onoff, kOffOrOn});
    }
    if (SettingsFamily::hasThreeRowParking(type)) {
        bind(bindings, {C::ParkingMode, F::parking_mode_set, {{1, 2, 0}, 0, 2}});
        bind(bindings, {C::ParkingNightVision, F::parking_night_vision, kOffOrOn});
    }
    return bindings;
}

QList<Binding> familyBindings(Family family, qint64 type, int32_t firmware)
{
    QList<Binding> bindings =
        family == Family::R410 || family == Family::P820 || family == Family::V360
            ? p820Bindings()
            : v580Bindings(type, firmware);
    switch (family) {
    case Family::R410:
        removeFields(bindings, {F::rear_resolution, F::rear_quality, F::parking_rear_resolution,
                                F::parking_rear_quality, F::enable_driving_guide});
        bind(bindings, {C::VideoDateFormat, F::date_format, {{0, 1}, 0, std::nullopt}});
        bind(bindings, kOldTimeLimit);
        break;
    case Family::V360:
        bind(bindings, {C::LcdBrightness, F::lcd_brightness, ValueMapping::steps(0, 11)});
        bind(bindings, {C::LcdOffTimer,
                        F::lcd_off_timer,
                        {{2 * kMinute, 5 * kMinute, 10 * kMinute, 0}, 0, 3}});
        bind(bindings, kOldTimeLimit);
        break;
    case Family::P820:
    case Family::V580:
        break;
    case Family::V390:
    case Family::P70:
        bind(bindings, {C::SpeedStamp, F::speed_stamp, kOffOrOn});
        if (family == Family::P70)
            bind(bindings, {C::SafetyCameraAlert, F::mobile_safety_cam_alert, kOnOff});
        break;
    case Family::P940:
        removeFields(bindings, {F::lcd_brightness, F::lcd_off_timer});
        bind(bindings, {C::FrontResolution, F::front_resolution, kThreeColumns});
        bind(bindings, {C::RearResolution, F::rear_resolution, kTwoColumns});
        if (type == 5) {
            // One sensitivity for both lanes.
            removeFields(bindings,
                         {F::ldws_left_depart_Sensitivity, F::ldws_right_depart_Sensitivity});
            bind(bindings, {C::LdwsLeftSensitivity, F::ldws_depart_Sensitivity, kSensitivity});
        }
        break;
    }
    return bindings;
}

void setEnabled(EditorControls &controls, std::initializer_list<C> list, bool enabled)
{
    for (const C control : list)
        controls.setEnabled(control, enabled);
}

const std::initializer_list<C> kParkingSliders{C::ParkingShock, C::ParkingMotionSensitivity,
                                               C::TimeLimit36x, C::Battery12V, C::Battery24V};

void applyEnabling(EditorControls &controls, const SettingRecord &record, qint64 type)
{
    // The first models switch voice guidance and parking motion on their own.
    if (SettingsFamily::isOldGroup(type)) {
        EditorRules::controlChanged(controls, C::VoiceGuidance);
        EditorRules::controlChanged(controls, C::ParkingMotion);
    } else if (!SettingsFamily::hasThreeRowParking(type)) {
        setEnabled(controls, kParkingSliders, record.number(F::parking_mode_set) == 1);
    }
    for (const C governing : {C::Ldws, C::Fcws}) {
        if (controls.value(governing))
            EditorRules::controlChanged(controls, governing);
    }
}

} // namespace

QList<Binding> NativeEditorMapping::bindings(qint64 modelType, int32_t firmwareVersionInt)
{
    const auto family = SettingsFamily::familyFor(modelType);
    return family ? familyBindings(*family, modelType, firmwareVersionInt) : QList<Binding>{};
}

EditorControls NativeEditorMapping::apply(const SettingRecord &record, const Camera &camera)
{
    EditorControls controls;
    if (!SettingsFamily::familyFor(camera.modelType))
        return controls;
    for (const Binding &binding : bindings(camera.modelType, camera.firmwareVersionInt))
        controls.setValue(binding.control,
                          binding.mapping.positionOf(record.number(binding.field)));

    const qsizetype language = camera.languageTags.indexOf(record.number(F::cur_language));
    if (language >= 0)
        controls.setValue(C::Language, int(language));
    // Only the first models name their time zone.
    const bool oldGroup = SettingsFamily::isOldGroup(camera.modelType);
    const QString zoneName = oldGroup ? record.text(F::tz_key) : QString();
    const int zone = TimeZoneTable::positionFor(zoneName, record.number(F::gmt_offset));
    if (zone >= 0)
        controls.setValue(C::TimeZone, zone);
    // Continuous recordings are always overwritten.
    controls.setValue(C::OverwriteContinuous, 1);
    controls.setEnabled(C::OverwriteContinuous, false);
    if (!oldGroup && record.number(F::voice_ment) == 0)
        controls.setValue(C::VoiceVolume, 0);
    applyEnabling(controls, record, camera.modelType);
    return controls;
}

void NativeEditorMapping::save(const EditorControls &controls, const Camera &camera,
                               SettingRecord &record)
{
    if (!SettingsFamily::familyFor(camera.modelType))
        return;
    record.setText(F::product_name, SettingsFamily::productName(camera.modelType));
    for (const Binding &binding : bindings(camera.modelType, camera.firmwareVersionInt)) {
        if (const auto position = controls.value(binding.control)) {
            if (const auto stored = binding.mapping.storedAt(*position))
                record.setNumber(binding.field, *stored);
        }
    }
    if (const auto language = controls.value(C::Language);
        language && *language >= 0 && *language < camera.languageTags.size())
        record.setNumber(F::cur_language, camera.languageTags.at(*language));
    if (const auto zone = controls.value(C::TimeZone)) {
        const TimeZoneTable::Stored stored =
            TimeZoneTable::storedFor(*zone, {record.number(F::gmt_offset), record.text(F::tz_key)});
        record.setNumber(F::gmt_offset, stored.gmtOffset);
        if (SettingsFamily::isOldGroup(camera.modelType))
            record.setText(F::tz_key, stored.tzKey);
    }
    // The later models have no voice switch: guidance is on while it has a volume.
    if (!SettingsFamily::isOldGroup(camera.modelType)) {
        if (const auto volume = controls.value(C::VoiceVolume))
            record.setNumber(F::voice_ment, *volume > 0 ? 1 : 0);
    }
}
