#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/format/CardFormatCheck.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Refusal = CardFormatCheck::Refusal;

TEST(CardFormatCheck, RefusesWhatIsNotTheWholeVolumeOfAFormattableCard)
{
    // The system's own mounts, on devices no machine has; each row's mounts
    // follow, @CARD standing for the card's folder, which is among the
    // volumes unless the row says otherwise.
    const QString system = "1 0 259:90 / / rw - ext4 /dev/sdy1 rw\n"
                           "2 1 259:95 / /home rw - ext4 /dev/sdx2 rw\n";
    const std::tuple<QString, Refusal, bool> cases[] = {
        {"", Refusal::NotMountPoint, true},
        {"3 1 259:91 /DCIM @CARD rw - ext4 /dev/sdz1 rw", Refusal::NotWholeVolume, true},
        {"3 1 259:90 / @CARD rw - ext4 /dev/sdy1 rw", Refusal::SystemDisk, true},
        {"3 1 259:95 / @CARD rw - ext4 /dev/sdx2 rw", Refusal::SystemDisk, true},
        {"3 1 259:91 / /mnt rw - ext4 /dev/sdz1 rw\n4 1 259:91 / @CARD rw - ext4 /dev/sdz1 rw",
         Refusal::MountedElsewhere, true},
        {"3 1 259:91 / @CARD rw - btrfs /dev/sdz1 rw", Refusal::UnsupportedFileSystem, true},
        {"3 1 259:91 / @CARD rw - ext4 /dev/sdz1 rw", Refusal::NotRemovable, false},
        {"3 1 259:91 / @CARD rw - vfat /dev/null rw", Refusal::NotBlockDevice, true},
        {"3 1 259:91 / @CARD rw - exfat sdcard rw", Refusal::NotBlockDevice, true},
    };
    const StandInVolumes volumes;
    const TempFolder elsewhere;
    for (const auto &[lines, refusal, amongVolumes] : cases) {
        SCOPED_TRACE(qPrintable(lines));
        const QString folder = amongVolumes ? volumes.volume("CARD") : elsewhere.path();
        const QString mounts =
            system + QString(lines).replace("@CARD", QFileInfo(folder).canonicalFilePath());
        const CardFormatCheck check =
            CardFormatCheck::check(folder, MountTable::parse(mounts.toUtf8()));
        EXPECT_EQ(check.refusal(), refusal);
        EXPECT_FALSE(check.canFormat());
        EXPECT_FALSE(check.reason().isEmpty());
    }
    EXPECT_EQ(CardFormatCheck::check(volumes.volume("CARD") + "/missing").refusal(),
              Refusal::NoFolder);
    EXPECT_EQ(CardFormatCheck::check({}).refusal(), Refusal::NoFolder);
}

} // namespace
