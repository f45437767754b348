#include "FileBytes.h"
#include "FolderListing.h"
#include "ReadOnlyCard.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/io/FileIO.h"
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

// Fields the file holds whole come from it, the rest keep their values, and
// the record is written back at the model's length.
TEST(P820SettingRecord, LoadRewritesTheRecordAtTheModelLength)
{
    const struct
    {
        int fileLength;
        qint64 type;
        int32_t firmware;
        int wholeFieldBytes; // where the last field the file holds whole ends
        int written;
    } cases[] = {
        {596, 26, 0, 596, 596}, {432, 5, 0, 432, 508},
        {596, 1, 0, 432, 432},  {504, 3, 16, 464, 464},
        {464, 3, 17, 464, 504}, {434, 5, 0, 432, 508}, // ends inside battery_auto_set
        {30, 1, 0, 24, 432},                           // ends inside serial_number
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileLength << " bytes, type " << c.type);
        TempFolder card;
        const QByteArray original = SetupCfgBuilder::pattern(c.fileLength);
        const QString path = card.write(kRecord, original);
        P820SettingManager manager = managerFor(card.path(), c.type, c.firmware);
        manager.setSerial_number(QStringLiteral("kept"));
        manager.setBattery_auto_set(7);
        manager.setWdr(-3);
        manager.setSet_resolution(9);
        const QByteArray before = manager.record().bytes(SettingRecordLayout::kFieldCount);
        ASSERT_TRUE(manager.loadData());
        const QByteArray loaded = original.left(c.wholeFieldBytes) + before.mid(c.wholeFieldBytes);
        EXPECT_EQ(manager.record().bytes(SettingRecordLayout::kFieldCount), loaded);
        EXPECT_EQ(FileBytes::read(path), loaded.left(c.written));
    }
}

TEST(P820SettingRecord, NumbersAndTextAreEncodedAtTheirWidth)
{
    TempFolder card;
    QDir(card.path()).mkdir(QStringLiteral("SETTING"));
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
    EXPECT_EQ(written.mid(380, 36), QByteArray(32, 'z') + little32(0));
    EXPECT_EQ(written.at(595), '\xFF');

    P820SettingManager reloaded = managerFor(card.path(), 26);
    ASSERT_EQ(reloaded.readRecordFromCard(), P820SettingManager::RecordRead::Read);
    EXPECT_EQ(reloaded.product_name(), QStringLiteral("aÄÄÄÄÄÄÄ"));
    EXPECT_EQ(reloaded.reserved(), 0x2345);
    EXPECT_EQ(reloaded.gmt_offset(), -480);
    EXPECT_EQ(reloaded.avn_onoff(), 255);
}

TEST(P820SettingRecord, CardWithoutRecordGetsDefaultsAndStaysUntouched)
{
    TempFolder card;
    P820SettingManager p820 = managerFor(card.path(), 1);
    ASSERT_TRUE(p820.loadData());
    EXPECT_EQ(p820.product_name(), QStringLiteral("P820"));
    P820SettingManager v390 = managerFor(card.path(), 8);
    v390.setFront_resolution(2);
    ASSERT_TRUE(v390.loadData());
    EXPECT_EQ(v390.front_resolution(), 2);
    EXPECT_TRUE(QDir(card.path()).isEmpty());
}

TEST(P820SettingRecord, SaveGoesWhereTheCardKeepsItsRecordOrNowhere)
{
    TempFolder card;
    EXPECT_FALSE(managerFor(QString(), 1).saveData());
    EXPECT_FALSE(managerFor(card.path(), 29).saveData());
    // A card that went away is not recreated on the local disk.
    EXPECT_FALSE(managerFor(card.path(QStringLiteral("unplugged")), 1).saveData());
    EXPECT_TRUE(QDir(card.path()).isEmpty());

    const QString path = card.write(QStringLiteral("setting/setup.cfg"), QByteArray(432, '\0'));
    P820SettingManager onLowerCase = managerFor(card.path(), 0);
    onLowerCase.setFront_resolution(3);
    ASSERT_TRUE(onLowerCase.saveData());
    EXPECT_EQ(FileBytes::read(path).mid(52, 4), little32(3));
    EXPECT_EQ(FolderListing::entries(card.path()), QStringList{"setting"});
}

TEST(P820SettingRecord, FailedSaveLeavesTheOldFileAsItWas)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << qPrintable(card.error()) << " (needs root to mount a read-only card)";
    const QByteArray original = SetupCfgBuilder(400).productName("P820").bytes();
    const QString path = QDir(card.path()).filePath(kRecord);
    ASSERT_TRUE(FileIO::saveToFile(path, original).ok());
    ASSERT_TRUE(card.makeReadOnly());

    P820SettingManager manager = managerFor(card.path(), 1);
    EXPECT_FALSE(manager.loadData()) << "the rewrite to 432 bytes cannot happen";
    EXPECT_EQ(manager.product_name(), QStringLiteral("P820"));
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(FileBytes::read(path), original);
    EXPECT_EQ(FolderListing::entries(QFileInfo(path).path()), QStringList{"setup.cfg"});
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
    EXPECT_FALSE(manager.saveFieldsInPlace({SettingField::front_resolution, SettingField::wdr}));
    EXPECT_EQ(FileBytes::read(path), cut);
}

TEST(P820SettingRecord, HeldManagerStaysUsableAfterAnotherIsInstalled)
{
    TempFolder card;
    // A settings editor holds the shared manager while it works.
    std::shared_ptr<P820SettingManager> held = P820SettingManager::SharedP820SettingManager();
    ASSERT_TRUE(held);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), held);
    held->setSettingDirPath(card.path());
    held->setModelType(5);

    // Meanwhile a reset installs a fresh one; the held one still works.
    const auto replacement = std::make_shared<P820SettingManager>();
    P820SettingManager::ChagneP820SettingManager(replacement);
    EXPECT_EQ(P820SettingManager::SharedP820SettingManager(), replacement);
    EXPECT_EQ(replacement->modelType(), -1);
    EXPECT_TRUE(held->saveData());
    EXPECT_EQ(FileBytes::read(card.path(kRecord)).size(), 508);

    // The last holder letting go ends it.
    const std::weak_ptr<P820SettingManager> watched = held;
    held.reset();
    EXPECT_TRUE(watched.expired());
    P820SettingManager::ChagneP820SettingManager(std::make_shared<P820SettingManager>());
}
