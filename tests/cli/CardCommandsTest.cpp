#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "RecordingCardBuilder.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "CliRun.h"

#include "core/settings/P820SettingManager.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kRecord = QStringLiteral("SETTING/setup.cfg");

// What the viewer writes for a model when the card has no record.
QByteArray defaultRecord(qint64 type, qint64 localID = -1)
{
    P820SettingManager manager;
    manager.setModelType(type);
    manager.setLocalID(localID);
    manager.loadDefaultValue();
    return manager.record().bytes(manager.getSettingVariableCount());
}

const QByteArray kP820 =
    SetupCfgBuilder(400).productName("P820").int32At(52, 2).int32At(372, -60).bytes();
const QByteArray kV580 =
    SetupCfgBuilder(504).productName("V580").version("1.0.17").localID(3).int32At(500, 1).bytes();
const QByteArray kP940 =
    SetupCfgBuilder(508).productName("P940").version("2.0.5").int32At(224, 77).bytes();
const QByteArray kFactory =
    SetupCfgBuilder(432).productName("P940").int32At(52, 2).int32At(224, 5).bytes();
// A record written by a camera whose settings page is on the card: longer
// than its 92 fields (560 bytes), every byte set, its own length first.
const QByteArray kP880 = SetupCfgBuilder(608)
                             .bytesAt(0, SetupCfgBuilder::pattern(608))
                             .selfDescribing()
                             .productName(QByteArray("P880").leftJustified(16, '\0'))
                             .bytes();

// The cards the rows name as @NAME (no name begins another), with their files.
const std::tuple<QString, QString, QByteArray> kCardFiles[] = {
    {"p820", kRecord, kP820},
    {"x900", kRecord, SetupCfgBuilder(596).productName("Cam-X900").selfDescribing().bytes()},
    {"v580", kRecord, kV580},
    {"v580", "SETTING/lang/ver.dat", "# Language ISO Code:en ko\n"},
    {"p940", kRecord, kP940},
    {"p940", "SETTING/default.cfg", kFactory},
    {"bare940", kRecord, kP940},
    {"p880", kRecord, kP880},
    {"cut880", kRecord, SetupCfgBuilder(438).productName("P880").bytes()}, // inside wdr
    {"max880", kRecord, SetupCfgBuilder(620).productName("P880MAX").bytes()},
    {"max880", "SETTING/default.cfg", SetupCfgBuilder(432).bytes()},
    {"p30", kRecord, SetupCfgBuilder(620).productName("P30").bytes()},
    {"ownx9", kRecord, SetupCfgBuilder(620).productName("Cam-X9").selfDescribing().bytes()},
    {"v390", kRecord, SetupCfgBuilder(516).productName("V390").bytes()},
    {"v120", "SETTING/blackbox.cfg",
     "model=V120\r\nversion=1.2\r\npark=4\r\npark_mode=1\r\nno equals\r\npark=9\r\n"},
};

// Lays the cards out in folder, with @empty an empty card and @file a file.
QMap<QString, QString> layCards(const TempFolder &folder)
{
    QMap<QString, QString> paths = {{"file", folder.write("clip.mp4", "no recording")},
                                    {"empty", folder.path("empty")}};
    QDir(folder.path()).mkdir(QStringLiteral("empty"));
    for (const auto &[card, file, bytes] : kCardFiles) {
        folder.write(card + '/' + file, bytes);
        paths.insert(card, folder.path(card));
    }
    return paths;
}

// Runs the cases, none of which may change a card.
void expectNothingWritten(const QList<CliRun::Case> &cases)
{
    TempFolder folder;
    const QMap<QString, QString> paths = layCards(folder);
    CliRun::expect(cases, paths);
    EXPECT_TRUE(QDir(paths["empty"]).isEmpty());
    for (const auto &[card, file, bytes] : kCardFiles)
        EXPECT_EQ(FileBytes::read(folder.path(card + '/' + file)), bytes) << qPrintable(card);
}

