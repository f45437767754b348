#include "FileBytes.h"
#include "TempFolder.h"

#include "core/settings/QMVSettingManager.h"
#include "core/settings_ui/CompactEditorSession.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using C = CompactControl;
using Outcome = CompactEditorSession::Outcome;
using Move = CompactEditorSession::SliderMove;

// A card's lines as the camera writes them, every control matching a choice.
const QStringList kCard =
    QStringLiteral("const=35 event=17 manual=39 park=4 front_led=1 model=V120 version=1.2 "
                   "park_mode=1 power_off_vlt=0 language=us local_time=1.000000 summer_time=0 "
                   "osd_speed=1 mic_in=1 voice_out=1 voice_volume=5 acc_level=2 motion_level=1 "
                   "set=0")
        .split(' ');

// A moment, and the lines that set the camera's clock to it.
const QDateTime kMoment(QDate(2024, 3, 7), QTime(9, 5, 0));
const QStringList kClock = QString("year=2024 month=3 day=7 hour=9 min=5 sec=0").split(' ');

QMVSettingManager managerWith(const QStringList &lines)
{
    QMVSettingManager manager;
    manager.setLinedSettings(lines);
    return manager;
}

} // namespace

TEST(CompactEditorSession, LinesShowAsTheEditorReadsThem)
{
    // A control, its field, values of its line and what the control shows
    // for each; a value that matches no choice shows the control's other one.
    const std::tuple<C, const char *, QStringList, QList<int>> cases[] = {
        // Hundredths of volts, truncated: 11850 is 118.
        {C::Voltage, "power_off_vlt", {"0", "11850", "12299", "13000", "12v"}, {0, 1, 3, 2, 2}},
        // Hours truncated toward zero; 9.5 is Adelaide, 5 Pacific.
        {C::TimeZone, "local_time", {"9.5", "5", "-4.9", "-0.5", "", "1e400"}, {10, 2, 6, 7, 2, 2}},
        {C::Language, "language", {"fr", "FR"}, {1, 0}},
        {C::ParkingMode, "park_mode", {"1", "2"}, {0, 1}},
        {C::DaylightSaving, "summer_time", {"on"}, {1}},
        {C::SecurityLed, "front_led", {"0"}, {1}},
        {C::SpeedUnit, "osd_speed", {"2", "3"}, {1, 0}},
        {C::VoiceRecording, "mic_in", {"7"}, {0}},
        {C::VoiceGuidance, "voice_out", {"0"}, {1}},
        {C::VoiceVolume, "voice_volume", {"5", "2"}, {5, 3}},
        {C::MotionSensitivity, "motion_level", {"4"}, {3}},
        {C::ImpactSensitivity, "acc_level", {"4", "1"}, {4, 3}}};
    for (const auto &[control, field, values, shown] : cases) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QString line = QStringLiteral("%1=%2").arg(field, values[i]);
            QMVSettingManager manager = managerWith({"model=V120", line});
            EXPECT_EQ(CompactEditorSession(manager).value(control), shown[i]) << qPrintable(line);
        }
    }
}

TEST(CompactEditorSession, SwitchesFollowTheirControls)
{
    // Parking mode off (row 1) or showing its other choice switches the
    // voltage group off, voice guidance off the volume slider.
    QMVSettingManager off = managerWith({"park_mode=0", "voice_out=0"});
    EXPECT_FALSE(CompactEditorSession(off).isEnabled(C::Voltage));
    EXPECT_FALSE(CompactEditorSession(off).isEnabled(C::VoiceVolume));
    QMVSettingManager other = managerWith({"park_mode=x", "voice_out=1"});
    EXPECT_FALSE(CompactEditorSession(other).isEnabled(C::Voltage));
    EXPECT_TRUE(CompactEditorSession(other).isEnabled(C::VoiceVolume));

    QMVSettingManager manager = managerWith(kCard);
    CompactEditorSession session(manager);
    EXPECT_FALSE(session.isEnabled(C::DatePicker) || session.isEnabled(C::CurrentTime));
    EXPECT_EQ(session.set(C::DateTimeSet, 1), Outcome::Written);
    EXPECT_TRUE(session.isEnabled(C::DatePicker) && session.isEnabled(C::CurrentTime));
    EXPECT_EQ(session.set(C::VoiceGuidance, 1), Outcome::Written);
    EXPECT_EQ(session.set(C::VoiceVolume, 1), Outcome::SwitchedOff);
}

TEST(CompactEditorSession, MissingLinesLeaveTheirControlsAsTheyWere)
{
    QMVSettingManager manager = managerWith({"model=V120", "unknown=1"});
    CompactEditorSession session(manager);
    for (const C control : {C::ParkingMode, C::Voltage, C::Language, C::TimeZone, C::VoiceVolume})
        EXPECT_FALSE(session.value(control)) << int(control);
    EXPECT_EQ(session.text(C::Model), "V120");
    EXPECT_FALSE(session.text(C::Version));
    EXPECT_EQ(session.value(C::Partition), 0);
    EXPECT_EQ(session.partitionValues(), QList<int>({0, 0, 0, 0}));
    EXPECT_TRUE(session.isEnabled(C::Voltage) && session.isEnabled(C::VoiceVolume));

    // A change shows, but there is no line to take it.
    EXPECT_EQ(session.set(C::Language, 1), Outcome::NoLine);
    EXPECT_EQ(session.set(C::Partition, 2), Outcome::NoLine);
    EXPECT_EQ(session.value(C::Language), 1);
    EXPECT_EQ(session.partitionValues(), QList<int>({53, 19, 14, 9}));
    EXPECT_EQ(manager.linedSettings(), QStringList({"model=V120", "unknown=1"}));

    // Applying other lines keeps what they do not name.
    manager.setLinedSettings({"language=us"});
    session.apply();
    EXPECT_EQ(session.value(C::Language), 0);
    EXPECT_EQ(session.text(C::Model), "V120");
}

