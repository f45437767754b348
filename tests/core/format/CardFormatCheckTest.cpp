#include "LoopCard.h"
#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/format/CardFormatCheck.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Refusal = CardFormatCheck::Refusal;

// The system's own mounts, on devices no machine has.
const QString kSystem = QStringLiteral("1 0 259:90 / / rw - ext4 /dev/sdy1 rw\n"
                                       "2 1 259:95 / /home rw - ext4 /dev/sdx2 rw\n");

struct TableCase
{
    const char *what;
    // Mount lines with @CARD for the card's folder.
    QString mounts;
    bool amongVolumes;
    Refusal refusal;
};

TEST(CardFormatCheck, RefusesWhatIsNotTheWholeVolumeOfAFormattableCard)
{
    const TableCase cases[] = {
        {"a plain folder", "", true, Refusal::NotMountPoint},
        {"a folder of a volume bound here", "3 1 259:91 /DCIM @CARD rw - ext4 /dev/sdz1 rw", true,
         Refusal::NotWholeVolume},
        {"the volume of /", "3 1 259:90 / @CARD rw - ext4 /dev/sdy1 rw", true, Refusal::SystemDisk},
        {"the volume of /home", "3 1 259:95 / @CARD rw - ext4 /dev/sdx2 rw", true,
         Refusal::SystemDisk},
        {"a volume mounted twice",
         "3 1 259:91 / /mnt/other rw - ext4 /dev/sdz1 rw\n4 1 259:91 / @CARD rw - ext4 /dev/sdz1 "
         "rw",
         true, Refusal::MountedElsewhere},
        {"btrfs", "3 1 259:91 / @CARD rw - btrfs /dev/sdz1 rw", true,
         Refusal::UnsupportedFileSystem},
        {"a folder outside the volumes", "3 1 259:91 / @CARD rw - ext4 /dev/sdz1 rw", false,
         Refusal::NotRemovable},
        {"a character device", "3 1 259:91 / @CARD rw - vfat /dev/null rw", true,
         Refusal::NotBlockDevice},
        {"a device-less source", "3 1 259:91 / @CARD rw - exfat sdcard rw", true,
         Refusal::NotBlockDevice},
    };
    const StandInVolumes volumes;
    const TempFolder elsewhere;
    for (const TableCase &row : cases) {
        SCOPED_TRACE(row.what);
        const QString folder =
            row.amongVolumes ? volumes.volume(QStringLiteral("CARD")) : elsewhere.path();
        QString mounts = kSystem + row.mounts;
        mounts.replace(QStringLiteral("@CARD"), QFileInfo(folder).canonicalFilePath());
        const CardFormatCheck check =
            CardFormatCheck::check(folder, MountTable::parse(mounts.toUtf8()));
        EXPECT_EQ(check.refusal(), row.refusal);
        EXPECT_FALSE(check.canFormat());
        EXPECT_FALSE(check.reason().isEmpty());
    }
    EXPECT_EQ(CardFormatCheck::check(volumes.volume("CARD") + "/missing").refusal(),
              Refusal::NoFolder);
    EXPECT_EQ(CardFormatCheck::check({}).refusal(), Refusal::NoFolder);
}

TEST(CardFormatCheck, RefusesTheSystemsOwnRoot)
{
    const CardFormatCheck check = CardFormatCheck::check(QStringLiteral("/"));
    EXPECT_EQ(check.refusal(), Refusal::SystemDisk);
    EXPECT_EQ(check.reason(), "on the system's disk");
}

struct CardCase
{
    QString label;
    QString folder;
    Refusal refusal;
    QString volumeName;
};

TEST(CardFormatCheck, NamesTheVolumeByLabelOrFolderAndRefusesUntitled)
{
    const CardCase cases[] = {
        {"TORVA_CARD", "CARD", Refusal::None, "TORVA_CARD"},
        {"Untitled 2", "CARD", Refusal::Untitled, "Untitled 2"},
        {"untitled", "CARD", Refusal::None, "untitled"},
        {"", "NO_LABEL", Refusal::None, "NO_LABEL"},
        {"", "Untitled", Refusal::Untitled, "Untitled"},
    };
    for (const CardCase &row : cases) {
        SCOPED_TRACE(qPrintable(row.label + '/' + row.folder));
        const StandInVolumes volumes;
        const LoopCard card(volumes.volume(row.folder), "ext4", row.label);
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        const CardFormatCheck check = CardFormatCheck::check(volumes.volume(row.folder));
        EXPECT_EQ(check.refusal(), row.refusal) << qPrintable(check.reason());
        EXPECT_EQ(check.label(), row.label);
        EXPECT_EQ(check.volumeName(), row.volumeName);
        EXPECT_EQ(check.mount().fsType, "ext4");
        EXPECT_EQ(check.mount().source, card.device());
        EXPECT_EQ(check.rootOwner(), "0:0");
    }
}

TEST(CardFormatCheck, RefusesAFolderOfACardAndACardOutsideTheVolumes)
{
    const TempFolder elsewhere;
    const LoopCard outside(elsewhere.path("CARD"), "ext4", "TORVA_CARD");
    if (!outside.problem().isEmpty())
        GTEST_SKIP() << qPrintable(outside.problem());
    // Loop devices are not removable to sysfs.
    EXPECT_EQ(CardFormatCheck::check(elsewhere.path("CARD")).refusal(), Refusal::NotRemovable);

    const StandInVolumes volumes;
    const LoopCard card(volumes.volume("CARD"), "ext4", "TORVA_CARD");
    ASSERT_EQ(card.problem(), "");
    EXPECT_EQ(CardFormatCheck::check(volumes.volume("CARD/DCIM")).refusal(),
              Refusal::NotMountPoint);
    EXPECT_EQ(CardFormatCheck::check(volumes.volume("CARD")).refusal(), Refusal::None);
}

} // namespace