const QList<CliRun::Case> kRefusals = {
    {"", 2, "torva: no command given\ntorva: usage: torva COMMAND …, where COMMAND is one of:\n"},
    {"frobnicate", 2, "unknown command \"frobnicate\""},
    {"convert", 2, "torva: FILE is missing\ntorva: usage: torva convert [--] FILE\n"},
    {"convert -sound.avi", 2, "torva: unknown option -sound.avi\ntorva: usage: torva convert"},
    {"convert @empty/missing.avi", 1, "torva: @empty/missing.avi: no such file\n"},
    {"list", 2, "torva: DIR is missing\ntorva: usage: torva list DIR"},
    {"list --filter parked @empty", 2, "unknown filter \"parked\""},
    {"list --swapped=1 @empty", 2, "unknown option --swapped=1"},
    {"list @empty @empty", 2, "only one DIR, please\ntorva: usage: torva list DIR"},
    {"list @empty/missing", 1, "torva: @empty/missing: no such folder\n"},
    {"list @file", 1, "torva: @file: is a file, not a card folder\n"},
    {"card @empty @empty", 2, "at most one card folder, please"},
    {"settings show @empty --model 29", 2, "unknown model \"29\""},
    {"settings set @empty", 2, "set needs FIELD=VALUE"},
    {"settings reset @empty x=1", 2, "unexpected argument \"x=1\""},
    {"settings set @p820 x=1 --model 1", 2, "unexpected argument \"--model\""},
    {"settings defaults @empty", 2, "defaults needs --model TYPE"},
    {"settings defaults @empty --model 3 --local-id 7", 2, "--local-id takes -1 to 6"},
    {"settings defaults @empty --model 1 --local-id 3", 2, "applies to the V580 models (3 and 4)"},
    {"settings defaults @empty --model P999", 2, "unknown model \"P999\""},
    {"settings bogus @empty", 2, "unknown action \"bogus\""},
    {"settings defaults @empty --model 7", 1, "torva: model V370 (7) has no built-in defaults\n"},
    // Whatever does not fit leaves the record as it was, even after a good assignment.
    {"settings set @x900 front_shapness=2 front_contrast=1", 1, "\"front_contrast\": no such"},
    {"settings set @x900 front_constrast", 1,
     "torva: \"front_constrast\": no such settings field\n"},
    {"settings set @x900 front_shapness=2 iot_onoff=256", 1,
     "iot_onoff: takes a whole number from 0 to 255"},
    {"settings set @x900 reserved=-1", 1, "reserved: takes a whole number from 0 to 65535"},
    {"settings set @x900 gmt_offset=2147483648", 1, "from -2147483648 to 2147483647"},
    {"settings set @x900 gmt_offset=0x10", 1, "torva: gmt_offset: takes a whole number from"},
    {"settings set @x900 product_name=ABCDEFGHIJKLMNOPQ", 1, "longer than the field's 16 bytes"},
    {"settings set @x900 version=1.0.1.ÄÄÄ", 1, "version: text longer than the field's 10 bytes"},
    {"settings set @p820 wdr=1", 1, "torva: wdr: not in the P820 (1) record (60 fields)\n"},
    {"settings set @cut880 front_resolution=3 wdr=1", 1,
     "wdr: past the end of the card's record (438"},
    {"settings reset @v390", 1,
     "no default.cfg on the card and no built-in defaults for model V390"},
    {"settings reset @max880", 1,
     "torva: @max880: the P880MAX (17) keeps its settings on the card's own settings page: reset "
     "them there (nothing was written)\n"},
    {"settings defaults @p30 --model 5", 1, "the P30 (20) keeps its settings on the card's own"},
    {"settings reset @ownx9", 1, "the CAM-J410 (26) keeps its settings on the card's own"},
    {"settings defaults @empty --model V740", 1,
     "the V740 (23) keeps its settings on the card's own settings page: restore its defaults "
     "there"},
    {"settings set @v120 park=1 osd_speed=2", 1, "osd_speed: no such key in SETTING/blackbox.cfg"},
    {"settings set @v120 =2", 1, "torva: \"=2\": KEY=VALUE expected\n"},
    {"settings choose @p820 --now", 2, "--now and --date set the clock of the V120 (6) only"},
    {"settings choose @v120 park=1", 1, "torva: this camera's editor has no control \"park\"\n"},
    {"settings choose @x900", 1, "settings are edited on the card's own settings page"},
    {"settings show @p820 --json", 2, "unexpected argument \"--json\""},
    // The editor's own rules: what the model hides, what it does not offer, what
    // another setting switches off.
    {"settings choose @p820 acceleration_sensor=3 wdr=0", 1,
     "torva: this camera's editor has no control \"wdr\"\n"},
    {"settings choose @p820 parking_mode_set=2", 1, "torva: parking_mode_set takes 0 to 1\n"},
    {"settings choose @p820 acceleration_sensor=0", 1, "acceleration_sensor takes 1 to 10"},
    {"settings choose @p820 audio_ment_volume=2", 1,
     "torva: audio_ment_volume is switched off by another setting\n"},
    {"settings choose @p820 acceleration_sensor", 1, "\"acceleration_sensor\": NAME=NUMBER"},
};

