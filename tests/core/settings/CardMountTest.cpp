#include "TempFolder.h"

#include "core/settings/CardMount.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

// A card pulled out leaves its folder behind on another file system; a card
// put back is a card again only once it is looked at anew.
TEST(CardMount, TellsACardFromTheFolderItLeftBehind)
{
    const TempFolder folder;
    EXPECT_FALSE(CardMount().isMounted());
    EXPECT_FALSE(CardMount(folder.path("missing")).isMounted());
    EXPECT_FALSE(CardMount(folder.write("file", "x")).isMounted()) << "a file is no card";
    const QString root = folder.path("CARD");
    ASSERT_TRUE(QDir().mkpath(root));
    EXPECT_TRUE(CardMount(root).isMounted()) << "a plain folder stays what it is";
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a card needs root";
    const QByteArray at = QFile::encodeName(root);
    ASSERT_EQ(mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k"), 0);
    const CardMount card(root);
    EXPECT_TRUE(card.isMounted());
    ASSERT_EQ(umount2(at.constData(), MNT_DETACH), 0);
    EXPECT_FALSE(card.isMounted()) << "the folder left behind";
    EXPECT_TRUE(QDir(root).exists());
}
