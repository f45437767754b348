#include "SetupCfgBuilder.h"
#include "TempFolder.h"

#include "core/settings/CameraLanguages.h"
#include "core/settings/CardFolder.h"
#include "core/settings/CardVolumes.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings/SetupCfgIdentity.h"
#include "core/video/Utils.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

namespace {

const QString kRecord = QStringLiteral("SETTING/setup.cfg");
using Files = QList<std::pair<QString, QByteArray>>;
using Languages = QList<CameraLanguage>;

QByteArray record(const char *productName, int length = 432)
{
    return SetupCfgBuilder(length).productName(productName).bytes();
}

qint64 modelTypeOf(const Files &files)
{
    TempFolder card;
    for (const auto &[name, bytes] : files)
        card.write(name, bytes);
    return P820SettingManager().loadModelTypeWithSDPath(card.path());
}

CameraLanguage lang(int index, const char *code)
{
    return {index, QString::fromUtf8(code)};
}

} // namespace

TEST(CardIdentity, ProductNameNamesTheModel)
{
    // Names are compared whole; user-chosen models (V580 UK, V120, CAM-J420) have none.
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
    const std::pair<Files, qint64> cases[] = {
        // A recognised record outranks the compact model's text file.
        {{{kRecord, record("V390")}, {blackbox, "model=V120\r\n"}}, 8},
        // A self-describing record must be as long as it says.
        {{{kRecord, SetupCfgBuilder(596).productName("X9").selfDescribing().bytes()}}, 26},
        {{{kRecord, wrongLength}}, -1},
        {{{kRecord, wrongLength}, {blackbox, "model=V120\r\n"}}, 6},
        {{{kRecord, SetupCfgBuilder(20).selfDescribing().bytes()}}, -1},
        {{{"setting/blackbox.cfg", ""}}, 6},
        // The lower-case folder is looked at first.
        {{{"setting/setup.cfg", record("V360")}, {kRecord, record("P820")}}, 2},
        {{{"SETTING/setup.cfg/inside", "a folder named like the record"}}, -1},
        {{}, -1},
    };
    for (const auto &[files, type] : cases)
        EXPECT_EQ(modelTypeOf(files), type) << qPrintable(files.value(0).first);
    EXPECT_EQ(P820SettingManager().loadModelTypeWithSDPath(QString()), -1);
}

// One card after another: the local id is the V580's alone and a known one
// stays; a record that ends inside a field has no value for it.
TEST(CardIdentity, LocalIDVersionAndFirmware)
{
    const std::tuple<int, const char *, const char *, int32_t, qint64, qint64, const char *,
                     int32_t>
        cases[] = {
            // length, name, version, local id; model type, known id, version read, firmware
            {504, "V580", "1.0.17", 3, 3, 3, "1.0.17", 17},
            {504, "V580", "2.16", 7, 3, 3, "2.16", 16},
            {504, "V580", "", 6, 3, 6, "", 0},
            {508, "P940", "3", 5, 5, 6, "3", 3},
            {463, "V580", "1.5", 1, 3, 6, "1.5", 5},
            {49, "V580", "1.0.17", 1, 3, 6, nullptr, 0},
        };
    TempFolder card;
    P820SettingManager manager;
    manager.setSettingDirPath(card.path());
    manager.setLocalID(2);
    for (const auto &[length, name, version, localID, type, knownID, readVersion, firmware] :
         cases) {
        SCOPED_TRACE(length);
        card.write(
            kRecord,
            SetupCfgBuilder(length).productName(name).version(version).localID(localID).bytes());
        manager.loadCardIdentity();
        EXPECT_EQ(manager.modelType(), type);
        EXPECT_EQ(manager.localID(), knownID);
        EXPECT_EQ(manager.version(), QString::fromLatin1(readVersion));
        EXPECT_EQ(manager.version().isNull(), readVersion == nullptr);
        EXPECT_EQ(manager.firmwareVersionInt(), firmware);
    }
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

TEST(CardIdentity, OnlyPathsBelowAStandInVolumeAreRemovable)
{
    TempFolder elsewhere;
    TempFolder volumes;
    qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(volumes.path()));
    const auto unset = qScopeGuard([] { qunsetenv("TORVA_VOLUMES_DIR"); });
    volumes.write(QStringLiteral("CARD/DCIM/a.avi"), "x");
    const QString card = volumes.path(QStringLiteral("CARD"));
    const std::pair<QUrl, bool> cases[] = {
        {QUrl::fromLocalFile(elsewhere.path()), false},
        {QUrl(QStringLiteral("https://example.com/card")), false},
        {QUrl(), false},
        {QUrl::fromLocalFile(card + QStringLiteral("/DCIM")), true},
        {QUrl::fromLocalFile(volumes.path()), false},
        {QUrl::fromLocalFile(card + QStringLiteral("/gone")), false},
    };
    for (const auto &[url, removable] : cases)
        EXPECT_EQ(Utils::isEXteranlMemoryWithURL(url), removable) << qPrintable(url.toString());
    EXPECT_EQ(CardVolumes::mountedVolumes(), QStringList{card});
}

