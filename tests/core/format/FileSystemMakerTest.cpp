#include "LoopCard.h"
#include "TempFolder.h"

#include "core/format/FileSystemMaker.h"
#include "core/format/SystemTool.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct MakerCase
{
    QString fsType;
    QString label;
    QString program;
    QStringList arguments;
};

TEST(FileSystemMaker, KeepsTheLabelWithEachProgramsOwnFlag)
{
    const MakerCase cases[] = {
        {"vfat", "TORVA", "mkfs.vfat", {"-n", "TORVA", "/dev/sdb1"}},
        {"vfat", "", "mkfs.vfat", {"/dev/sdb1"}},
        {"exfat", "My Card", "mkfs.exfat", {"-L", "My Card", "/dev/sdb1"}},
        {"ext4",
         "TORVA",
         "mkfs.ext4",
         {"-F", "-L", "TORVA", "-E", "root_owner=1000:100", "/dev/sdb1"}},
        {"ext3", "", "mkfs.ext3", {"-F", "-E", "root_owner=1000:100", "/dev/sdb1"}},
        {"ext2", "-L", "mkfs.ext2", {"-F", "-L", "-L", "-E", "root_owner=1000:100", "/dev/sdb1"}},
        {"btrfs", "TORVA", "", {}},
        {"msdos", "TORVA", "", {}},
    };
    for (const MakerCase &row : cases) {
        SCOPED_TRACE(qPrintable(row.fsType));
        EXPECT_EQ(FileSystemMaker::program(row.fsType), row.program);
        EXPECT_EQ(FileSystemMaker::arguments(row.fsType, "/dev/sdb1", row.label, "1000:100"),
                  row.arguments);
    }
}

TEST(FileSystemMaker, MakesEachTypeWithItsLabelOnAnImage)
{
    for (const char *type : {"vfat", "exfat", "ext4"}) {
        SCOPED_TRACE(type);
        const QString program = FileSystemMaker::program(type);
        if (SystemTool::find(program).isEmpty())
            GTEST_SKIP() << qPrintable(program) << " is not installed";
        const TempFolder folder;
        const QString image = folder.path("card.img");
        QFile file(image);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(64 * 1024 * 1024));
        file.close();
        const SystemTool::Run make = SystemTool::run(
            program, FileSystemMaker::arguments(type, image, "TORVA_CARD", "1000:100"));
        ASSERT_TRUE(make.ok()) << qPrintable(make.output);
        EXPECT_EQ(LoopCard::probe(image, "TYPE"), type);
        EXPECT_EQ(LoopCard::probe(image, "LABEL"), "TORVA_CARD");
    }
}

} // namespace
