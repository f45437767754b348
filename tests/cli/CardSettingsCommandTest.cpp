#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "CliRun.h"

#include "core/settings/P820SettingManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

const QString kRecord = QStringLiteral("SETTING/setup.cfg");

using Result = CliRun;

Result runTorva(const QStringList &args)
{
    return CliRun::torva(args);
}

Result runSettings(const QStringList &args)
{
    return runTorva(QStringList{QStringLiteral("settings")} + args);
}

QByteArray little32(int32_t value)
{
    return SetupCfgBuilder(4).int32At(0, value).bytes();
}

// What the viewer writes for a model when the card has no record.
QByteArray defaultRecord(qint64 type, qint64 localID = -1)
{
    P820SettingManager manager;
    manager.setModelType(type);
    manager.setLocalID(localID);
    manager.loadDefaultValue();
    return manager.record().bytes(manager.getSettingVariableCount());
}

} // namespace

TEST(CardCommand, DescribesTheCameraOnTheCard)
{
    TempFolder card;
    card.write(kRecord,
               SetupCfgBuilder(504).productName("V580").version("1.0.17").localID(3).bytes());
    card.write(QStringLiteral("SETTING/lang/ver.dat"), "# Language ISO Code:en ko\n");
    const Result result = runTorva({QStringLiteral("card"), card.path()});
    ASSERT_EQ(result.code, 0) << result.err.constData();
    EXPECT_EQ(result.keys(),
              (QStringList{"root", "modelType", "modelName", "localID", "version",
                           "firmwareVersionInt", "languages", "fields", "recordBytes", "editor"}));
    const QJsonObject card580 = result.json();
    EXPECT_EQ(card580[u"root"].toString(), card.path());
    EXPECT_EQ(card580[u"modelType"].toInt(), 3);
    EXPECT_EQ(card580[u"modelName"].toString(), QStringLiteral("V580"));
    EXPECT_EQ(card580[u"localID"].toInt(), 3);
    EXPECT_EQ(card580[u"version"].toString(), QStringLiteral("1.0.17"));
    EXPECT_EQ(card580[u"firmwareVersionInt"].toInt(), 17);
    EXPECT_EQ(card580[u"languages"].toArray(), (QJsonArray{QJsonArray{0, QStringLiteral("en")},
                                                           QJsonArray{1, QStringLiteral("ko")}}));
    EXPECT_EQ(card580[u"fields"].toInt(), 78);
    EXPECT_EQ(card580[u"recordBytes"].toInt(), 504);
    EXPECT_EQ(card580[u"editor"].toString(), QStringLiteral("native"));
    EXPECT_EQ(FileBytes::read(card.path(kRecord)).size(), 504) << "inspection writes nothing";
}

TEST(CardCommand, EditorNameAndUnknownCards)
{
    TempFolder selfDescribing;
    selfDescribing.write(kRecord,
                         SetupCfgBuilder(596).productName("Cam-X900").selfDescribing().bytes());
    const QJsonObject x900 = runTorva({QStringLiteral("card"), selfDescribing.path()}).json();
    EXPECT_EQ(x900[u"modelType"].toInt(), 26);
    EXPECT_EQ(x900[u"modelName"].toString(), QStringLiteral("Cam-X900"));
    EXPECT_EQ(x900[u"editor"].toString(), QStringLiteral("web"));
    EXPECT_EQ(x900[u"recordBytes"].toInt(), 596);

    TempFolder compact;
    compact.write(QStringLiteral("SETTING/blackbox.cfg"), "model=V120\r\n");
    EXPECT_EQ(runTorva({QStringLiteral("card"), compact.path()}).json()[u"editor"].toString(),
              QStringLiteral("compact"));

    TempFolder empty;
    const Result unknown = runTorva({QStringLiteral("card"), empty.path()});
    EXPECT_EQ(unknown.code, 0);
    EXPECT_EQ(unknown.json()[u"modelType"].toInt(), -1);
    EXPECT_TRUE(unknown.json()[u"modelName"].isNull());
    EXPECT_TRUE(unknown.json()[u"version"].isNull());
    EXPECT_EQ(unknown.json()[u"editor"].toString(), QStringLiteral("none"));

    EXPECT_EQ(runTorva({QStringLiteral("card"), empty.path(QStringLiteral("missing"))}).code, 1);
    EXPECT_EQ(runTorva({QStringLiteral("card"), empty.path(), empty.path()}).code, 2);
}

