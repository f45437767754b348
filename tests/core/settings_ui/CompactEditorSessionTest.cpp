#include "FileBytes.h"
#include "TempFolder.h"

#include "core/settings/QMVSettingManager.h"
#include "core/settings_ui/CompactEditorLayout.h"
#include "core/settings_ui/CompactEditorSession.h"

#include <gtest/gtest.h>

namespace {

using C = CompactControl;
using Layout = CompactEditorLayout;
using Outcome = CompactEditorSession::Outcome;
using Move = CompactEditorSession::SliderMove;

// A card's lines as the camera writes them, every control matching a choice.
const QStringList kCard = {
    "const=35",
    "event=17",
    "manual=39",
    "park=4",
    "front_led=1",
    "model=V120",
    "version=1.2",
    "park_mode=1",
    "power_off_vlt=0",
    "language=us",
    "local_time=1.000000",
    "summer_time=0",
    "osd_speed=1",
    "mic_in=1",
    "voice_out=1",
    "voice_volume=5",
    "acc_level=2",
    "motion_level=1",
    "set=0",
};

QMVSettingManager managerWith(const QStringList &lines)
{
    QMVSettingManager manager;
    manager.setLinedSettings(lines);
    return manager;
}

} // namespace

TEST(CompactEditorSession, LinesShowAsTheEditorReadsThem)
{
    // A line, the control it sets and the value shown.
    const std::tuple<const char *, C, int> cases[] = {
        {"power_off_vlt=0", C::Voltage, 0},
        {"power_off_vlt=11850", C::Voltage, 1}, // 118 after truncation
        {"power_off_vlt=12000", C::Voltage, 2},
        {"power_off_vlt=12299", C::Voltage, 3},
        {"power_off_vlt=13000", C::Voltage, 2},
        {"power_off_vlt=-11800", C::Voltage, 2},
        {"power_off_vlt=12v", C::Voltage, 2},
        {"local_time=9.500000", C::TimeZone, 10}, // Adelaide
        {"local_time=5.000000", C::TimeZone, 2},  // not listed: Pacific
        {"local_time=-10.000000", C::TimeZone, 0},
        {"local_time=-4.9", C::TimeZone, 6},
        {"local_time=-0.5", C::TimeZone, 7},
        {"local_time=10.75", C::TimeZone, 11},
        {"local_time=", C::TimeZone, 2},
        {"local_time=1e400", C::TimeZone, 2},
        {"language=fr", C::Language, 1},
        {"language=FR", C::Language, 0},
        {"language=", C::Language, 0},
        {"park_mode=1", C::ParkingMode, 0},
        {"park_mode=2", C::ParkingMode, 1},
        {"summer_time=1", C::DaylightSaving, 0},
        {"summer_time=on", C::DaylightSaving, 1},
        {"front_led=0", C::SecurityLed, 1},
        {"osd_speed=2", C::SpeedUnit, 1},
        {"osd_speed=3", C::SpeedUnit, 0},
        {"mic_in=0", C::VoiceRecording, 1},
        {"mic_in=7", C::VoiceRecording, 0},
        {"voice_out=0", C::VoiceGuidance, 1},
        {"voice_volume=5", C::VoiceVolume, 5},
        {"voice_volume=2", C::VoiceVolume, 3},
        {"motion_level=1", C::MotionSensitivity, 1},
        {"motion_level=4", C::MotionSensitivity, 3},
        {"acc_level=4", C::ImpactSensitivity, 4},
        {"acc_level=5", C::ImpactSensitivity, 3},
        {"acc_level=1", C::ImpactSensitivity, 3},
    };
    for (const auto &[line, control, shown] : cases) {
        QMVSettingManager manager = managerWith({"model=V120", line});
        const CompactEditorSession session(manager);
        EXPECT_EQ(session.value(control), shown) << line;
    }
}

