#include "core/settings_ui/NativeEditorMapping.h"
#include "core/settings/SettingRecord.h"
#include "core/settings_ui/SettingsFamily.h"
#include "core/settings_ui/TimeZoneTable.h"

#include <gtest/gtest.h>

namespace {

using C = EditorControl;
using F = SettingField;
using Camera = NativeEditorMapping::Camera;

Camera camera(qint64 type, int32_t firmware = 0)
{
    return {type, firmware, {0, 1, 7}};
}

SettingRecord record(std::initializer_list<std::pair<F, int32_t>> numbers)
{
    SettingRecord r;
    for (const auto &[field, value] : numbers)
        r.setNumber(field, value);
    return r;
}

// A record as a camera of the type writes it: every bound field at a value
// its control offers.
SettingRecord typicalRecord(const Camera &cam)
{
    SettingRecord r;
    r.setText(F::product_name, SettingsFamily::productName(cam.modelType));
    r.setNumber(F::cur_language, 7);
    r.setNumber(F::gmt_offset, 540);
    r.setText(F::tz_key, QStringLiteral("Korea Standard Time"));
    r.setNumber(F::voice_ment, 1);
    for (const auto &binding : NativeEditorMapping::bindings(cam.modelType, cam.firmwareVersionInt))
        r.setNumber(binding.field, binding.mapping.stored.last());
    return r;
}

} // namespace

TEST(NativeEditorMapping, AnUntouchedOkKeepsEveryFieldOfEveryModel)
{
    for (qint64 type = 0; type < 20; ++type) {
        if (!SettingsFamily::familyFor(type))
            continue;
        for (const int32_t firmware : {0, 17}) {
            const Camera cam = camera(type, firmware);
            const SettingRecord stored = typicalRecord(cam);
            SettingRecord saved = stored;
            NativeEditorMapping::save(NativeEditorMapping::apply(stored, cam), cam, saved);
            EXPECT_EQ(saved.bytes(SettingRecordLayout::kFieldCount),
                      stored.bytes(SettingRecordLayout::kFieldCount))
                << "type " << type << " firmware " << firmware;
        }
    }
}

TEST(NativeEditorMapping, ValuesTheEditorDoesNotOfferSurviveAnUntouchedOk)
{
    // A time limit of 36 h has no step on the 1-48 h slider of the R410, and
    // 9 is no security LED mode.
    const SettingRecord stored =
        record({{F::parking_time_limit, 36}, {F::security_led_mode, 9}, {F::front_resolution, 4}});
    const EditorControls controls = NativeEditorMapping::apply(stored, camera(0));
    EXPECT_EQ(controls.value(C::TimeLimit36x), std::nullopt);
    SettingRecord saved = stored;
    NativeEditorMapping::save(controls, camera(0), saved);
    EXPECT_EQ(saved.number(F::parking_time_limit), 36);
    EXPECT_EQ(saved.number(F::security_led_mode), 9);
    EXPECT_EQ(saved.number(F::front_resolution), 4);
    EXPECT_EQ(saved.text(F::product_name), QStringLiteral("R410"));
}

TEST(NativeEditorMapping, TheP820FoldsSomeValues)
{
    const SettingRecord stored = record({{F::parking_time_limit, 36},
                                         {F::parking_motion_sensitivity, 4},
                                         {F::security_led_mode, 0},
                                         {F::front_brightness, 0},
                                         {F::audio_record, 5},
                                         {F::voice_ment, 0},
                                         {F::parking_motion_set, 1}});
    const EditorControls controls = NativeEditorMapping::apply(stored, camera(1));
    EXPECT_EQ(controls.value(C::TimeLimit36o), 7);
    EXPECT_EQ(controls.value(C::ParkingMotionSensitivity), 2);
    EXPECT_EQ(controls.value(C::SecurityLed), 3);
    EXPECT_EQ(controls.value(C::FrontBrightness), 2);
    EXPECT_EQ(controls.value(C::AudioRecording), 1);
    EXPECT_EQ(controls.value(C::OverwriteContinuous), 1);
    EXPECT_FALSE(controls.isEnabled(C::VoiceVolume));
    EXPECT_TRUE(controls.isEnabled(C::ParkingMotionSensitivity));

    SettingRecord saved = stored;
    NativeEditorMapping::save(controls, camera(1), saved);
    EXPECT_EQ(saved.number(F::parking_time_limit), 36);
    EXPECT_EQ(saved.number(F::parking_motion_sensitivity), 3);
    EXPECT_EQ(saved.number(F::security_led_mode), 0);
    EXPECT_EQ(saved.number(F::audio_record), 0);
    EXPECT_EQ(saved.text(F::product_name), QStringLiteral("P820"));
}