const QList<CliRun::Case> kReadings = {
    {"card @v580", 0,
     "{\n  \"root\": \"@v580\",\n  \"modelType\": 3,\n  \"modelName\": \"V580\",\n"
     "  \"localID\": 3,\n  \"version\": \"1.0.17\",\n  \"firmwareVersionInt\": 17,\n"
     "  \"languages\": [[0,\"en\"],[1,\"ko\"]],\n  \"fields\": 78,\n  \"recordBytes\": 504,\n"
     "  \"editor\": \"native\"\n}\n",
     true},
    {"card @x900", 0, "\"modelType\": 26,\n  \"modelName\": \"Cam-X900\","},
    {"card @x900", 0, "\"recordBytes\": 596,\n  \"editor\": \"web\"\n}"},
    {"card @v120", 0, "\"editor\": \"compact\""},
    {"card @empty", 0, "\"modelName\": null,\n  \"localID\": -1,\n  \"version\": null,"},
    {"card @empty", 0, "\"editor\": \"none\""},
    // A record shorter than the model's is read as far as it goes.
    {"settings show @p820", 0,
     "{\n  \"checksum\": 0,\n  \"cfg_struct_version\": 0,\n  \"product_name\": \"P820\","},
    {"settings show @p820", 0, "\"reserved\": 0,\n  \"front_resolution\": 2,\n"},
    {"settings show @p820", 0,
     "\"gmt_offset\": -60,\n  \"daylight_offset\": 0,\n  \"tz_key\": \"\","},
    {"settings show @p820", 0, "\"cur_language\": 0\n}\n"}, // the 60th and last field
    {"settings show @p820 --model P940", 0, "\"set_resolution\": 0\n}\n"}, // the 79th
    {"settings show @empty --model 1", 1,
     "torva: @empty: no settings record (SETTING/setup.cfg)\n"},
    {"settings show @empty", 1,
     "torva: @empty: no camera recognised on the card (name one with --model TYPE)\n"},
    // A key the file repeats shows its first line.
    {"settings menu @p820", 0, "Parking Mode\n  Parking Mode: Off (On | Off)\n"},
    {"settings menu @v580", 0, "  Language: English (English | Korean)\n"},
    {"settings menu @v580", 0, "Lane Departure Detection Speed: 50km (50km | 60km | 80km | 100km)"},
    {"settings menu @p940 --json", 0,
     "\"enabled\": false,\n                        \"field\": \"ldws_depart_Sensitivity\","},
    {"settings menu @p940 --json", 0, "\"ratios\": [\n                    61,\n"},
    // Controls without their line show as the editor laid them out.
    {"settings menu @v120", 0,
     "  Auto Parking Mode: On (On | Off), as laid out (Off | 11.8V | 12.0V | 12.2V)\n"},
    {"settings show @v120", 0,
     "{\n  \"model\": \"V120\",\n  \"version\": \"1.2\",\n  \"park\": \"4\",\n"
     "  \"park_mode\": \"1\"\n}\n",
     true},
};

