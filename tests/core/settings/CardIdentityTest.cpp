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

QByteArray record(const char *productName, int length = 432)
{
    return SetupCfgBuilder(length).productName(productName).bytes();
}

using Files = QList<std::pair<QString, QByteArray>>;

qint64 modelTypeOf(const Files &files)
{
    TempFolder card;
    for (const auto &[name, bytes] : files)
        card.write(name, bytes);
    return P820SettingManager().loadModelTypeWithSDPath(card.path());
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
    // Names are compared whole; the user-chosen models (V580 UK, V120, CAM-J420)
    // have no record name.
    const std::tuple<const char *, int, qint64> cases[] = {
        {"P820", 432, 1},      {"p820", 432, 1},      {"360", 432, 2},    {"R410", 432, 0},
        {"QT-K4-ZN", 516, 19}, {"cam-p230", 593, 25}, {"P8200", 432, -1}, {"V580 UK", 432, -1},
        {"CAM-J420", 432, -1}, {"V120", 432, -1}};
    for (const auto &[name, length, type] : cases)
        EXPECT_EQ(modelTypeOf({{kRecord, record(name, length)}}), type) << name;
}

TEST(CardIdentity, SetupFilesDecideTheModel)
{
    const QByteArray wrongLength =
        SetupCfgBuilder(597).productName("Cam-X900").int32At(0, 596).bytes();
    const QString blackbox = QStringLiteral("SETTING/blackbox.cfg");
    const struct
    {
        Files files;
        qint64 type;
    } cases[] = {
        // A recognised record outranks the compact model's text file.
        {{{kRecord, record("V390")}, {blackbox, "model=V120\r\n"}}, 8},
        // A self-describing record must be as long as it says.
        {{{kRecord, wrongLength}}, -1},
        {{{kRecord, wrongLength}, {blackbox, "model=V120\r\n"}}, 6},
        {{{kRecord, SetupCfgBuilder(20).selfDescribing().bytes()}}, -1},
        {{{"setting/blackbox.cfg", ""}}, 6},
        // The lower-case folder is looked at first.
        {{{"setting/setup.cfg", record("V360")}, {kRecord, record("P820")}}, 2},
        {{{"SETTING/setup.cfg/inside", "a folder named like the record"}}, -1},
        {{}, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(modelTypeOf(c.files), c.type) << qPrintable(c.files.value(0).first);
    EXPECT_EQ(P820SettingManager().loadModelTypeWithSDPath(QString()), -1);

    TempFolder card;
    card.write(kRecord, SetupCfgBuilder(596).productName("Cam-X900").selfDescribing().bytes());
    P820SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 26);
    EXPECT_EQ(manager.modelName(), QStringLiteral("Cam-X900"));
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

    // A record that ends inside a field has no value for it.
    card.write(kRecord, SetupCfgBuilder(463).productName("V580").localID(1).version("1.5").bytes());
    EXPECT_EQ(manager.loadLocalIDWithSDPath(card.path()), -1);
    EXPECT_EQ(manager.loadLocalIDWithSDPath(QString()), -1);
    EXPECT_EQ(manager.loadVersionSDPath(card.path()), QStringLiteral("1.5"));
    card.write(kRecord, SetupCfgBuilder(47).productName("V580").version("1.0.17").bytes());
    manager.loadCardIdentity();
    EXPECT_TRUE(manager.version().isNull());
    EXPECT_EQ(manager.firmwareVersionInt(), 0);
    card.write(kRecord, SetupCfgBuilder(49).productName("V580").version("1.0.17").bytes());
    EXPECT_TRUE(manager.loadVersionSDPath(card.path()).isNull());
}

TEST(CardIdentity, FirmwareNumberIsTheLastVersionPiece)
{
    const std::pair<const char *, int32_t> cases[] = {
        {"1.0.17", 17}, {"17", 17}, {"1.0.17b", 17}, {"1.0.", 0},
        {"1.0.x9", 0},  {"", 0},    {"1. -3", -3},   {"1.99999999999", 2147483647}};
    for (const auto &[version, number] : cases)
        EXPECT_EQ(SetupCfgIdentity::firmwareVersionInt(QString::fromLatin1(version)), number)
            << version;
}

TEST(CardIdentity, FirstRemovableVolumeWithACameraIsTheCard)
{
    StandInVolumes volumes;
    TempFolder &folder = volumes.folder();
    QDir(folder.path()).mkdir(QStringLiteral("a-empty"));
    folder.write(QStringLiteral("b-p820/SETTING/setup.cfg"), record("P820"));
    folder.write(QStringLiteral("c-v360/SETTING/setup.cfg"), record("V360"));
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

TEST(CardIdentity, OnlyPathsBelowAStandInVolumeAreRemovable)
{
    TempFolder elsewhere;
    StandInVolumes volumes;
    volumes.folder().write(QStringLiteral("CARD/DCIM/a.avi"), "x");
    const QString card = volumes.folder().path(QStringLiteral("CARD"));
    const std::pair<QUrl, bool> cases[] = {
        {QUrl::fromLocalFile(elsewhere.path()), false},
        {QUrl(QStringLiteral("https://example.com/card")), false},
        {QUrl(), false},
        {QUrl::fromLocalFile(card), true},
        {QUrl::fromLocalFile(card + QStringLiteral("/DCIM")), true},
        {QUrl::fromLocalFile(volumes.folder().path()), false},
        {QUrl::fromLocalFile(card + QStringLiteral("/gone")), false},
    };
    for (const auto &[url, removable] : cases)
        EXPECT_EQ(Utils::isEXteranlMemoryWithURL(url), removable) << qPrintable(url.toString());
    EXPECT_EQ(CardVolumes::mountedVolumes(), QStringList{card});
}

TEST(CardIdentity, BlockDevicesOnRemovableOrUsbOrMmcBuses)
{
    // A sysfs tree in miniature: class/block links to partitions in devices/.
    const struct
    {
        const char *disk;
        const char *removable;
        const char *partition;
        bool expected;
    } cases[] = {
        {"devices/pci0/ata1/block/sda", "0\n", "sda1", false},
        {"devices/pci0/ata2/block/sdb", "1\n", "sdb1", true},
        {"devices/pci0/usb2/2-1/block/sdc", "0\n", "sdc1", true},
        {"devices/platform/mmc_host/mmc0/block/mmcblk0", "0\n", "mmcblk0p1", true},
    };
    TempFolder sys;
    const QString classBlock = sys.path(QStringLiteral("class/block"));
    QDir().mkpath(classBlock);
    for (const auto &c : cases) {
        const QString partition = QString::fromLatin1(c.disk) + '/' + c.partition;
        sys.write(QString::fromLatin1(c.disk) + QStringLiteral("/removable"), c.removable);
        sys.write(partition + QStringLiteral("/partition"), "1\n");
        QFile::link(sys.path(partition), classBlock + '/' + c.partition);
    }
    for (const auto &c : cases)
        EXPECT_EQ(CardVolumes::isRemovableBlockDevice(classBlock, c.partition), c.expected)
            << c.partition;
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sdz9")));
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("../sda1")));
}
