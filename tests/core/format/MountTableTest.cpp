#include "core/format/MountTable.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kTable =
    "22 1 254:0 / / rw,relatime - ext4 /dev/vda rw,errors=remount-ro\n"
    "30 22 8:17 / /media/me/MY\\040CARD rw,nosuid,nodev shared:1 master:2 - vfat /dev/sdb1 "
    "rw,uid=1000,gid=1000,utf8\n"
    "31 22 8:17 /DCIM /mnt/dcim rw - vfat /dev/sdb1 rw\n"
    "not a mount line\n"
    "32 30 0:40 / /media/me/MY\\040CARD rw - tmpfs tmpfs rw\n"
    "33 22 0:41 / /cut rw -\n"
    "34 22 0:42 / /odd\\04 rw - tmpfs none rw\n"
    "40 22 8:33 / /home rw - ext4 /dev/sdc1 rw";

TEST(MountTable, ReadsTheFieldsAroundTheOptionalOnesAndFindsTheMountInView)
{
    const MountTable table = MountTable::parse(kTable);
    ASSERT_EQ(table.entries().size(), 6);
    const MountEntry &card = table.entries()[1];
    EXPECT_EQ(card.device, "8:17");
    EXPECT_EQ(card.root, "/");
    EXPECT_EQ(card.mountPoint, "/media/me/MY CARD");
    EXPECT_EQ(card.mountOptions, QStringList({"rw", "nosuid", "nodev"}));
    EXPECT_EQ(card.fsType, "vfat");
    EXPECT_EQ(card.source, "/dev/sdb1");
    EXPECT_EQ(card.superOptions, QStringList({"rw", "uid=1000", "gid=1000", "utf8"}));
    EXPECT_EQ(table.entries()[2].root, "/DCIM");
    // An escape cut short at the end of a field stays as it is.
    EXPECT_EQ(table.entries()[4].mountPoint, "/odd\\04");
    EXPECT_TRUE(MountTable::parse("").entries().isEmpty());

    // The tmpfs mounted later over the card hides it.
    ASSERT_NE(table.mountedAt("/media/me/MY CARD"), nullptr);
    EXPECT_EQ(table.mountedAt("/media/me/MY CARD")->fsType, "tmpfs");
    EXPECT_EQ(table.mountedAt("/media/me"), nullptr);
    const std::pair<const char *, const char *> holders[] = {
        {"/", "/dev/vda"},          {"/home/me/card", "/dev/sdc1"},
        {"/homework", "/dev/vda"},  {"/media/me/MY CARD/DCIM", "tmpfs"},
        {"/mnt/dcim", "/dev/sdb1"},
    };
    for (const auto &[path, source] : holders) {
        const MountEntry *holder = table.holding(path);
        ASSERT_NE(holder, nullptr) << path;
        EXPECT_EQ(holder->source, source) << path;
    }
    EXPECT_EQ(table.holding("relative/path"), nullptr);
    EXPECT_EQ(table.mountCount("8:17"), 2);
    EXPECT_EQ(table.mountCount("9:9"), 0);
}

} // namespace