TEST(CompactEditorSession, SwitchesFollowTheirControls)
{
    // Lines, then whether the voltage group and the volume slider take input.
    const std::tuple<QStringList, bool, bool> cases[] = {
        {{"park_mode=1", "voice_out=1"}, true, true},
        {{"park_mode=0", "voice_out=0"}, false, false},
        {{"park_mode=x", "voice_out=x"}, false, true},
        {{}, true, true}, // as laid out
    };
    for (const auto &[lines, voltage, volume] : cases) {
        QMVSettingManager manager = managerWith(lines);
        CompactEditorSession session(manager);
        EXPECT_EQ(session.isEnabled(C::Voltage), voltage) << qPrintable(lines.join(','));
        EXPECT_EQ(session.isEnabled(C::VoiceVolume), volume) << qPrintable(lines.join(','));
    }

    QMVSettingManager manager = managerWith(kCard);
    CompactEditorSession session(manager);
    EXPECT_FALSE(session.isEnabled(C::DatePicker));
    EXPECT_FALSE(session.isEnabled(C::CurrentTime));
    EXPECT_EQ(session.set(C::DateTimeSet, 1), Outcome::Written);
    EXPECT_TRUE(session.isEnabled(C::DatePicker));
    EXPECT_TRUE(session.isEnabled(C::CurrentTime));

    EXPECT_EQ(session.set(C::VoiceGuidance, 1), Outcome::Written);
    EXPECT_EQ(session.set(C::VoiceVolume, 1), Outcome::SwitchedOff);
    EXPECT_EQ(session.set(C::ParkingMode, 1), Outcome::Written);
    EXPECT_EQ(session.set(C::Voltage, 3), Outcome::SwitchedOff);
    EXPECT_EQ(manager.valueForKey("voice_volume"), "5");
    EXPECT_EQ(manager.valueForKey("power_off_vlt"), "0");
}

TEST(CompactEditorSession, MissingLinesLeaveTheirControlsAsTheyWere)
{
    QMVSettingManager manager = managerWith({"model=V120", "unknown=1"});
    CompactEditorSession session(manager);
    for (const C control : {C::ParkingMode, C::Voltage, C::Language, C::TimeZone, C::VoiceVolume,
                            C::ImpactSensitivity, C::SecurityLed})
        EXPECT_FALSE(session.value(control)) << int(control);
    EXPECT_EQ(session.text(C::Model), "V120");
    EXPECT_FALSE(session.text(C::Version));
    EXPECT_EQ(session.value(C::Partition), 0);
    EXPECT_EQ(session.partitionValues(), QList<int>({0, 0, 0, 0}));

    // A change shows, but there is no line to take it.
    EXPECT_EQ(session.set(C::Language, 1), Outcome::NoLine);
    EXPECT_EQ(session.set(C::Partition, 2), Outcome::NoLine);
    EXPECT_EQ(session.value(C::Language), 1);
    EXPECT_EQ(session.partitionValues(), QList<int>({53, 19, 14, 9}));
    EXPECT_EQ(manager.linedSettings(), QStringList({"model=V120", "unknown=1"}));

    // Applying other lines keeps what they do not name.
    manager.setLinedSettings({"language=us", "acc_level=4"});
    session.apply();
    EXPECT_EQ(session.value(C::Language), 0);
    EXPECT_EQ(session.value(C::ImpactSensitivity), 4);
    EXPECT_EQ(session.text(C::Model), "V120");
}

TEST(CompactEditorSession, PartitionSelectsTheMatchingPresetElseTheFirst)
{
    // Const, event, manual and park lines; the column and the bars shown.
    const std::tuple<QStringList, int, QList<int>> cases[] = {
        {{"const=35", "event=17", "manual=39", "park=4"}, 1, {35, 17, 4, 39}},
        {{"park=14", "manual=9", "event=19", "const=53"}, 2, {53, 19, 14, 9}},
        {{"const=60.0", "event=22", "manual=9", "park=4"}, 0, {60, 22, 4, 9}},
        {{"const=50", "event=20", "manual=20", "park=5"}, 0, {50, 20, 5, 20}},
        {{"const=35", "event=17", "manual=39"}, 0, {35, 17, 0, 39}},
        {{" park=14", "const=53", "event=19", "manual=9"}, 0, {53, 19, 0, 9}},
    };
    for (const auto &[lines, column, bars] : cases) {
        QMVSettingManager manager = managerWith(lines);
        const CompactEditorSession session(manager);
        EXPECT_EQ(session.value(C::Partition), column) << qPrintable(lines.join(','));
        EXPECT_EQ(session.partitionValues(), bars) << qPrintable(lines.join(','));
    }
}