TEST(NativeEditorMapping, TimeZoneShowsTheNamedZoneAndSavesAMatchingName)
{
    SettingRecord stored = record({{F::gmt_offset, -570}});
    stored.setText(F::tz_key, QStringLiteral("Korea Standard Time"));
    const auto korea = TimeZoneTable::gmtDescList().indexOf(QLatin1String("UTC+09:00"));
    EXPECT_EQ(NativeEditorMapping::apply(stored, camera(1)).value(C::TimeZone), korea);
    // The later models keep only the offset.
    const auto offsetOnly = TimeZoneTable::gmtDescList().indexOf(QLatin1String("UTC-09:30"));
    EXPECT_EQ(NativeEditorMapping::apply(stored, camera(3)).value(C::TimeZone), offsetOnly);

    EditorControls chosen;
    chosen.setValue(C::TimeZone, 0);
    SettingRecord saved = stored;
    NativeEditorMapping::save(chosen, camera(2), saved);
    EXPECT_EQ(saved.number(F::gmt_offset), -720);
    EXPECT_EQ(saved.text(F::tz_key), QStringLiteral("Dateline Standard Time"));
    saved = stored;
    NativeEditorMapping::save(chosen, camera(8), saved);
    EXPECT_EQ(saved.number(F::gmt_offset), -720);
    EXPECT_EQ(saved.text(F::tz_key), QStringLiteral("Korea Standard Time"));
}

TEST(NativeEditorMapping, LaterModelsDeriveVoiceGuidanceFromTheVolume)
{
    const SettingRecord stored =
        record({{F::voice_ment, 0}, {F::audio_ment_volume, 3}, {F::parking_mode_set, 0}});
    const EditorControls controls = NativeEditorMapping::apply(stored, camera(8));
    EXPECT_EQ(controls.value(C::VoiceVolume), 0);
    EXPECT_FALSE(controls.isEnabled(C::ParkingShock)) << "parking mode off";

    EditorControls louder = controls;
    louder.setValue(C::VoiceVolume, 2);
    SettingRecord saved = stored;
    NativeEditorMapping::save(louder, camera(8), saved);
    EXPECT_EQ(saved.number(F::audio_ment_volume), 2);
    EXPECT_EQ(saved.number(F::voice_ment), 1);
    NativeEditorMapping::save(controls, camera(8), saved);
    EXPECT_EQ(saved.number(F::voice_ment), 0);
    EXPECT_EQ(saved.number(F::audio_ment_volume), 0);
}

TEST(NativeEditorMapping, DriverAssistanceFollowsModelAndFirmware)
{
    const auto binds = [](qint64 type, int32_t firmware, F field) {
        for (const auto &binding : NativeEditorMapping::bindings(type, firmware)) {
            if (binding.field == field)
                return true;
        }
        return false;
    };
    EXPECT_FALSE(binds(3, 16, F::ldws_onoff));
    EXPECT_TRUE(binds(3, 17, F::ldws_onoff));
    EXPECT_TRUE(binds(9, 0, F::fcmd_onoff));
    EXPECT_FALSE(binds(8, 99, F::ldws_onoff));
    // The P940 has one lane sensitivity, its successors one per side.
    EXPECT_TRUE(binds(5, 0, F::ldws_depart_Sensitivity));
    EXPECT_FALSE(binds(5, 0, F::ldws_right_depart_Sensitivity));
    EXPECT_TRUE(binds(10, 0, F::ldws_right_depart_Sensitivity));
    EXPECT_TRUE(NativeEditorMapping::bindings(6, 0).isEmpty());

    const SettingRecord stored = record(
        {{F::ldws_onoff, 0}, {F::ldws_left_depart_Sensitivity, 7}, {F::parking_mode_set, 2}});
    const EditorControls controls = NativeEditorMapping::apply(stored, camera(9));
    EXPECT_EQ(controls.value(C::Ldws), 1);
    EXPECT_FALSE(controls.isEnabled(C::LdwsSpeed));
    EXPECT_EQ(controls.value(C::LdwsLeftSensitivity), 2);
    EXPECT_EQ(controls.value(C::ParkingMode), 1) << "time-lapse on the three-row radio";
}
