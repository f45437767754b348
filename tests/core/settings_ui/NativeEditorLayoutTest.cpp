#include "core/settings_ui/NativeEditorLayout.h"

#include <gtest/gtest.h>

namespace {

QStringList ids(qint64 type, int32_t firmware = 0)
{
    QStringList list;
    for (const auto &section : NativeEditorLayout::forModel(type, firmware))
        list.append(section.id);
    return list;
}

} // namespace

TEST(NativeEditorLayout, SectionsFollowTheModel)
{
    const QStringList p820 = ids(1);
    EXPECT_TRUE(p820.contains("voice_guidance"));
    // Left to the layout, but the P820 reads nothing through them.
    EXPECT_FALSE(p820.contains("parking_night_vision"));
    EXPECT_FALSE(p820.contains("safety_camera_alert"));
    EXPECT_FALSE(p820.contains("ldws_right_sensitivity"));

    const QStringList v590 = ids(9);
    for (const char *id : {"front_vehicle_departure", "parking_night_vision", "ldws_speed",
                           "ldws_right_sensitivity", "lcd_off_timer"})
        EXPECT_TRUE(v590.contains(id)) << id;
    EXPECT_FALSE(v590.contains("voice_guidance"));
    EXPECT_FALSE(ids(3, 16).contains("ldws"));
    EXPECT_TRUE(ids(3, 17).contains("ldws"));
    EXPECT_TRUE(ids(2).contains("touch_calibration"));

    // The V390 reads no rear camera setting: its resolution has the front radio only.
    for (const auto &section : NativeEditorLayout::forModel(8, 0)) {
        if (section.id == "resolution") {
            EXPECT_EQ(section.controls.size(), 1);
        } else if (section.id == "parking_mode") {
            EXPECT_EQ(section.controls.first().choices.size(), 2);
        }
    }
    for (const auto &section : NativeEditorLayout::forModel(10, 0)) {
        if (section.id == "parking_mode") {
            EXPECT_EQ(section.controls.first().choices.size(), 3);
        }
    }
}

TEST(NativeEditorLayout, DateFormatsShowTodayAsTheirExample)
{
    EXPECT_EQ(NativeEditorLayout::videoDateFormatTitles(QDate(2026, 12, 7)),
              (QStringList{"yyyy-MM-dd  e.g.))2026-12-07", "MMM-dd-yyyy  e.g.)Dec-07-2026"}));
}
