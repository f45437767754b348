#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/settings/P820SettingManager.h"

#include <QDir>
#include <QFileInfo>

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

QByteArray little32(int32_t value)
{
    return SetupCfgBuilder(4).int32At(0, value).bytes();
}

} // namespace

TEST(P820SettingRecord, WholeRecordRoundTripsByteForByte)
{
    // No zero byte anywhere: every text field is full, every number distinct.
    TempFolder card;
    const QByteArray original = SetupCfgBuilder::pattern(596);
    const QString path = card.write(kRecord, original);
    P820SettingManager manager = managerFor(card.path(), 26);
    ASSERT_TRUE(manager.loadData());
    EXPECT_EQ(FileBytes::read(path), original);

    EXPECT_EQ(little32(manager.checksum()), original.left(4));
    EXPECT_EQ(manager.reserved(), uint8_t(original[50]) | uint8_t(original[51]) << 8);
    EXPECT_EQ(manager.iot_onoff(), uint8_t(original[576]));
    EXPECT_EQ(manager.avn_onoff(), uint8_t(original[595]));
    EXPECT_EQ(little32(manager.cloud_onoff()), original.mid(572, 4));
}

TEST(P820SettingRecord, ShortFileFillsWhatItHoldsAndIsRewrittenAtModelLength)
{
    TempFolder card;
    const QByteArray original = SetupCfgBuilder::pattern(432);
    const QString path = card.write(kRecord, original);
    P820SettingManager manager = managerFor(card.path(), 5);
    manager.setBattery_auto_set(7);
    manager.setWdr(-3);
    manager.setSet_resolution(9);
    ASSERT_TRUE(manager.loadData());

    EXPECT_EQ(little32(manager.cur_language()), original.mid(428, 4));
    EXPECT_EQ(manager.battery_auto_set(), 7);
    EXPECT_EQ(manager.set_resolution(), 9);
    const QByteArray written = FileBytes::read(path);
    ASSERT_EQ(written.size(), 508);
    EXPECT_EQ(written.left(432), original);
    EXPECT_EQ(written.mid(432, 4), little32(7));
    EXPECT_EQ(written.mid(436, 4), little32(-3));
    EXPECT_EQ(written.mid(504, 4), little32(9));
}

TEST(P820SettingRecord, LongFileIsCutToModelLength)
{
    TempFolder card;
    const QByteArray original = SetupCfgBuilder::pattern(596);
    const QString path = card.write(kRecord, original);
    P820SettingManager manager = managerFor(card.path(), 1);
    ASSERT_TRUE(manager.loadData());
    EXPECT_EQ(FileBytes::read(path), original.left(432));
    EXPECT_EQ(manager.battery_auto_set(), 0) << "field 60 is not the P820's";
}

TEST(P820SettingRecord, V580FirmwareDecidesTheRecordLength)
{
    for (const auto &[version, length, expected] :
         {std::tuple{"1.0.16", 504, 464}, std::tuple{"1.0.17", 464, 504}}) {
        SCOPED_TRACE(version);
        TempFolder card;
        const QString path = card.write(
            kRecord, SetupCfgBuilder(length).productName("V580").version(version).bytes());
        P820SettingManager manager;
        manager.setSettingDirPath(card.path());
        manager.loadCardIdentity();
        ASSERT_EQ(manager.modelType(), 3);
        ASSERT_TRUE(manager.loadData());
        EXPECT_EQ(FileBytes::read(path).size(), expected);
    }
}