TEST(CompactEditorSession, ChangesWriteTheirLines)
{
    // A change, then the lines it leaves changed from kCard (key, new line).
    const std::tuple<C, int, QList<std::pair<int, QString>>> cases[] = {
        {C::Partition, 0, {{0, "const=60"}, {1, "event=22"}, {2, "manual=9"}, {3, "park=4"}}},
        {C::Partition, 2, {{0, "const=53"}, {1, "event=19"}, {2, "manual=9"}, {3, "park=14"}}},
        {C::SecurityLed, 1, {{4, "front_led=0"}}},
        {C::ParkingMode, 1, {{7, "park_mode=0"}}},
        {C::Voltage, 1, {{8, "power_off_vlt=11800"}}},
        {C::Voltage, 3, {{8, "power_off_vlt=12200"}}},
        {C::Language, 1, {{9, "language=fr"}}},
        {C::TimeZone, 0, {{10, "local_time=-10.000000"}}},
        {C::TimeZone, 7, {{10, "local_time=0.000000"}}},
        {C::TimeZone, 10, {{10, "local_time=9.500000"}}},
        {C::TimeZone, -1, {{10, "local_time=-8.000000"}}}, // no selection
        {C::TimeZone, 12, {{10, "local_time=-8.000000"}}},
        {C::DaylightSaving, 0, {{11, "summer_time=1"}}},
        {C::SpeedUnit, 1, {{12, "osd_speed=2"}}},
        {C::VoiceRecording, 1, {{13, "mic_in=0"}}},
        {C::VoiceGuidance, 1, {{14, "voice_out=0"}}},
        {C::VoiceVolume, 1, {{15, "voice_volume=1"}}},
        {C::ImpactSensitivity, 4, {{16, "acc_level=4"}}},
        {C::MotionSensitivity, 5, {{17, "motion_level=5"}}},
        {C::DateTimeSet, 1, {{18, "set=1"}}},
    };
    for (const auto &[control, value, changed] : cases) {
        QMVSettingManager manager = managerWith(kCard);
        CompactEditorSession session(manager);
        EXPECT_EQ(session.set(control, value), Outcome::Written) << int(control) << '=' << value;
        QStringList expected = kCard;
        for (const auto &[index, line] : changed)
            expected[index] = line;
        EXPECT_EQ(manager.linedSettings(), expected) << int(control) << '=' << value;
        // What is written reads back as the control shows it.
        QMVSettingManager reread = managerWith(manager.linedSettings());
        if (control != C::DateTimeSet) {
            EXPECT_EQ(CompactEditorSession(reread).value(control), session.value(control));
        }
    }
    QMVSettingManager manager = managerWith(kCard);
    CompactEditorSession session(manager);
    EXPECT_EQ(session.set(C::TimeZone, -1), Outcome::Written);
    EXPECT_EQ(session.value(C::TimeZone), 2);
}

TEST(CompactEditorSession, RefusedChangesLeaveLinesAndControls)
{
    const std::tuple<C, int, Move, Outcome> cases[] = {
        {C::VoiceVolume, 1, Move::Other, Outcome::NotWritten}, // a keyboard step
        {C::ImpactSensitivity, 4, Move::Other, Outcome::NotWritten},
        {C::MotionSensitivity, 3, Move::Other, Outcome::NotWritten},
        {C::VoiceVolume, 2, Move::MousePressed, Outcome::NotAChoice},
        {C::ImpactSensitivity, 1, Move::MousePressed, Outcome::NotAChoice},
        {C::ParkingMode, 2, Move::MousePressed, Outcome::NotAChoice},
        {C::Partition, 3, Move::MousePressed, Outcome::NotAChoice},
        {C::Voltage, -1, Move::MousePressed, Outcome::NotAChoice},
        {C::Model, 0, Move::MousePressed, Outcome::NotAChoice},
        {C::DatePicker, 0, Move::MousePressed, Outcome::NotAChoice},
    };
    for (const auto &[control, value, move, outcome] : cases) {
        QMVSettingManager manager = managerWith(kCard);
        CompactEditorSession session(manager);
        const std::optional<int> shown = session.value(control);
        EXPECT_EQ(session.set(control, value, move), outcome) << int(control) << '=' << value;
        EXPECT_EQ(session.value(control), shown) << int(control);
        EXPECT_EQ(manager.linedSettings(), kCard) << int(control);
    }
}

