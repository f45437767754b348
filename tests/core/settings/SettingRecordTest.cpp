#include "FileBytes.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/settings/P820SettingManager.h"

#include <QCryptographicHash>
#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kRecord = QStringLiteral("SETTING/setup.cfg");

P820SettingManager managerFor(const QString &root, qint64 modelType, int32_t firmware = 0)
{
    P820SettingManager manager;
    manager.setSettingDirPath(root);
    manager.setModelType(modelType);
    manager.setFirmwareVersionInt(firmware);
    return manager;
}

} // namespace

// Where the cameras put the fields around each change of width or encoding;
// every field between two of these is as wide as the first of them.
TEST(SettingRecordLayout, FieldsSitAtTheCameraOffsets)
{
    using E = SettingEncoding;
    const std::tuple<const char *, int, int, SettingEncoding> fields[] = {
        {"product_name", 8, 16, E::Text},    {"version", 40, 10, E::Text},
        {"reserved", 50, 2, E::UInt16},      {"front_resolution", 52, 4, E::Int32},
        {"setting_path", 228, 128, E::Text}, {"micom_version", 356, 16, E::Text},
        {"gmt_offset", 372, 4, E::Int32},    {"tz_key", 380, 32, E::Text},
        {"date_format", 412, 4, E::Int32},   {"cloud_onoff", 572, 4, E::Int32},
        {"iot_onoff", 576, 1, E::UInt8},     {"avn_onoff", 595, 1, E::UInt8},
    };
    const P820SettingManager manager;
    for (const auto &[name, offset, width, encoding] : fields) {
        const std::optional<SettingField> field =
            SettingRecordLayout::fieldNamed(QString::fromLatin1(name));
        ASSERT_TRUE(field) << name;
        EXPECT_EQ(manager.offsetFromValue(*field), offset) << name;
        EXPECT_EQ(SettingRecordLayout::format(*field).width, width) << name;
        EXPECT_EQ(SettingRecordLayout::format(*field).encoding, encoding) << name;
    }
    for (int i = 0; i < SettingRecordLayout::kFieldCount; ++i)
        EXPECT_EQ(SettingRecordLayout::fieldNamed(
                      QString::fromLatin1(SettingRecordLayout::format(SettingField(i)).name)),
                  SettingField(i));
    EXPECT_EQ(manager.offsetFromValue(SettingField(-1)), 0);
    EXPECT_EQ(manager.offsetFromValue(SettingField(116)), 0);
    EXPECT_FALSE(SettingRecordLayout::fieldNamed(u"front_contrast"));
}

// One model of each record length, and the V580 on both sides of firmware 17.
TEST(SettingRecordLayout, RecordLengthFollowsModelAndFirmware)
{
    const std::tuple<qint64, int32_t, int> cases[] = {
        {-1, 0, 432}, {2, 0, 432},  {6, 0, 432},  {28, 0, 432}, {3, 16, 464},
        {3, 17, 504}, {4, 0, 464},  {4, 99, 504}, {5, 0, 508},  {18, 0, 516},
        {16, 0, 560}, {13, 0, 564}, {21, 0, 576}, {17, 0, 579}, {23, 0, 582},
        {25, 0, 593}, {26, 0, 596}, {29, 0, 0},   {-2, 0, 0}};
    P820SettingManager manager;
    for (const auto &[type, firmware, bytes] : cases) {
        manager.setModelType(type);
        manager.setFirmwareVersionInt(firmware);
        EXPECT_EQ(manager.getSaveDataSize(), bytes) << "type " << type << " firmware " << firmware;
    }
}