TEST(P820SettingRecord, FieldTheFileEndsInsideKeepsItsValue)
{
    TempFolder card;
    // 434 bytes end two bytes into battery_auto_set; 30 end inside serial_number.
    card.write(kRecord, SetupCfgBuilder::pattern(434));
    P820SettingManager manager = managerFor(card.path(), 5);
    manager.setBattery_auto_set(5);
    ASSERT_EQ(manager.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(manager.battery_auto_set(), 5);

    card.write(kRecord, SetupCfgBuilder(30).productName("P820").bytes());
    manager.setSerial_number(QStringLiteral("kept"));
    ASSERT_EQ(manager.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(manager.product_name(), QStringLiteral("P820"));
    EXPECT_EQ(manager.serial_number(), QStringLiteral("kept"));
}

TEST(P820SettingRecord, CardWithoutRecordGetsDefaultsAndStaysUntouched)
{
    TempFolder card;
    P820SettingManager p820 = managerFor(card.path(), 1);
    ASSERT_TRUE(p820.loadData());
    EXPECT_EQ(p820.product_name(), QStringLiteral("P820"));
    EXPECT_EQ(p820.checksum(), 432);
    EXPECT_TRUE(QDir(card.path()).isEmpty());

    P820SettingManager v390 = managerFor(card.path(), 8);
    v390.setFront_resolution(2);
    ASSERT_TRUE(v390.loadData());
    EXPECT_EQ(v390.front_resolution(), 2);
    EXPECT_TRUE(v390.product_name().isEmpty());
    EXPECT_TRUE(QDir(card.path()).isEmpty());
}

TEST(P820SettingRecord, TextIsCutAtACharacterBoundaryAndTheRecordNeverGrows)
{
    TempFolder card;
    QDir(card.path()).mkdir(QStringLiteral("SETTING"));
    P820SettingManager manager = managerFor(card.path(), 1);
    manager.setProduct_name(QStringLiteral("aÄÄÄÄÄÄÄÄ")); // 17 bytes
    manager.setSerial_number(QString(9, QChar(0xC4)));    // 18 bytes
    manager.setTz_key(QString(40, QLatin1Char('z')));
    ASSERT_TRUE(manager.saveData());
    const QByteArray written = FileBytes::read(card.path(kRecord));
    ASSERT_EQ(written.size(), 432);
    EXPECT_EQ(written.mid(8, 16), QStringLiteral("aÄÄÄÄÄÄÄ").toUtf8() + '\0');
    EXPECT_EQ(written.mid(24, 16), QString(8, QChar(0xC4)).toUtf8());
    EXPECT_EQ(written.mid(380, 32), QByteArray(32, 'z'));
    EXPECT_EQ(written.mid(412, 4), little32(0)) << "date_format after tz_key untouched";

    P820SettingManager reloaded = managerFor(card.path(), 1);
    ASSERT_EQ(reloaded.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(reloaded.product_name(), QStringLiteral("aÄÄÄÄÄÄÄ"));
    EXPECT_EQ(reloaded.tz_key(), QString(32, QLatin1Char('z')));
}

TEST(P820SettingRecord, NumbersAreStoredAtTheirWidth)
{
    TempFolder card;
    QDir(card.path()).mkdir(QStringLiteral("SETTING"));
    P820SettingManager manager = managerFor(card.path(), 26);
    manager.setReserved(0x12345);
    manager.setAvn_onoff(0x1FF);
    manager.setGmt_offset(-480);
    ASSERT_TRUE(manager.saveData());
    const QByteArray written = FileBytes::read(card.path(kRecord));
    ASSERT_EQ(written.size(), 596);
    EXPECT_EQ(written.mid(50, 2), QByteArray("\x45\x23", 2));
    EXPECT_EQ(written.mid(372, 4), QByteArray("\x20\xFE\xFF\xFF", 4));
    EXPECT_EQ(written.at(595), '\xFF');

    P820SettingManager reloaded = managerFor(card.path(), 26);
    ASSERT_EQ(reloaded.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(reloaded.reserved(), 0x2345);
    EXPECT_EQ(reloaded.avn_onoff(), 255);
    EXPECT_EQ(reloaded.gmt_offset(), -480);
}

TEST(P820SettingRecord, SaveRefusesWithoutCardOrRecordLength)
{
    TempFolder card;
    EXPECT_FALSE(managerFor(QString(), 1).saveData());
    EXPECT_FALSE(managerFor(card.path(), 29).saveData());
    EXPECT_TRUE(QDir(card.path()).isEmpty());
    // A card that went away is not recreated on the local disk.
    const QString gone = card.path(QStringLiteral("unplugged"));
    EXPECT_FALSE(managerFor(gone, 1).saveData());
    EXPECT_FALSE(QFileInfo::exists(gone));
}

TEST(P820SettingRecord, SaveGoesWhereTheCardKeepsItsRecord)
{
    TempFolder fresh;
    P820SettingManager manager = managerFor(fresh.path(), 0);
    manager.loadDefaultValue();
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(FileBytes::read(fresh.path(kRecord)).size(), 432);

    TempFolder lowerCase;
    const QString path = lowerCase.write(QStringLiteral("setting/setup.cfg"),
                                         SetupCfgBuilder(432).productName("R410").bytes());
    P820SettingManager onLowerCase = managerFor(lowerCase.path(), 0);
    ASSERT_TRUE(onLowerCase.loadData());
    onLowerCase.setFront_resolution(3);
    ASSERT_TRUE(onLowerCase.saveData());
    EXPECT_EQ(FileBytes::read(path).mid(52, 4), little32(3));
    EXPECT_FALSE(QFileInfo::exists(lowerCase.path(QStringLiteral("SETTING"))));
}

TEST(P820SettingRecord, FailedSaveLeavesTheOldFileAsItWas)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << qPrintable(card.error()) << " (needs root to mount a read-only card)";
    QDir(card.path()).mkdir(QStringLiteral("SETTING"));
    const QByteArray original = SetupCfgBuilder(400).productName("P820").bytes();
    const QString path = QDir(card.path()).filePath(kRecord);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(original), original.size());
    }
    ASSERT_TRUE(card.makeReadOnly());

    P820SettingManager manager = managerFor(card.path(), 1);
    EXPECT_FALSE(manager.loadData()) << "the rewrite to 432 bytes cannot happen";
    EXPECT_EQ(manager.product_name(), QStringLiteral("P820"));
    manager.setFront_resolution(1);
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(FileBytes::read(path), original);
    EXPECT_EQ(QDir(card.path() + QStringLiteral("/SETTING"))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("setup.cfg")});
}