TEST(CardCommand, FindsTheCardAmongTheVolumes)
{
    TempFolder volumes;
    QDir(volumes.path()).mkdir(QStringLiteral("A"));
    QProcess torva;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TORVA_VOLUMES_DIR"), volumes.path());
    torva.setProcessEnvironment(environment);
    torva.start(QStringLiteral(TORVA_CLI_PATH), {QStringLiteral("card")});
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), 1);
    EXPECT_TRUE(torva.readAllStandardOutput().isEmpty());
    EXPECT_FALSE(torva.readAllStandardError().isEmpty());

    volumes.write(QStringLiteral("B/SETTING/setup.cfg"),
                  SetupCfgBuilder(432).productName("P820").bytes());
    torva.start(QStringLiteral(TORVA_CLI_PATH), {QStringLiteral("card")});
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), 0) << torva.readAllStandardError().constData();
    const QJsonObject card = QJsonDocument::fromJson(torva.readAllStandardOutput()).object();
    EXPECT_EQ(card[u"root"].toString(), volumes.path(QStringLiteral("B")));
    EXPECT_EQ(card[u"modelName"].toString(), QStringLiteral("P820"));
}

TEST(SettingsCommand, ShowListsTheRecordInOrderAndTouchesNothing)
{
    TempFolder card;
    // Shorter than the P820 record: loading it in the viewer would rewrite it.
    const QByteArray original =
        SetupCfgBuilder(400).productName("P820").int32At(52, 2).int32At(372, -60).bytes();
    const QString path = card.write(kRecord, original);
    const Result result = runSettings({QStringLiteral("show"), card.path()});
    ASSERT_EQ(result.code, 0) << result.err.constData();
    const QStringList keys = result.keys();
    ASSERT_EQ(keys.size(), 60);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(keys[i], QLatin1String(SettingRecordLayout::kFields[size_t(i)].name));
    const QJsonObject fields = result.json();
    EXPECT_EQ(fields[u"product_name"].toString(), QStringLiteral("P820"));
    EXPECT_EQ(fields[u"front_resolution"].toInt(), 2);
    EXPECT_EQ(fields[u"gmt_offset"].toInt(), -60);
    EXPECT_EQ(fields[u"tz_key"].toString(), QString()) << "beyond the short file";
    EXPECT_EQ(FileBytes::read(path), original);

    // A model given by hand reads the record at that model's length.
    const Result asP940 = runSettings(
        {QStringLiteral("show"), card.path(), QStringLiteral("--model"), QStringLiteral("P940")});
    ASSERT_EQ(asP940.code, 0);
    EXPECT_EQ(asP940.keys().size(), 79);

    TempFolder unknown;
    unknown.write(kRecord, SetupCfgBuilder(432).productName("X1").bytes());
    EXPECT_EQ(runSettings({QStringLiteral("show"), unknown.path()}).code, 1);
    const Result chosen = runSettings(
        {QStringLiteral("show"), unknown.path(), QStringLiteral("--model"), QStringLiteral("0")});
    EXPECT_EQ(chosen.code, 0);
    EXPECT_EQ(chosen.json()[u"product_name"].toString(), QStringLiteral("X1"));
    EXPECT_EQ(runSettings({QStringLiteral("show"), unknown.path(), QStringLiteral("--model"),
                           QStringLiteral("29")})
                  .code,
              2);
}