// The record each camera writes on a fresh card, quirks and all (the R410's
// "Parcific" time zone, the V580's backslash): its length and a digest of it.
TEST(SettingDefaults, SavedDefaultsAreTheCameraRecords)
{
    const std::tuple<qint64, qint64, int32_t, int, const char *> cases[] = {
        // model type, local id, firmware, length, SHA-1
        {0, -1, 0, 432, "565ba4199b9f9a53e7eccc15845b31dc5dbae83e"},
        {1, -1, 0, 432, "628efc6d9b061f889714f733fe6c5df5358cd4db"},
        {2, -1, 0, 432, "4d59987269286935375db96c92d43b7b1ed9696b"},
        {3, 0, 0, 464, "b4f4d96b6016753665397ae513f385580b0a6cd0"},
        // Firmware 17 lengthens the record but keeps the 68-field checksum.
        {3, 0, 17, 504, "4aa71bf94b12f07733b155c47a1ca32a34b03e5f"},
        {4, 3, 0, 464, "b81e66fbe91e8baa9aa199659fd9a2a09d4bb6f9"}, // United Kingdom
        {5, -1, 0, 508, "ba88c970032dc7346da9861b460d223df0f2d24e"},
    };
    for (const auto &[type, localID, firmware, length, sha1] : cases) {
        SCOPED_TRACE(testing::Message() << "type " << type << " local id " << localID);
        TempFolder card;
        P820SettingManager manager = managerFor(card.path(), type, firmware);
        manager.setLocalID(localID);
        manager.loadDefaultValue();
        ASSERT_TRUE(manager.saveData());
        const QByteArray bytes = FileBytes::read(card.path(kRecord));
        EXPECT_EQ(bytes.size(), length);
        EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString(),
                  sha1);
    }
}

TEST(SettingDefaults, FieldsAModelHasNoDefaultForKeepTheirValues)
{
    for (qint64 type : {0, 3, 5, 7}) {
        P820SettingManager manager;
        manager.setModelType(type);
        manager.setWdr(7);            // field 61: V580 and P940 only
        manager.setSet_resolution(9); // field 78: P940 only
        manager.setFront_resolution(11);
        manager.loadDefaultValue();
        EXPECT_EQ(manager.wdr(), type == 3 || type == 5 ? 1 : 7) << type;
        EXPECT_EQ(manager.set_resolution(), type == 5 ? 0 : 9) << type;
        EXPECT_EQ(manager.front_resolution(), type == 7 ? 11 : type == 0 ? 2 : 3) << type;
    }
}

// Fields the file holds whole come from it, the rest keep their values, and
// the record is written back at the model's length.
TEST(P820SettingRecord, LoadRewritesTheRecordAtTheModelLength)
{
    const std::tuple<int, qint64, int32_t, int, int> cases[] = {
        // file length, model type, firmware, end of the last whole field, length written
        {596, 26, 0, 596, 596}, {432, 5, 0, 432, 508},  {596, 1, 0, 432, 432},
        {504, 3, 16, 464, 464}, {464, 3, 17, 464, 504}, {434, 5, 0, 432, 508},
        {30, 1, 0, 24, 432}, // ends inside serial_number
    };
    for (const auto &[fileLength, type, firmware, wholeFields, written] : cases) {
        SCOPED_TRACE(testing::Message() << fileLength << " bytes, type " << type);
        TempFolder card;
        const QByteArray original = SetupCfgBuilder::pattern(fileLength);
        const QString path = card.write(kRecord, original);
        P820SettingManager manager = managerFor(card.path(), type, firmware);
        manager.setSerial_number(QStringLiteral("kept"));
        manager.setBattery_auto_set(7);
        manager.setSet_resolution(9);
        const QByteArray before = manager.record().bytes(SettingRecordLayout::kFieldCount);
        ASSERT_TRUE(manager.loadData());
        const QByteArray loaded = original.left(wholeFields) + before.mid(wholeFields);
        EXPECT_EQ(manager.record().bytes(SettingRecordLayout::kFieldCount), loaded);
        EXPECT_EQ(FileBytes::read(path), loaded.left(written));
    }
}