// A printed row: the recording, its colour and the file of its large view.
QString row(const QString &file, const char *colour = "normal", const QString &large = {})
{
    return file + '\t' + colour + '\t' + (large.isEmpty() ? file : large) + '\n';
}

} // namespace

TEST(CommandRefusals, SayWhyWithTheirExitCodeAndWriteNothing)
{
    expectNothingWritten(kRefusals);
}

TEST(CardSettingsCommand, CardAndShowPrintTheRecordAndWriteNothing)
{
    expectNothingWritten(kReadings);
}

TEST(CardSettingsCommand, SetDefaultsAndResetWriteTheRecord)
{
    // A run on the card it names, the end of the line it prints and the record it leaves.
    const std::tuple<QString, QString, QByteArray> writes[] = {
        {"settings set @p820 front_resolution=3 tz_key=Asia/Seoul gmt_offset=540 reserved=65535",
         "@p820/SETTING/setup.cfg: 432 bytes written\n",
         SetupCfgBuilder(432)
             .bytesAt(0, kP820)
             .int32At(52, 3)
             .int32At(372, 540)
             .bytesAt(380, "Asia/Seoul")
             .bytesAt(50, "\xFF\xFF")
             .bytes()},
        {"settings set @p820 product_name=P820P820P820P820", ": 432 bytes written\n", // full width
         SetupCfgBuilder(432).bytesAt(0, kP820).productName("P820P820P820P820").bytes()},
        {"settings defaults @empty --model 1", ": 432 bytes written\n", defaultRecord(1)},
        {"settings defaults @empty --model 4", ": 464 bytes written\n", defaultRecord(3, 3)},
        {"settings defaults @empty --model V580 --local-id 3", ": 464 bytes", defaultRecord(3, 3)},
        // Fields the defaults do not name keep what the card had; no local ID given is 0.
        {"settings defaults @v580 --model 3", ": 504 bytes written\n",
         defaultRecord(3, 0) + kV580.mid(464)},
        // The card's factory file, with the camera's version and driving guide version.
        {"settings reset @p940", ": 508 bytes written\n",
         SetupCfgBuilder(508).bytesAt(0, kFactory).version("2.0.5").int32At(224, 77).bytes()},
        {"settings reset @bare940", ": 508 bytes written\n", defaultRecord(5)},
        // A card's own record keeps its length: only the named fields change.
        {"settings set @p880 front_resolution=3 tz_key=Seoul",
         "@p880/SETTING/setup.cfg: 2 fields written in place\n",
         SetupCfgBuilder(608)
             .bytesAt(0, kP880)
             .int32At(52, 3)
             .bytesAt(380, QByteArray("Seoul").leftJustified(32, '\0'))
             .bytes()},
        {"settings set @v120 park=14 park_mode=0", "@v120/SETTING/blackbox.cfg: written\n",
         "model=V120\r\nversion=1.2\r\npark=14\r\npark_mode=0\r\nno equals\r\npark=9\r\n"},
    };
    for (const auto &[args, says, written] : writes) {
        TempFolder folder;
        const QMap<QString, QString> paths = layCards(folder);
        CliRun::expect({{args, 0, says}}, paths);
        const QString card = args.section(QLatin1Char('@'), 1).section(QLatin1Char(' '), 0, 0);
        const QString file = card == "v120" ? "SETTING/blackbox.cfg" : kRecord;
        EXPECT_EQ(FileBytes::read(paths[card] + '/' + file), written) << qPrintable(args);
    }
}