TEST(SettingsCommand, SetRewritesTheRecordAtTheModelLength)
{
    TempFolder card;
    const QByteArray original = SetupCfgBuilder(400).productName("P820").int32At(52, 2).bytes();
    const QString path = card.write(kRecord, original);
    const Result result =
        runSettings({QStringLiteral("set"), card.path(), QStringLiteral("front_resolution=3"),
                     QStringLiteral("tz_key=Korea Standard Time"), QStringLiteral("gmt_offset=540"),
                     QStringLiteral("reserved=65535")});
    ASSERT_EQ(result.code, 0) << result.err.constData();
    QByteArray expected = original + QByteArray(32, '\0');
    expected.replace(52, 4, little32(3));
    expected.replace(372, 4, little32(540));
    expected.replace(380, 19, "Korea Standard Time");
    expected.replace(50, 2, "\xFF\xFF");
    EXPECT_EQ(FileBytes::read(path), expected);
}

TEST(SettingsCommand, SetRefusesWhatDoesNotFitAndLeavesTheFile)
{
    TempFolder card;
    const QByteArray original =
        SetupCfgBuilder(596).productName("Cam-X900").selfDescribing().bytes();
    const QString path = card.write(kRecord, original);
    const QStringList refused = {
        QStringLiteral("front_contrast=1"), // misspelt: the record says constrast
        QStringLiteral("iot_onoff=256"),    // one byte
        QStringLiteral("reserved=-1"),      // unsigned
        QStringLiteral("gmt_offset=2147483648"),
        QStringLiteral("gmt_offset=0x10"),
        QStringLiteral("gmt_offset="),
        QStringLiteral("product_name=ABCDEFGHIJKLMNOPQ"), // 17 bytes
        QStringLiteral("version=1.0.1.ÄÄÄ"),              // 12 bytes
        QStringLiteral("front_constrast"),
    };
    for (const QString &assignment : refused) {
        SCOPED_TRACE(qPrintable(assignment));
        const Result result = runSettings(
            {QStringLiteral("set"), card.path(), QStringLiteral("front_shapness=2"), assignment});
        EXPECT_EQ(result.code, 1);
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_EQ(FileBytes::read(path), original);
    }
    // A field the model's record does not hold.
    TempFolder p820;
    const QByteArray short820 = SetupCfgBuilder(432).productName("P820").bytes();
    const QString p820Path = p820.write(kRecord, short820);
    EXPECT_EQ(runSettings({QStringLiteral("set"), p820.path(), QStringLiteral("wdr=1")}).code, 1);
    EXPECT_EQ(FileBytes::read(p820Path), short820);
    EXPECT_EQ(runSettings({QStringLiteral("set"), p820.path()}).code, 2);
    // Full-width text fits exactly.
    EXPECT_EQ(runSettings({QStringLiteral("set"), p820.path(),
                           QStringLiteral("product_name=P820P820P820P820")})
                  .code,
              0);
    EXPECT_EQ(FileBytes::read(p820Path).mid(8, 17), QByteArray("P820P820P820P820\0", 17));
}

TEST(SettingsCommand, SetOnAReadOnlyCardFailsCleanly)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << qPrintable(card.error()) << " (needs root to mount a read-only card)";
    const QString path = QDir(card.path()).filePath(kRecord);
    QDir(card.path()).mkdir(QStringLiteral("SETTING"));
    const QByteArray original = SetupCfgBuilder(432).productName("P820").bytes();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(original), original.size());
    }
    ASSERT_TRUE(card.makeReadOnly());
    const Result result =
        runSettings({QStringLiteral("set"), card.path(), QStringLiteral("front_quality=1")});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(card.path().toUtf8())) << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(FileBytes::read(path), original);
}