TEST(P820SettingRecord, FactoryFileFillsAsManyFieldsAsItHolds)
{
    TempFolder card;
    P820SettingManager manager = managerFor(card.path(), 5);
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_FALSE(managerFor(QString(), 5).loadDefaultDataFromDefaultCfgFile());

    card.write(QStringLiteral("SETTING/default.cfg"), QByteArray());
    manager.setFront_resolution(2);
    EXPECT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.front_resolution(), 2);

    // 432 bytes set fields 0 to 59 whatever the model; the rest stays.
    const QByteArray p820 = SetupCfgBuilder::pattern(432);
    card.write(QStringLiteral("SETTING/default.cfg"), p820);
    manager.setWdr(4);
    ASSERT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(little32(manager.cur_language()), p820.mid(428, 4));
    EXPECT_EQ(manager.wdr(), 4);

    const QByteArray full = SetupCfgBuilder::pattern(596);
    card.write(QStringLiteral("SETTING/default.cfg"), full);
    ASSERT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.avn_onoff(), uint8_t(full[595]));
    EXPECT_EQ(manager.record().bytes(116), full);
}

TEST(P820SettingRecord, FieldsSavedInPlaceKeepTheFileLengthAndEveryOtherByte)
{
    TempFolder card;
    const QByteArray original = SetupCfgBuilder::pattern(640);
    const QString path = card.write(kRecord, original);
    P820SettingManager manager = managerFor(card.path(), 24);
    ASSERT_EQ(manager.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    manager.setFront_resolution(3);
    manager.setTz_key(QStringLiteral("Seoul"));
    manager.setRear_quality(7); // changed but not named: the card's bytes stay
    ASSERT_TRUE(manager.saveFieldsInPlace({SettingField::front_resolution, SettingField::tz_key}));
    QByteArray expected = original;
    expected.replace(52, 4, little32(3));
    expected.replace(380, 32, QByteArray("Seoul").leftJustified(32, '\0'));
    EXPECT_EQ(FileBytes::read(path), expected);

    // A field past the end of the card's record writes nothing.
    const QByteArray cut = original.left(300);
    card.write(kRecord, cut);
    ASSERT_EQ(manager.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_FALSE(manager.saveFieldsInPlace({SettingField::front_resolution, SettingField::wdr}));
    EXPECT_EQ(FileBytes::read(path), cut);
}