TEST(P820SettingRecord, NumbersAndTextAreEncodedAtTheirWidth)
{
    TempFolder card;
    P820SettingManager manager = managerFor(card.path(), 26);
    manager.setReserved(0x12345);
    manager.setGmt_offset(-480);
    manager.setAvn_onoff(0x1FF);
    manager.setProduct_name(QStringLiteral("aÄÄÄÄÄÄÄÄ")); // 17 bytes, cut at a character
    manager.setSerial_number(QString(9, QChar(0xC4)));    // 18 bytes
    manager.setTz_key(QString(40, QLatin1Char('z')));
    ASSERT_TRUE(manager.saveData());
    const QByteArray written = FileBytes::read(card.path(kRecord));
    ASSERT_EQ(written.size(), 596);
    EXPECT_EQ(written.mid(8, 16), QStringLiteral("aÄÄÄÄÄÄÄ").toUtf8() + '\0');
    EXPECT_EQ(written.mid(24, 16), QString(8, QChar(0xC4)).toUtf8());
    EXPECT_EQ(written.mid(50, 2), QByteArray("\x45\x23", 2));
    EXPECT_EQ(written.mid(372, 4), QByteArray("\x20\xFE\xFF\xFF", 4));
    EXPECT_EQ(written.mid(380, 36), QByteArray(32, 'z') + QByteArray(4, '\0'));
    EXPECT_EQ(written.at(595), '\xFF');
}

// A card without a record gets the model's defaults, or keeps the fields.
TEST(P820SettingRecord, NoRecordNoCardOrNoRecordLengthWritesNothing)
{
    TempFolder card;
    P820SettingManager p820 = managerFor(card.path(), 1);
    ASSERT_TRUE(p820.loadData());
    EXPECT_EQ(p820.product_name(), QStringLiteral("P820"));
    P820SettingManager v390 = managerFor(card.path(), 8);
    v390.setFront_resolution(2);
    ASSERT_TRUE(v390.loadData());
    EXPECT_EQ(v390.front_resolution(), 2);
    EXPECT_FALSE(managerFor(QString(), 1).saveData());
    EXPECT_FALSE(managerFor(card.path(), 29).saveData());
    // A card that went away is not recreated on the local disk.
    EXPECT_FALSE(managerFor(card.path(QStringLiteral("unplugged")), 1).saveData());
    EXPECT_TRUE(QDir(card.path()).isEmpty());
}

TEST(P820SettingRecord, SaveGoesWhereTheCardKeepsItsRecord)
{
    TempFolder card;
    const QString path = card.write(QStringLiteral("setting/setup.cfg"), QByteArray(432, '\0'));
    P820SettingManager onLowerCase = managerFor(card.path(), 0);
    onLowerCase.setFront_resolution(3);
    ASSERT_TRUE(onLowerCase.saveData());
    EXPECT_EQ(FileBytes::read(path).mid(52, 4), QByteArray("\x03\0\0\0", 4));
    EXPECT_EQ(FileBytes::entries(card.path()), QStringList{"setting"});
}

TEST(P820SettingRecord, FactoryFileFillsAsManyFieldsAsItHolds)
{
    TempFolder card;
    P820SettingManager manager = managerFor(card.path(), 5);
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_FALSE(managerFor(QString(), 5).loadDefaultDataFromDefaultCfgFile());

    // 432 bytes set fields 0 to 59 whatever the model; the rest stays.
    manager.setWdr(4);
    for (const int length : {0, 432, 596}) {
        const QByteArray factory = SetupCfgBuilder::pattern(length);
        QByteArray expected = manager.record().bytes(SettingRecordLayout::kFieldCount);
        expected.replace(0, length, factory);
        card.write(QStringLiteral("SETTING/default.cfg"), factory);
        ASSERT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
        EXPECT_EQ(manager.record().bytes(SettingRecordLayout::kFieldCount), expected) << length;
    }
}

TEST(P820SettingRecord, HeldManagerStaysUsableAfterAnotherIsInstalled)
{
    TempFolder card;
    // A settings editor holds the shared manager while it works.
    std::shared_ptr<P820SettingManager> held = P820SettingManager::SharedP820SettingManager();
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), held);
    held->setSettingDirPath(card.path());
    held->setModelType(5);

    // Meanwhile a reset installs a fresh one; the held one still works.
    const auto replacement = std::make_shared<P820SettingManager>();
    P820SettingManager::ChagneP820SettingManager(replacement);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), replacement);
    EXPECT_TRUE(held->saveData());
    EXPECT_EQ(FileBytes::read(card.path(kRecord)).size(), 508);

    // The last holder letting go ends it.
    const std::weak_ptr<P820SettingManager> watched = held;
    held.reset();
    EXPECT_TRUE(watched.expired());
    P820SettingManager::ChagneP820SettingManager(std::make_shared<P820SettingManager>());
}