TEST(SettingsCommand, DefaultsWriteTheModelsFactoryRecord)
{
    TempFolder blank;
    const Result p820 = runSettings(
        {QStringLiteral("defaults"), blank.path(), QStringLiteral("--model"), QStringLiteral("1")});
    ASSERT_EQ(p820.code, 0) << p820.err.constData();
    EXPECT_EQ(FileBytes::read(blank.path(kRecord)), defaultRecord(1));

    for (const auto &[args, uk] :
         {std::pair{QStringList{QStringLiteral("--model"), QStringLiteral("4")}, true},
          std::pair{QStringList{QStringLiteral("--model"), QStringLiteral("3")}, false},
          std::pair{QStringList{QStringLiteral("--model"), QStringLiteral("V580"),
                                QStringLiteral("--local-id"), QStringLiteral("3")},
                    true}}) {
        TempFolder card;
        ASSERT_EQ(runSettings(QStringList{QStringLiteral("defaults"), card.path()} + args).code, 0);
        const QByteArray record = FileBytes::read(card.path(kRecord));
        ASSERT_EQ(record.size(), 464);
        EXPECT_EQ(record, defaultRecord(3, uk ? 3 : 0));
        EXPECT_EQ(record.mid(460, 4), little32(uk ? 3 : 0));
    }

    // Fields the defaults do not name keep what the card had.
    TempFolder v580;
    const QString path = v580.write(kRecord, SetupCfgBuilder(504)
                                                 .productName("V580")
                                                 .version("1.0.17")
                                                 .int32At(500, 1)
                                                 .int32At(52, 9)
                                                 .bytes());
    ASSERT_EQ(runSettings({QStringLiteral("defaults"), v580.path(), QStringLiteral("--model"),
                           QStringLiteral("3")})
                  .code,
              0);
    const QByteArray written = FileBytes::read(path);
    ASSERT_EQ(written.size(), 504);
    EXPECT_EQ(written.mid(500, 4), little32(1));
    EXPECT_EQ(written.mid(52, 4), little32(3));

    TempFolder untouched;
    EXPECT_EQ(runSettings({QStringLiteral("defaults"), untouched.path(), QStringLiteral("--model"),
                           QStringLiteral("7")})
                  .code,
              1);
    EXPECT_TRUE(QDir(untouched.path()).isEmpty());
    EXPECT_EQ(runSettings({QStringLiteral("defaults"), untouched.path()}).code, 2);
    EXPECT_EQ(runSettings({QStringLiteral("defaults"), untouched.path(), QStringLiteral("--model"),
                           QStringLiteral("1"), QStringLiteral("--local-id"), QStringLiteral("3")})
                  .code,
              2);
    EXPECT_EQ(runSettings({QStringLiteral("defaults"), untouched.path(), QStringLiteral("--model"),
                           QStringLiteral("P999")})
                  .code,
              2);
    EXPECT_EQ(runSettings({QStringLiteral("bogus"), untouched.path()}).code, 2);
    EXPECT_TRUE(QDir(untouched.path()).isEmpty());
}

TEST(SettingsCommand, ResetPrefersTheCardsFactoryFile)
{
    TempFolder card;
    const QString path = card.write(kRecord, SetupCfgBuilder(508)
                                                 .productName("P940")
                                                 .version("2.0.5")
                                                 .int32At(224, 77)
                                                 .int32At(52, 1)
                                                 .bytes());
    const QByteArray factory =
        SetupCfgBuilder(432).productName("P940").int32At(52, 2).int32At(224, 5).bytes();
    card.write(QStringLiteral("SETTING/default.cfg"), factory);
    ASSERT_EQ(runSettings({QStringLiteral("reset"), card.path()}).code, 0);
    QByteArray expected = factory + QByteArray(76, '\0');
    expected.replace(40, 5, "2.0.5");       // the camera's version
    expected.replace(224, 4, little32(77)); // and its driving guide version
    EXPECT_EQ(FileBytes::read(path), expected);

    QFile::remove(card.path(QStringLiteral("SETTING/default.cfg")));
    ASSERT_EQ(runSettings({QStringLiteral("reset"), card.path()}).code, 0);
    EXPECT_EQ(FileBytes::read(path), defaultRecord(5));

    TempFolder v390;
    const QByteArray original = SetupCfgBuilder(516).productName("V390").bytes();
    const QString v390Path = v390.write(kRecord, original);
    EXPECT_EQ(runSettings({QStringLiteral("reset"), v390.path()}).code, 1);
    EXPECT_EQ(FileBytes::read(v390Path), original);
}

