#include "LoopCard.h"
#include "TempFolder.h"

#include "core/format/FileSystemMaker.h"
#include "core/format/SystemTool.h"

#include <gtest/gtest.h>

namespace {

TEST(FileSystemMaker, MakesEachTypeWithItsLabelOnAnImage)
{
    for (const char *type : {"vfat", "exfat", "ext4"}) {
        SCOPED_TRACE(type);
        const QString program = FileSystemMaker::program(type);
        if (SystemTool::find(program).isEmpty())
            GTEST_SKIP() << qPrintable(program) << " is not installed";
        const TempFolder folder;
        const QString image = folder.path("card.img");
        ASSERT_TRUE(LoopCard::makeImage(image));
        const SystemTool::Run make = SystemTool::run(
            program, FileSystemMaker::arguments(type, image, "TORVA_CARD", "1000:100"));
        ASSERT_TRUE(make.ok()) << qPrintable(make.output);
        EXPECT_EQ(LoopCard::probe(image, "TYPE"), type);
        EXPECT_EQ(LoopCard::probe(image, "LABEL"), "TORVA_CARD");
    }
}

} // namespace
