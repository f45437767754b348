#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/settings/CardVolumes.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings/SetupCfgIdentity.h"
#include "core/video/Utils.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kRecord = QStringLiteral("SETTING/setup.cfg");

qint64 modelTypeOf(const QByteArray &setupCfg, bool withBlackbox = false)
{
    TempFolder card;
    card.write(kRecord, setupCfg);
    if (withBlackbox)
        card.write(QStringLiteral("SETTING/blackbox.cfg"), "model=V120\r\n");
    P820SettingManager manager;
    return manager.loadModelTypeWithSDPath(card.path());
}

// Points the volume list at a folder of stand-in volumes for one test.
class StandInVolumes
{
public:
    StandInVolumes() { qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(m_folder.path())); }
    ~StandInVolumes() { qunsetenv("TORVA_VOLUMES_DIR"); }
    TempFolder &folder() { return m_folder; }

private:
    TempFolder m_folder;
};

} // namespace

TEST(CardIdentity, ProductNameNamesTheModel)
{
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("P820").bytes()), 1);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("p820").bytes()), 1);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("360").bytes()), 2);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("R410").bytes()), 0);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(516).productName("QT-K4-ZN").bytes()), 19);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(593).productName("cam-p230").bytes()), 25);
    // Names are compared whole; the user-chosen models have no record name.
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("P8200").bytes()), -1);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("V580 UK").bytes()), -1);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("CAM-J420").bytes()), -1);
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("V120").bytes()), -1);
    // A recognised record outranks the compact model's text file.
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(432).productName("V390").bytes(), true), 8);
}

TEST(CardIdentity, SelfDescribingRecordIsTheNamelessModel)
{
    TempFolder card;
    card.write(kRecord, SetupCfgBuilder(596).productName("Cam-X900").selfDescribing().bytes());
    P820SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 26);
    EXPECT_EQ(manager.modelName(), QStringLiteral("Cam-X900"));

    // The same name in a file of another length is no record at all.
    const QByteArray wrongLength =
        SetupCfgBuilder(597).productName("Cam-X900").int32At(0, 596).bytes();
    EXPECT_EQ(modelTypeOf(wrongLength), -1);
    EXPECT_EQ(modelTypeOf(wrongLength, true), 6);
    // Too short to hold a product name: not a record.
    EXPECT_EQ(modelTypeOf(SetupCfgBuilder(20).selfDescribing().bytes()), -1);
}

TEST(CardIdentity, CompactModelAndEmptyCards)
{
    TempFolder compact;
    compact.write(QStringLiteral("SETTING/blackbox.cfg"), "model=V120\r\n");
    P820SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(compact.path()), 6);

    TempFolder lowerCase;
    lowerCase.write(QStringLiteral("setting/blackbox.cfg"), "");
    EXPECT_EQ(manager.loadModelTypeWithSDPath(lowerCase.path()), 6);

    TempFolder empty;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(empty.path()), -1);
    EXPECT_EQ(manager.loadModelTypeWithSDPath(QString()), -1);
    empty.write(QStringLiteral("SETTING/setup.cfg/inside"), "a folder named like the record");
    EXPECT_EQ(manager.loadModelTypeWithSDPath(empty.path()), -1);
}

TEST(CardIdentity, LowerCaseSettingFolderIsLookedAtFirst)
{
    TempFolder card;
    card.write(QStringLiteral("setting/setup.cfg"),
               SetupCfgBuilder(432).productName("V360").bytes());
    card.write(kRecord, SetupCfgBuilder(432).productName("P820").bytes());
    P820SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 2);
}

TEST(CardIdentity, LocalIDVersionAndFirmware)
{
    TempFolder card;
    P820SettingManager manager;
    manager.setSettingDirPath(card.path());
    manager.setLocalID(2);

    card.write(kRecord,
               SetupCfgBuilder(504).productName("V580").version("1.0.17").localID(3).bytes());
    manager.loadCardIdentity();
    EXPECT_EQ(manager.modelType(), 3);
    EXPECT_EQ(manager.localID(), 3);
    EXPECT_EQ(manager.version(), QStringLiteral("1.0.17"));
    EXPECT_EQ(manager.firmwareVersionInt(), 17);

    // Out of range: -1, and the known id stays.
    card.write(kRecord,
               SetupCfgBuilder(504).productName("V580").version("2.16").localID(7).bytes());
    manager.loadCardIdentity();
    EXPECT_EQ(manager.loadLocalIDWithSDPath(card.path()), -1);
    EXPECT_EQ(manager.localID(), 3);
    EXPECT_EQ(manager.firmwareVersionInt(), 16);

    // Other models never read the local id.
    card.write(kRecord, SetupCfgBuilder(508).productName("P940").localID(5).bytes());
    manager.loadCardIdentity();
    EXPECT_EQ(manager.localID(), 3);

    card.write(kRecord, SetupCfgBuilder(463).productName("V580").localID(1).version("1.5").bytes());
    EXPECT_EQ(manager.loadLocalIDWithSDPath(card.path()), -1);
    EXPECT_EQ(manager.loadLocalIDWithSDPath(QString()), -1);
    EXPECT_EQ(manager.loadVersionSDPath(card.path()), QStringLiteral("1.5"));

    card.write(kRecord, SetupCfgBuilder(47).productName("V580").version("1.0.17").bytes());
    manager.loadCardIdentity();
    EXPECT_TRUE(manager.version().isNull());
    EXPECT_EQ(manager.firmwareVersionInt(), 0);
    // Part of the version field present: no version either.
    card.write(kRecord, SetupCfgBuilder(49).productName("V580").version("1.0.17").bytes());
    EXPECT_TRUE(manager.loadVersionSDPath(card.path()).isNull());
}