TEST(CompactEditorSession, OkSetsTheClockOnlyWhenTheBoxIsChecked)
{
    const QDateTime moment(QDate(2024, 3, 7), QTime(9, 5, 0));
    const QStringList clock{"year=2024", "month=3", "day=7", "hour=9", "min=5", "sec=0"};
    const QStringList dated{"model=V120", "set=1", "year=2019", "month=1", "day=2",
                            "hour=3",     "min=4", "sec=5",     "park=4"};

    // The box opens cleared whatever the file says: OK keeps the lines.
    QMVSettingManager manager = managerWith(dated);
    CompactEditorSession session(manager);
    EXPECT_EQ(session.value(C::DateTimeSet), 0);
    session.ok(moment);
    EXPECT_EQ(manager.linedSettings(), dated);

    // Checked then cleared: "set=0", the old date lines stay.
    session.set(C::DateTimeSet, 1);
    session.set(C::DateTimeSet, 0);
    session.ok(moment);
    QStringList expected = dated;
    expected[1] = "set=0";
    EXPECT_EQ(manager.linedSettings(), expected);

    // Checked: the new date replaces the old one right after "set=1".
    session.set(C::DateTimeSet, 1);
    session.ok(moment);
    EXPECT_EQ(manager.linedSettings(),
              QStringList({"model=V120", "set=1"}) + clock + QStringList({"park=4"}));

    // Without a "set=" line the box adds one at the top: the first line stays.
    QMVSettingManager bare = managerWith({"model=V120", "park=4"});
    CompactEditorSession unset(bare);
    EXPECT_EQ(unset.set(C::DateTimeSet, 1), Outcome::Written);
    unset.ok(moment);
    EXPECT_EQ(bare.linedSettings(),
              QStringList({"set=1"}) + clock + QStringList({"model=V120", "park=4"}));

    // A Reset after checking the box brings "set=0"; OK still asks for the clock.
    QMVSettingManager reset = managerWith(kCard);
    CompactEditorSession resetting(reset);
    resetting.set(C::DateTimeSet, 1);
    ASSERT_TRUE(resetting.reset(QMVSettingManager::kCompactModelType));
    EXPECT_EQ(reset.valueForKey("set"), "0");
    resetting.ok(moment);
    const qsizetype set = reset.indexOfKey("set");
    EXPECT_EQ(reset.linedSettings().mid(set, 7), QStringList({"set=1"}) + clock);
}

TEST(CompactEditorSession, ResetShowsTheDefaultsAndSavesNothing)
{
    TempFolder card;
    const QByteArray bytes = QMVSettingManager::bytesFromLines(kCard);
    card.write(QStringLiteral("SETTING/blackbox.cfg"), bytes);
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::CardFile);
    CompactEditorSession session(manager);
    ASSERT_EQ(session.value(C::Partition), 1);

    EXPECT_FALSE(session.reset(5)); // not the compact model: the lines stay
    EXPECT_EQ(manager.linedSettings(), kCard);
    EXPECT_EQ(session.value(C::Partition), 1);

    ASSERT_TRUE(session.reset(QMVSettingManager::kCompactModelType));
    EXPECT_EQ(session.value(C::Partition), 0);
    EXPECT_EQ(session.value(C::TimeZone), 2);
    EXPECT_EQ(session.value(C::VoiceVolume), 3);
    EXPECT_EQ(session.text(C::Version), "1.2");
    EXPECT_EQ(FileBytes::read(card.path(QStringLiteral("SETTING/blackbox.cfg"))), bytes);
}