TEST(SettingsCommand, CompactModelEditsItsTextFile)
{
    TempFolder card;
    const QByteArray original =
        "model=V120\r\nversion=1.2\r\npark=4\r\npark_mode=1\r\nno equals\r\npark=9\r\n";
    const QString path = card.write(QStringLiteral("SETTING/blackbox.cfg"), original);
    const Result shown = runSettings({QStringLiteral("show"), card.path()});
    ASSERT_EQ(shown.code, 0) << shown.err.constData();
    EXPECT_EQ(shown.keys(), (QStringList{"model", "version", "park", "park_mode"}));
    EXPECT_EQ(shown.json()[u"park"].toString(), QStringLiteral("4"));
    EXPECT_EQ(FileBytes::read(path), original);

    ASSERT_EQ(runSettings({QStringLiteral("set"), card.path(), QStringLiteral("park=14"),
                           QStringLiteral("park_mode=0")})
                  .code,
              0);
    EXPECT_EQ(FileBytes::read(path),
              "model=V120\r\nversion=1.2\r\npark=14\r\npark_mode=0\r\nno equals\r\npark=9\r\n");

    const QByteArray edited = FileBytes::read(path);
    EXPECT_EQ(runSettings({QStringLiteral("set"), card.path(), QStringLiteral("park=1"),
                           QStringLiteral("osd_speed=2")})
                  .code,
              1);
    EXPECT_EQ(runSettings({QStringLiteral("set"), card.path(), QStringLiteral("=2")}).code, 1);
    EXPECT_EQ(FileBytes::read(path), edited);

    ASSERT_EQ(runSettings({QStringLiteral("reset"), card.path()}).code, 0);
    const QByteArray reset = FileBytes::read(path);
    EXPECT_TRUE(reset.contains("\r\nosd_speed=")) << reset.constData();
    EXPECT_TRUE(reset.contains("version=1.2\r\n")) << "the camera's version is kept";
}