TEST(CardIdentity, FirmwareNumberIsTheLastVersionPiece)
{
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1.0.17")), 17);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("17")), 17);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1.0.17b")), 17);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1.0.")), 0);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1.0.x9")), 0);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QString()), 0);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1. -3")), -3);
    EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QStringLiteral("1.99999999999")), 2147483647);
}

TEST(CardIdentity, FirstRemovableVolumeWithACameraIsTheCard)
{
    StandInVolumes volumes;
    TempFolder &folder = volumes.folder();
    QDir(folder.path()).mkdir(QStringLiteral("a-empty"));
    folder.write(QStringLiteral("b-p820/SETTING/setup.cfg"),
                 SetupCfgBuilder(432).productName("P820").bytes());
    folder.write(QStringLiteral("c-v360/SETTING/setup.cfg"),
                 SetupCfgBuilder(432).productName("V360").bytes());
    folder.write(QStringLiteral("not-a-volume.txt"), "x");

    P820SettingManager manager;
    manager.setSettingDirPath(QStringLiteral("/somewhere/the/user/picked"));
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), folder.path(QStringLiteral("b-p820")));
    EXPECT_EQ(manager.sdcard_url(), QUrl::fromLocalFile(folder.path(QStringLiteral("b-p820"))));
    EXPECT_EQ(manager.modelType(), 1);

    QDir(folder.path(QStringLiteral("b-p820"))).removeRecursively();
    QDir(folder.path(QStringLiteral("c-v360"))).removeRecursively();
    manager.loadVersionInfo();
    EXPECT_TRUE(manager.settingDirPath().isNull());
    EXPECT_TRUE(manager.sdcard_url().isEmpty());
    EXPECT_EQ(manager.modelType(), -1);
}

TEST(CardIdentity, RemovableVolumeTest)
{
    TempFolder elsewhere;
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(elsewhere.path())));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl(QStringLiteral("https://example.com/card"))));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl()));

    StandInVolumes volumes;
    volumes.folder().write(QStringLiteral("CARD/DCIM/a.avi"), "x");
    const QString card = volumes.folder().path(QStringLiteral("CARD"));
    EXPECT_TRUE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(card)));
    EXPECT_TRUE(
        Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(card + QStringLiteral("/DCIM"))));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(volumes.folder().path())));
    EXPECT_FALSE(
        Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(card + QStringLiteral("/gone"))));
    EXPECT_EQ(CardVolumes::mountedVolumes(), QStringList{card});
}

TEST(CardIdentity, BlockDevicesOnRemovableOrUsbOrMmcBuses)
{
    // A sysfs tree in miniature: class/block links into devices/.
    TempFolder sys;
    const auto disk = [&](const QString &devicePath, const QByteArray &removable) {
        sys.write(devicePath + QStringLiteral("/removable"), removable);
    };
    const auto partition = [&](const QString &name, const QString &devicePath) {
        sys.write(devicePath + QStringLiteral("/partition"), "1\n");
        QDir(sys.path()).mkpath(QStringLiteral("class/block"));
        QFile::link(sys.path(devicePath), sys.path(QStringLiteral("class/block/") + name));
    };
    disk(QStringLiteral("devices/pci0/ata1/block/sda"), "0\n");
    partition(QStringLiteral("sda1"), QStringLiteral("devices/pci0/ata1/block/sda/sda1"));
    disk(QStringLiteral("devices/pci0/ata2/block/sdb"), "1\n");
    partition(QStringLiteral("sdb1"), QStringLiteral("devices/pci0/ata2/block/sdb/sdb1"));
    disk(QStringLiteral("devices/pci0/usb2/2-1/block/sdc"), "0\n");
    partition(QStringLiteral("sdc1"), QStringLiteral("devices/pci0/usb2/2-1/block/sdc/sdc1"));
    disk(QStringLiteral("devices/platform/mmc_host/mmc0/block/mmcblk0"), "0\n");
    partition(QStringLiteral("mmcblk0p1"),
              QStringLiteral("devices/platform/mmc_host/mmc0/block/mmcblk0/mmcblk0p1"));

    const QString classBlock = sys.path(QStringLiteral("class/block"));
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sda1")));
    EXPECT_TRUE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sdb1")));
    EXPECT_TRUE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sdc1")));
    EXPECT_TRUE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("mmcblk0p1")));
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sdz9")));
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("../sda1")));
}
