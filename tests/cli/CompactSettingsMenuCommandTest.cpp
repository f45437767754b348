#include "FileBytes.h"
#include "TempFolder.h"

#include "CliRun.h"

#include "cli/CliOutput.h"
#include "cli/TorvaCli.h"

#include "core/settings/QMVSettingManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("SETTING/blackbox.cfg");

// The program's default lines as a camera would have them: its model and
// version, preset B, a voltage between the columns, the Adelaide zone and
// parking mode off; then the changed lines.
QStringList cardLines(const QStringList &changed = {})
{
    QMVSettingManager manager;
    EXPECT_TRUE(manager.loadDefaultData_V120());
    for (const QString &line :
         QStringList{"version=1.0.3", "const=35", "event=17", "manual=39", "park=4",
                     "power_off_vlt=11850", "park_mode=0", "local_time=9.500000"} +
             changed)
        EXPECT_EQ(manager.replaceValue(line.section('=', 0, 0), line.section('=', 1)),
                  QMVSettingManager::ReplaceResult::Replaced);
    return manager.linedSettings();
}

// A card holding lines; returns its root.
QString layCard(const TempFolder &folder, const QStringList &lines = cardLines())
{
    folder.write(QStringLiteral("card/") + kFile, QMVSettingManager::bytesFromLines(lines));
    return folder.path(QStringLiteral("card"));
}

QStringList linesOnCard(const QString &root)
{
    return QMVSettingManager::linesFromBytes(FileBytes::read(root + '/' + kFile))
        .value_or(QStringList());
}

// Standard output of a successful run, arguments taken as they are.
QByteArray printed(const QStringList &args)
{
    QByteArray out, err;
    CliOutput output(&out, &err);
    EXPECT_EQ(TorvaCli::run(QStringList{QStringLiteral("torva")} + args, output), 0) << err.data();
    return out;
}

} // namespace

TEST(CompactSettingsMenuCommand, MenuShowsTheEditorsSectionsAndValues)
{
    TempFolder folder;
    const QString root = layCard(folder);
    const QJsonObject menu =
        QJsonDocument::fromJson(printed({"settings", "menu", root, "--json"})).object();
    EXPECT_EQ(menu.value("modelType"), 6);
    EXPECT_EQ(menu.value("editor"), "compact");
    const QJsonArray sections = menu.value("pages").toObject().value("settings").toArray();
    QHash<QString, QJsonObject> controls;
    for (const QJsonValue &section : sections) {
        for (const QJsonValue &control : section["controls"].toArray())
            controls.insert(control["field"].toString(), control.toObject());
    }
    ASSERT_EQ(sections.size(), 13);
    const QJsonObject partition = sections[0].toObject();
    EXPECT_EQ(partition.value("title"), "Memory Partition");
    EXPECT_EQ(partition.value("ratios"), QJsonArray({35, 17, 4, 39}));
    EXPECT_EQ(partition.value("controls")[0]["value"], 1);

    // Field, kind, value and whether it takes input.
    const std::tuple<const char *, const char *, QJsonValue, bool> cases[] = {
        {"park_mode", "radio", 1, true},     {"power_off_vlt", "radio", 1, false},
        {"set", "check", 0, true},           {"local_time", "combo", 10, true},
        {"voice_volume", "slider", 3, true}, {"version", "text", "1.0.3", true}};
    for (const auto &[field, kind, value, enabled] : cases) {
        const QJsonObject control = controls.value(field);
        EXPECT_EQ(control.value("kind"), kind) << field;
        EXPECT_EQ(control.value("value"), value) << field;
        EXPECT_EQ(control.value("enabled"), enabled) << field;
    }
    // The date picker and the current-time button hold no line.
    EXPECT_EQ(controls.value(QString()).value("kind"), "button");

    CliRun::expect(
        {{"settings menu @card", 0,
          "Dashcam Settings\n  Memory Partition: Type B (Type A (Recommended) | Type B | "
          "Type C), Continuous Recording 35%, Event Recording 17%, Parking Recording "
          "4%, Manual Recording 39%\n  Auto Parking Mode: Off (On | Off), 11.8V (Off | "
          "11.8V | 12.0V | 12.2V) [switched off]\n"},
         {"settings menu @card", 0, "  Time Zone: (UTC+09:30) Adelaide\n"},
         {"settings menu @card", 0, "  Firmware Version: Model V120, Version 1.0.3\n"}},
        {{"card", root}});
}