TEST(CardIdentity, BlockDevicesOnRemovableOrUsbOrMmcBuses)
{
    // A sysfs tree in miniature: class/block links to partitions in devices/.
    const std::tuple<const char *, const char *, const char *, bool> cases[] = {
        {"devices/pci0/ata1/block/sda", "0\n", "sda1", false},
        {"devices/pci0/ata2/block/sdb", "1\n", "sdb1", true},
        {"devices/pci0/usb2/2-1/block/sdc", "0\n", "sdc1", true},
        {"devices/platform/mmc_host/mmc0/block/mmcblk0", "0\n", "mmcblk0p1", true},
    };
    TempFolder sys;
    const QString classBlock = sys.path(QStringLiteral("class/block"));
    QDir().mkpath(classBlock);
    for (const auto &[disk, removable, partition, expected] : cases) {
        sys.write(QString::fromLatin1(disk) + QStringLiteral("/removable"), removable);
        sys.write(QString::fromLatin1(disk) + '/' + partition + QStringLiteral("/partition"), "1");
        QFile::link(sys.path(QString::fromLatin1(disk) + '/' + partition),
                    classBlock + '/' + partition);
    }
    for (const auto &[disk, removable, partition, expected] : cases)
        EXPECT_EQ(CardVolumes::isRemovableBlockDevice(classBlock, partition), expected) << disk;
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("sdz9")));
    EXPECT_FALSE(CardVolumes::isRemovableBlockDevice(classBlock, QStringLiteral("../sda1")));
}

// Which spelling each order takes, on a case-sensitive copy of a card.
TEST(CardFolder, EachOrderFindsItsSpellingFirst)
{
    const std::tuple<QStringList, QString, QString> cases[] = {
        // on the card; lower case first; upper case first
        {{}, "SETTING/a.cfg", "SETTING/a.cfg"},
        {{"setting/a.cfg"}, "setting/a.cfg", "setting/a.cfg"},
        {{"SETTING/a.cfg"}, "SETTING/a.cfg", "SETTING/a.cfg"},
        {{"setting/a.cfg", "SETTING/a.cfg"}, "setting/a.cfg", "SETTING/a.cfg"},
        // A new file: only the upper-case-first rule follows a lower-case folder.
        {{"setting/b.cfg"}, "SETTING/a.cfg", "setting/a.cfg"},
        {{"setting/b.cfg", "SETTING/b.cfg"}, "SETTING/a.cfg", "SETTING/a.cfg"},
    };
    for (const auto &[onCard, lowerFirst, upperFirst] : cases) {
        TempFolder card;
        for (const QString &file : onCard)
            card.write(file, "x");
        const QDir root(card.path());
        EXPECT_EQ(CardFolder::settingFile(root.path(), "a.cfg", CardFolder::Order::LowerCaseFirst),
                  root.filePath(lowerFirst))
            << qPrintable(onCard.join(' '));
        EXPECT_EQ(CardFolder::settingFile(root.path(), "a.cfg", CardFolder::Order::UpperCaseFirst),
                  root.filePath(upperFirst))
            << qPrintable(onCard.join(' '));
    }
    EXPECT_TRUE(CardFolder::settingFile(QString(), QStringLiteral("a.cfg")).isEmpty());
}

TEST(CameraLanguages, CodesAreNumberedPerLine)
{
    const std::pair<QByteArray, Languages> cases[] = {
        {"#  Language ISO Code:en fr es", {lang(0, "en"), lang(1, "fr"), lang(2, "es")}},
        // Every separator counts, so a blank after the colon gives an empty code.
        {"# Language ISO Code: en", {lang(0, ""), lang(1, "en")}},
        {"# Language ISO Code:   ", {lang(0, ""), lang(1, "")}},
        {"# Language ISO Code:ko\t\tja  \r", {lang(0, "ko"), lang(1, ""), lang(2, "ja")}},
        // Lines are appended in file order; other lines are ignored.
        {"FW 1.0.17\r\n# Language ISO Code:en ko\r\nbuild 3\nx # Language ISO Code:pt\n",
         {lang(0, "en"), lang(1, "ko"), lang(0, "pt")}},
        // Nothing to find: no blank after "#", no codes, other case, not UTF-8.
        {"", {}},
        {"#Language ISO Code:en", {}},
        {"# Language ISO Code:", {}},
        {"# language iso code:en", {}},
        {"# Language ISO Code:en \xff\n", {}},
    };
    for (const auto &[verDat, expected] : cases)
        EXPECT_EQ(CameraLanguages::parseVerDat(verDat), expected) << verDat.constData();
}

// No card, no file, a file without codes: the fixed list.
TEST(CameraLanguages, ManagerFallsBackToTheFixedList)
{
    const Languages fixed{lang(0, "en"), lang(1, "fr"), lang(4, "es")};
    const std::pair<QByteArray, Languages> cases[] = {
        {{}, fixed},
        {{}, fixed},
        {"#\tLanguage ISO Code:ko en\n", {lang(0, "ko"), lang(1, "en")}},
        {"version 3\n", fixed},
    };
    TempFolder card;
    P820SettingManager manager;
    for (const auto &[verDat, expected] : cases) {
        if (!verDat.isNull())
            card.write(QStringLiteral("SETTING/lang/ver.dat"), verDat);
        manager.loadLanguages();
        EXPECT_EQ(manager.languages(), expected) << verDat.constData();
        manager.setSettingDirPath(card.path());
    }
}