TEST(CardSettingsCommand, ChooseSetsControlsAsTheEditorDoes)
{
    TempFolder folder;
    const QMap<QString, QString> paths = layCards(folder);
    CliRun::expect(
        {{"settings choose @p820 voice_ment=0 audio_ment_volume=2 parking_mode_set=0", 0,
          "@p820/SETTING/setup.cfg: 432 bytes written\n", true},
         {"settings choose @v580 ldws_onoff=0 ldws_depart_speed=3", 0, "bytes written"},
         {"settings choose @v390", 0, "@v390/SETTING/setup.cfg: 516 bytes written\n", true}},
        paths);
    const auto card = [&paths](const char *name, qint64 type) {
        P820SettingManager manager;
        manager.setSettingDirPath(paths[name]);
        manager.loadCardIdentity();
        EXPECT_EQ(manager.modelType(), type) << name;
        EXPECT_EQ(manager.readRecordFromCard(), P820SettingManager::RecordRead::Read);
        return manager.record();
    };
    const SettingRecord p820 = card("p820", 1);
    EXPECT_EQ(p820.number(SettingField::voice_ment), 1);
    EXPECT_EQ(p820.number(SettingField::audio_ment_volume), 2);
    EXPECT_EQ(p820.number(SettingField::parking_mode_set), 1);
    EXPECT_EQ(p820.number(SettingField::front_resolution), 2) << "untouched";
    const SettingRecord v580 = card("v580", 3);
    EXPECT_EQ(v580.number(SettingField::ldws_onoff), 1);
    EXPECT_EQ(v580.number(SettingField::ldws_depart_speed), 3);
    EXPECT_EQ(card("v390", 8).text(SettingField::product_name), QStringLiteral("V390"));
}

TEST(CardSettingsCommand, SetOnAReadOnlyCardFailsCleanly)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << qPrintable(card.error()) << " (needs root to mount a read-only card)";
    const QMap<QString, QString> paths = {{"card", card.path()}};
    CliRun::expect({{"settings defaults @card --model 1", 0, ": 432 bytes written\n"}}, paths);
    ASSERT_TRUE(card.makeReadOnly());
    CliRun::expect({{"settings set @card front_quality=1", 1, "torva: @card: "}}, paths);
    EXPECT_EQ(FileBytes::read(card.path() + '/' + kRecord), defaultRecord(1));
}

TEST(CardSettingsCommand, CardFindsTheCardAmongTheVolumes)
{
    TempFolder volumes;
    qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(volumes.path()));
    CliRun::expect(
        {{"card", 1, "torva: no memory card with a recognised camera among the volumes\n"}}, {});
    volumes.write(QStringLiteral("B/") + kRecord, kP820);
    CliRun::expect(
        {{"card", 0, "{\n  \"root\": \"@B\",\n  \"modelType\": 1,\n  \"modelName\": \"P820\",\n"}},
        {{"B", volumes.path("B")}});
    qunsetenv("TORVA_VOLUMES_DIR");
}

TEST(ListCommand, OneRowPerRecordingWithColourAndLargeViewFile)
{
    TempFolder folder;
    RecordingCardBuilder(folder.path("card"))
        .add({"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "Saved_Videos/s.mov", "sos_rec/-x y.avi",
              "photo/p.mp4"});
    RecordingCardBuilder(folder.path("-card"))
        .add({"quote's \"x\".mp4", "Überfahrt 서울.mp4", "tab\there.mp4", "line\nbreak.mp4"});
    const QString front = "@card/cont_rec/a_F.mp4", rear = "@card/cont_rec/a_R.mp4";
    const QString manual = row("@card/sos_rec/-x y.avi", "manual");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    CliRun::expect(
        {{"list @card", 0,
          row("@card/Saved_Videos/s.mov", "saved") + manual + row(front) + row(rear), true},
         {"list --swapped --filter continuous @card", 0,
          row(front, "normal", rear) + row(rear, "normal", front), true},
         {"list --filter=manual @card", 0, manual, true},
         {"list --filter=event @card", 0, "", true},
         // Paths are absolute; a tab or line break in a name cannot split a row.
         {"list -- -card", 0,
          row("@dashed/line\\nbreak.mp4") + row("@dashed/quote's \"x\".mp4") +
              row("@dashed/tab\\there.mp4") + row("@dashed/Überfahrt 서울.mp4"),
          true}},
        {{"card", folder.path("card")}, {"dashed", folder.path("-card")}});
    QDir::setCurrent(previous);
}