TEST(CompactSettingsMenuCommand, ChooseWritesTheLinesOfTheControls)
{
    TempFolder folder;
    const QString root = layCard(folder);
    printed({"settings", "choose", root}); // OK alone: the file as it was
    EXPECT_EQ(linesOnCard(root), cardLines());
    // Parking mode on (row 0) lets the voltage group take a column; a slider
    // chosen here counts as moved with the mouse.
    printed(QString("settings choose %1 local_time=0 partition=2 language=1 osd_speed=1 "
                    "park_mode=0 power_off_vlt=3 voice_volume=5 acc_level=4 motion_level=1")
                .arg(root)
                .split(' '));
    EXPECT_EQ(linesOnCard(root),
              cardLines({"local_time=-10.000000", "const=53", "event=19", "manual=9", "park=14",
                         "language=fr", "osd_speed=2", "park_mode=1", "power_off_vlt=12200",
                         "voice_volume=5", "acc_level=4", "motion_level=1"}));

    // set=1 with a clock: the six date lines follow it, in place of older ones.
    layCard(folder, {"model=V120", "set=0", "year=2019", "sec=4", "park=4"});
    EXPECT_EQ(printed({"settings", "choose", root, "set=1", "--date", "2024-03-31 02:30:00"}),
              (root + "/SETTING/blackbox.cfg: written\n").toUtf8());
    EXPECT_EQ(linesOnCard(root), QStringList({"model=V120", "set=1", "year=2024", "month=3",
                                              "day=31", "hour=2", "min=30", "sec=0", "park=4"}));
    printed({"settings", "choose", root, "--now", "set=1"});
    const QStringList lines = linesOnCard(root);
    EXPECT_EQ(lines.mid(1, 2),
              QStringList({"set=1", QStringLiteral("year=%1").arg(QDate::currentDate().year())}));
    EXPECT_EQ(lines.size(), 9);
}

TEST(CompactSettingsMenuCommand, RefusalsSayWhyAndWriteNothing)
{
    const QList<CliRun::Case> refusals = {
        {"settings choose @card local_time=12", 1, "torva: local_time takes 0 to 11\n", true},
        {"settings choose @card voice_volume=2", 1, "torva: voice_volume takes 1, 3 or 5\n"},
        {"settings choose @card power_off_vlt=1", 1,
         "torva: power_off_vlt is switched off by another setting\n"},
        {"settings choose @card park_mode=0 voice_out=1 voice_volume=1", 1,
         "voice_volume is switched off"},
        {"settings choose @card local_time=1 bogus=1", 1,
         "torva: this camera's editor has no control \"bogus\"\n"},
        {"settings choose @card parking_mode=0", 1,
         "torva: parking_mode has several controls: name park_mode or power_off_vlt\n"},
        {"settings choose @card firmware=0", 1, "firmware has several controls: name model or"},
        {"settings choose @card park=1", 1, "no control \"park\""},
        {"settings choose @card model=0", 1, "torva: model is shown only\n"},
        {"settings choose @card local_time=1 front_led=on", 1, "\"front_led=on\": NAME=NUMBER"},
        {"settings choose @bare language=1", 1,
         "torva: language: the settings file has no language= line\n"},
        {"settings choose @bare partition=1", 1,
         "torva: partition: the settings file has no const=, event=, park= or manual= line\n"},
        {"settings choose @card set=1", 2, "torva: set=1 needs the clock: --now or --date\n"},
        {"settings choose @card date_time=1 set=0 --now", 2, "--now and --date go with set=1"},
        {"settings choose @card set=1 --now --date=2024-01-01", 2, "--now or --date, not both"},
        {"settings choose @card set=1 --date 2024-01-01", 2,
         "--date takes \"YYYY-MM-DD HH:MM:SS\""},
        {"settings menu @card --now", 2, "unexpected argument \"--now\""},
    };
    TempFolder folder;
    const QString root = layCard(folder);
    const QStringList bare = {"model=V120", "version=1.2", "park_mode=1"};
    folder.write(QStringLiteral("bare/") + kFile, QMVSettingManager::bytesFromLines(bare));
    CliRun::expect(refusals, {{"card", root}, {"bare", folder.path(QStringLiteral("bare"))}});
    EXPECT_EQ(linesOnCard(root), cardLines());
    EXPECT_EQ(linesOnCard(folder.path(QStringLiteral("bare"))), bare);
}
