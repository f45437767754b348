#include "core/settings_ui/EditorSections.h"

#include <array>
#include <initializer_list>

namespace {

using Section = EditorSections::Section;

constexpr uint32_t types(std::initializer_list<int> list)
{
    uint32_t mask = 0;
    for (const int type : list)
        mask |= 1u << type;
    return mask;
}

struct Row
{
    const char *id;
    uint32_t shown;
    uint32_t hidden; // the other types of 0-19 keep the section as laid out
};

// The ADAS sections: the V580 family shows them like the V590 from firmware
// 17 on.
constexpr uint32_t kAdasShown = types({5, 9, 10, 18});
constexpr uint32_t kAdasHidden = types({0, 1, 2, 3, 4, 7, 8, 11, 12, 13, 14, 15, 19});
// The new model group, every type of it without the compact and web models.
constexpr uint32_t kNewGroup = types({3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19});

constexpr std::array<Row, EditorSections::kSectionCount> kRows{{
    {"audio_recording", 0, kNewGroup},
    {"voice_guidance", 0, kNewGroup},
    {"rear_brightness", types({3, 4, 5, 9, 10, 18}),
     types({0, 1, 2, 7, 8, 11, 12, 13, 14, 15, 19})},
    {"lcd_brightness", types({3, 4, 7, 8, 9, 14}), types({0, 1, 5, 10, 11, 12, 13, 15, 18, 19})},
    {"lcd_off_timer", types({3, 4, 7, 8, 9, 14}), types({0, 1, 5, 10, 11, 12, 13, 15, 18, 19})},
    {"camera_clock", types({2, 7, 8, 11, 12, 13, 14, 15, 19}), types({1, 3, 4, 5, 9, 10, 18})},
    {"video_date_format", 0, types({1, 2}) | kNewGroup},
    {"driving_guide_common", 0, types({0, 2}) | kNewGroup},
    {"speed_stamp", types({7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19}), types({0, 1, 2, 3, 4, 5})},
    {"resolution", types({5, 7, 8, 10, 11, 12, 13, 14, 15, 18, 19}), types({3, 4, 9})},
    {"rear_radios", 0, types({0})},
    {"frame_rate", 0, kNewGroup},
    {"quality", 0, types({2}) | kNewGroup},
    {"driving_guide_always", types({3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 18, 19}),
     types({0, 1, 2, 14, 15})},
    {"safety_camera_alert", types({13, 19}), types({5, 7, 8, 10, 11, 12, 14, 15, 18})},
    {"wdr", types({3, 4, 5, 9, 10, 18}), types({0, 1, 2, 7, 8, 11, 12, 13, 14, 15, 19})},
    {"vehicle_type", kAdasShown, kAdasHidden},
    {"ldws", kAdasShown, kAdasHidden},
    {"ldws_speed", kAdasShown, kAdasHidden},
    {"fcws", kAdasShown, kAdasHidden},
    {"ldws_right_sensitivity", 0, types({5, 7, 8, 11, 12, 13, 14, 15, 19})},
    {"front_vehicle_departure", types({9}),
     types({0, 1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14, 15, 18, 19})},
    {"parking_resolution", 0, kNewGroup},
    {"parking_frame_rate", 0, kNewGroup},
    {"parking_quality", 0, types({2}) | kNewGroup},
    {"parking_motion", 0, kNewGroup},
    {"parking_night_vision", 0, types({3, 4, 5, 7, 8, 11, 12, 13, 14, 15, 19})},
    {"security_led", 0, types({11, 12, 13, 15, 19})},
    {"touch_calibration", types({2}), types({0, 1}) | kNewGroup},
    {"memory_card_format", 0, types({0, 1, 2}) | kNewGroup},
}};

bool isAdas(Section section)
{
    return section == Section::VehicleType || section == Section::Ldws ||
           section == Section::LdwsSpeed || section == Section::Fcws;
}

} // namespace

EditorSections::Visibility EditorSections::visibility(Section section, qint64 modelType,
                                                      int32_t firmwareVersionInt)
{
    if (modelType < 0 || modelType > 19)
        return Visibility::AsLaidOut;
    // The V580 and V580 UK gained the driver assistance with firmware 17.
    if ((modelType == 3 || modelType == 4) && isAdas(section) && firmwareVersionInt >= 17)
        modelType = 9;
    const Row &row = kRows[size_t(section)];
    const uint32_t bit = 1u << modelType;
    if (row.shown & bit)
        return Visibility::Shown;
    if (row.hidden & bit)
        return Visibility::Hidden;
    return Visibility::AsLaidOut;
}

QString EditorSections::id(Section section)
{
    return QString::fromLatin1(kRows[size_t(section)].id);
}

std::optional<EditorSections::Section> EditorSections::fromId(const QString &id)
{
    for (int i = 0; i < kSectionCount; ++i) {
        if (id == QLatin1String(kRows[size_t(i)].id))
            return Section(i);
    }
    return std::nullopt;
}
