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

SettingRecord saved(const EditorControls &controls, const Camera &cam, SettingRecord record)
{
    NativeEditorMapping::save(controls, cam, record);
    return record;
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
            EXPECT_EQ(saved(NativeEditorMapping::apply(stored, cam), cam, stored)
                          .bytes(SettingRecordLayout::kFieldCount),
                      stored.bytes(SettingRecordLayout::kFieldCount))
                << "type " << type << " firmware " << firmware;
        }
    }
}

TEST(NativeEditorMapping, StoredValuesShowFoldOrSurviveUntouched)
{
    // 36 h has no step on the R410's time limit slider, 9 is no LED mode.
    const SettingRecord odd =
        record({{F::parking_time_limit, 36}, {F::security_led_mode, 9}, {F::front_resolution, 4}});
    const EditorControls r410 = NativeEditorMapping::apply(odd, camera(0));
    EXPECT_EQ(r410.value(C::TimeLimit36x), std::nullopt);
    const SettingRecord kept = saved(r410, camera(0), odd);
    EXPECT_EQ(kept.number(F::parking_time_limit), 36);
    EXPECT_EQ(kept.number(F::security_led_mode), 9);
    EXPECT_EQ(kept.number(F::front_resolution), 4);
    EXPECT_EQ(kept.text(F::product_name), QStringLiteral("R410"));

    const SettingRecord stored = record({{F::parking_time_limit, 36},
                                         {F::parking_motion_sensitivity, 4},
                                         {F::security_led_mode, 0},
                                         {F::audio_record, 5},
                                         {F::voice_ment, 0},
                                         {F::parking_motion_set, 1}});
    const EditorControls p820 = NativeEditorMapping::apply(stored, camera(1));
    EXPECT_EQ(p820.value(C::TimeLimit36o), 7);
    EXPECT_EQ(p820.value(C::ParkingMotionSensitivity), 2);
    EXPECT_EQ(p820.value(C::SecurityLed), 3);
    EXPECT_EQ(p820.value(C::FrontBrightness), 2);
    EXPECT_EQ(p820.value(C::OverwriteContinuous), 1);
    EXPECT_FALSE(p820.isEnabled(C::VoiceVolume));
    EXPECT_TRUE(p820.isEnabled(C::ParkingMotionSensitivity));
    const SettingRecord folded = saved(p820, camera(1), stored);
    EXPECT_EQ(folded.number(F::parking_time_limit), 36);
    EXPECT_EQ(folded.number(F::parking_motion_sensitivity), 3);
    EXPECT_EQ(folded.number(F::security_led_mode), 0);
    EXPECT_EQ(folded.number(F::audio_record), 0);
}

TEST(NativeEditorMapping, TimeZoneShowsTheNamedZoneAndSavesAMatchingName)
{
    SettingRecord stored = record({{F::gmt_offset, -570}});
    stored.setText(F::tz_key, QStringLiteral("Korea Standard Time"));
    const auto position = [](const char *label) {
        return int(TimeZoneTable::gmtDescList().indexOf(QLatin1String(label)));
    };
    EXPECT_EQ(NativeEditorMapping::apply(stored, camera(1)).value(C::TimeZone),
              position("UTC+09:00"));
    // The later models keep only the offset.
    EXPECT_EQ(NativeEditorMapping::apply(stored, camera(3)).value(C::TimeZone),
              position("UTC-09:30"));

    EditorControls chosen;
    chosen.setValue(C::TimeZone, 0);
    const SettingRecord v360 = saved(chosen, camera(2), stored);
    EXPECT_EQ(v360.number(F::gmt_offset), -720);
    EXPECT_EQ(v360.text(F::tz_key), QStringLiteral("Dateline Standard Time"));
    const SettingRecord v390 = saved(chosen, camera(8), stored);
    EXPECT_EQ(v390.number(F::gmt_offset), -720);
    EXPECT_EQ(v390.text(F::tz_key), QStringLiteral("Korea Standard Time"));
}

TEST(NativeEditorMapping, LaterModelsDeriveVoiceGuidanceFromTheVolume)
{
    const SettingRecord stored =
        record({{F::voice_ment, 0}, {F::audio_ment_volume, 3}, {F::parking_mode_set, 0}});
    EditorControls controls = NativeEditorMapping::apply(stored, camera(8));
    EXPECT_EQ(controls.value(C::VoiceVolume), 0);
    EXPECT_FALSE(controls.isEnabled(C::ParkingShock)) << "parking mode off";
    EXPECT_EQ(saved(controls, camera(8), stored).number(F::audio_ment_volume), 0);
    controls.setValue(C::VoiceVolume, 2);
    const SettingRecord louder = saved(controls, camera(8), stored);
    EXPECT_EQ(louder.number(F::audio_ment_volume), 2);
    EXPECT_EQ(louder.number(F::voice_ment), 1);
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