namespace {

// A record written by a camera whose settings page is on the card: longer
// than the fields this program knows, every byte set, its own length first.
QByteArray cardOwnRecord(const QByteArray &productName, int length)
{
    return SetupCfgBuilder(length)
        .bytesAt(0, SetupCfgBuilder::pattern(length))
        .int32At(SetupCfgBuilder::kChecksumOffset, length)
        .bytesAt(SetupCfgBuilder::kProductNameOffset, productName.leftJustified(16, '\0'))
        .bytes();
}

// The file's inode and modification time: a rewrite changes both.
std::pair<ino_t, std::pair<time_t, long>> fileStamp(const QString &path)
{
    struct stat info = {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return {info.st_ino, {info.st_mtim.tv_sec, info.st_mtim.tv_nsec}};
}

int offsetOf(SettingField field)
{
    return SettingRecordLayout::offsetOf(field);
}

} // namespace

TEST(SettingsCommand, SetOnACardsOwnRecordChangesOnlyTheNamedFieldsInPlace)
{
    const int p880Fields = SettingRecordLayout::byteSize(92);
    struct Card
    {
        QByteArray record;
        QStringList assignments;
    };
    const Card cards[] = {
        {cardOwnRecord("P880", p880Fields + 48),
         {QStringLiteral("front_resolution=3"), QStringLiteral("tz_key=Seoul")}},
        {cardOwnRecord("V740", 700), {QStringLiteral("iot_onoff=1"), QStringLiteral("wdr=-2")}},
        // The nameless model's record holds its length, and is longer than ours.
        {cardOwnRecord("Cam-X900", 640), {QStringLiteral("front_resolution=3")}},
    };
    for (const Card &entry : cards) {
        SCOPED_TRACE(entry.record.mid(8, 8).constData());
        TempFolder card;
        const QString path = card.write(kRecord, entry.record);
        const Result result =
            runSettings(QStringList{QStringLiteral("set"), card.path()} + entry.assignments);
        ASSERT_EQ(result.code, 0) << result.err.constData();
        EXPECT_TRUE(result.out.endsWith(" fields written in place\n")) << result.out.constData();
        QByteArray expected = entry.record;
        for (const QString &assignment : entry.assignments) {
            const QString name = assignment.section(QLatin1Char('='), 0, 0);
            const QString value = assignment.section(QLatin1Char('='), 1);
            const SettingField field = *SettingRecordLayout::fieldNamed(name);
            const SettingFieldFormat &format = SettingRecordLayout::format(field);
            const QByteArray bytes =
                format.encoding == SettingEncoding::Text
                    ? value.toUtf8().leftJustified(format.width, '\0')
                    : SetupCfgBuilder(format.width).int32At(0, value.toInt()).bytes();
            expected.replace(offsetOf(field), format.width, bytes);
        }
        const QByteArray written = FileBytes::read(path);
        EXPECT_EQ(written.size(), entry.record.size());
        EXPECT_EQ(written, expected);
    }
}

TEST(SettingsCommand, SetOnACardsOwnRecordRefusesFieldsPastItsEnd)
{
    TempFolder card;
    // Cut short inside the wdr field.
    const QByteArray original = cardOwnRecord("P880", offsetOf(SettingField::wdr) + 2);
    const QString path = card.write(kRecord, original);
    const auto stamp = fileStamp(path);
    const Result result =
        runSettings({QStringLiteral("set"), card.path(), QStringLiteral("front_resolution=3"),
                     QStringLiteral("wdr=1")});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains("wdr: past the end")) << result.err.constData();
    EXPECT_EQ(FileBytes::read(path), original);
    EXPECT_EQ(fileStamp(path), stamp);
}

TEST(SettingsCommand, DefaultsAndResetAreLeftToTheCardsOwnSettingsPage)
{
    for (const QByteArray &name :
         {QByteArray("P880MAX"), QByteArray("P30"), QByteArray("Cam-X9")}) {
        SCOPED_TRACE(name.constData());
        TempFolder card;
        const QByteArray original = cardOwnRecord(name, 620);
        const QString path = card.write(kRecord, original);
        card.write(QStringLiteral("SETTING/default.cfg"), SetupCfgBuilder(432).bytes());
        const auto stamp = fileStamp(path);
        for (const QStringList &args :
             {QStringList{QStringLiteral("reset"), card.path()},
              QStringList{QStringLiteral("defaults"), card.path(), QStringLiteral("--model"),
                          QStringLiteral("1")},
              QStringList{QStringLiteral("defaults"), card.path(), QStringLiteral("--model"),
                          QStringLiteral("5")}}) {
            SCOPED_TRACE(qPrintable(args.first()));
            const Result result = runSettings(args);
            EXPECT_EQ(result.code, 1);
            EXPECT_TRUE(result.out.isEmpty());
            EXPECT_TRUE(result.err.contains("the card's own settings page"))
                << result.err.constData();
            EXPECT_EQ(FileBytes::read(path), original);
            EXPECT_EQ(fileStamp(path), stamp);
        }
    }

    // Naming such a model for a card that has none writes nothing either.
    TempFolder blank;
    const Result named = runSettings({QStringLiteral("defaults"), blank.path(),
                                      QStringLiteral("--model"), QStringLiteral("V740")});
    EXPECT_EQ(named.code, 1);
    EXPECT_TRUE(named.err.contains("V740 (23)")) << named.err.constData();
    EXPECT_TRUE(QDir(blank.path()).isEmpty());
}