TEST(CompactEditorSession, PartitionSelectsTheMatchingPresetElseTheFirst)
{
    // Preset C in another order; preset B without its park line.
    QMVSettingManager c = managerWith({"park=14", "manual=9", "event=19", "const=53"});
    EXPECT_EQ(CompactEditorSession(c).value(C::Partition), 2);
    EXPECT_EQ(CompactEditorSession(c).partitionValues(), QList<int>({53, 19, 14, 9}));
    QMVSettingManager b = managerWith({"const=35", "event=17", "manual=39"});
    EXPECT_EQ(CompactEditorSession(b).value(C::Partition), 0);
    EXPECT_EQ(CompactEditorSession(b).partitionValues(), QList<int>({35, 17, 0, 39}));
}

TEST(CompactEditorSession, ChangesWriteTheirLinesOrLeaveLinesAndControlsAsTheyWere)
{
    // A change on kCard, made with the mouse unless it is a keyboard step
    // (NotWritten); what came of it; the lines it leaves changed.
    const std::tuple<C, int, Outcome, const char *> cases[] = {
        {C::Partition, 2, Outcome::Written, "const=53 event=19 manual=9 park=14"},
        {C::SecurityLed, 1, Outcome::Written, "front_led=0"},
        {C::Voltage, 1, Outcome::Written, "power_off_vlt=11800"},
        {C::TimeZone, 10, Outcome::Written, "local_time=9.500000"},
        {C::TimeZone, -1, Outcome::Written, "local_time=-8.000000"}, // no selection
        {C::TimeZone, 12, Outcome::Written, "local_time=-8.000000"},
        {C::VoiceVolume, 1, Outcome::Written, "voice_volume=1"},
        {C::DateTimeSet, 1, Outcome::Written, "set=1"},
        {C::VoiceVolume, 1, Outcome::NotWritten, ""},
        {C::VoiceVolume, 2, Outcome::NotAChoice, ""},
        {C::Partition, 3, Outcome::NotAChoice, ""},
        {C::Model, 0, Outcome::NotAChoice, ""},
        {C::DatePicker, 0, Outcome::NotAChoice, ""},
    };
    for (const auto &[control, value, outcome, changed] : cases) {
        SCOPED_TRACE(testing::Message() << int(control) << '=' << value);
        QMVSettingManager manager = managerWith(kCard);
        CompactEditorSession session(manager);
        const std::optional<int> shown = session.value(control);
        EXPECT_EQ(session.set(control, value,
                              outcome == Outcome::NotWritten ? Move::Other : Move::MousePressed),
                  outcome);
        QStringList expected = kCard;
        for (const QString &line : QString::fromLatin1(changed).split(' ', Qt::SkipEmptyParts))
            expected[kCard.indexOf(QRegularExpression(line.section('=', 0, 0) + "=.*"))] = line;
        EXPECT_EQ(manager.linedSettings(), expected);
        // What is written reads back as the control shows it; else it shows what it did.
        QMVSettingManager reread = managerWith(manager.linedSettings());
        if (control != C::DateTimeSet) {
            EXPECT_EQ(session.value(control), outcome == Outcome::Written
                                                  ? CompactEditorSession(reread).value(control)
                                                  : shown);
        }
    }
}

TEST(CompactEditorSession, OkSetsTheClockOnlyWhenTheBoxIsChecked)
{
    const QStringList dated =
        QString("model=V120 set=1 year=2019 month=1 day=2 hour=3 min=4 sec=5 park=4").split(' ');

    // The box opens cleared whatever the file says: OK keeps the lines.
    QMVSettingManager manager = managerWith(dated);
    CompactEditorSession session(manager);
    EXPECT_EQ(session.value(C::DateTimeSet), 0);
    session.ok(kMoment);
    EXPECT_EQ(manager.linedSettings(), dated);

    // Without a "set=" line the box adds one at the top: the first line stays.
    QMVSettingManager bare = managerWith({"model=V120", "park=4"});
    CompactEditorSession unset(bare);
    EXPECT_EQ(unset.set(C::DateTimeSet, 1), Outcome::Written);
    unset.ok(kMoment);
    EXPECT_EQ(bare.linedSettings(),
              QStringList({"set=1"}) + kClock + QStringList({"model=V120", "park=4"}));
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
    session.set(C::DateTimeSet, 1);

    EXPECT_FALSE(session.reset(5)); // not the compact model: the lines stay
    EXPECT_EQ(manager.linedSettings(), QStringList(kCard).replaceInStrings("set=0", "set=1"));

    ASSERT_TRUE(session.reset(QMVSettingManager::kCompactModelType));
    EXPECT_EQ(session.value(C::Partition), 0);
    EXPECT_EQ(session.value(C::TimeZone), 2);
    EXPECT_EQ(session.value(C::VoiceVolume), 3);
    EXPECT_EQ(session.text(C::Version), "1.2");
    EXPECT_EQ(FileBytes::read(card.path(QStringLiteral("SETTING/blackbox.cfg"))), bytes);

    // The defaults say "set=0"; the box checked before still asks for the clock.
    EXPECT_EQ(manager.valueForKey("set"), "0");
    session.ok(kMoment);
    EXPECT_EQ(manager.linedSettings().mid(manager.indexOfKey("set"), 7),
              QStringList({"set=1"}) + kClock);
}
