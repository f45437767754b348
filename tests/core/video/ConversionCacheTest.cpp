#include "TempFolder.h"
#include "TemporaryHome.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/video/ConversionCache.h"
#include "core/video/Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString kMovie = QStringLiteral("/temp_video/clip_10/clip_f.mov");

// A cache folder made by the program, holding a converted file.
QString preparedCache(const QString &root)
{
    EXPECT_TRUE(ConversionCache::prepare(root));
    const QString folder = ConversionCache::folderPath(root);
    EXPECT_TRUE(QDir(folder).mkpath("temp_video/clip_10"));
    EXPECT_TRUE(QFile(folder + kMovie).open(QIODevice::WriteOnly));
    return folder;
}

bool removedByLastUser(const QString &root)
{
    return ConversionCache(root).removeIfLastUser();
}

} // namespace

TEST(ConversionCache, LivesInTheViewersCacheFolderAndGoesWholeLeavingUserFiles)
{
    TemporaryHome home;
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    // torva names no organization; the viewer names itself as its preferences do.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("torva"));
    const QString fromTorva = ConversionCache::location();
    QCoreApplication::setOrganizationName(QString::fromLatin1(TorvaPreferences::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(TorvaPreferences::kApplication));
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), fromTorva);
    EXPECT_EQ(ConversionCache::location(), fromTorva);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    EXPECT_EQ(fromTorva, home.path(".cache/Torvaview/torvaview"));
    // The folder of older versions holds the user's own files.
    const QString letter = home.path("Documents/Torvaview/letter.txt");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(letter).path()));
    QFile(letter).open(QIODevice::WriteOnly);
    ConversionCache cache;
    const QString working = Utils::GetWorkingDirectoryPath();
    EXPECT_EQ(working, fromTorva + "/conversions");
    EXPECT_TRUE(QFileInfo(working + "/.torvaview-cache").isFile());
    EXPECT_TRUE(cache.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(working));
    EXPECT_TRUE(QFileInfo(fromTorva).isDir());
    EXPECT_TRUE(QFileInfo::exists(letter));

    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path("elsewhere")));
    EXPECT_EQ(ConversionCache::location(), home.path("elsewhere/Torvaview/torvaview"));
}

TEST(ConversionCache, OnlyTheLastHolderRemovesItAndACrashedHolderLetsGo)
{
    TempFolder root;
    const QString folder = preparedCache(root.path());
    // Another program holds a shared lock as a viewer does, then is killed.
    QProcess other;
    other.start("sh", {"-c", "exec 9>>\"$0\"; flock -s 9; echo held; exec sleep 60",
                       root.path(ConversionCache::kLockName)});
    ASSERT_TRUE(other.waitForReadyRead(10000));
    EXPECT_FALSE(removedByLastUser(root.path()));

    ConversionCache first(root.path());
    ConversionCache second(root.path());
    ASSERT_TRUE(first.isHeld() && second.isHeld());
    other.kill();
    ASSERT_TRUE(other.waitForFinished());
    EXPECT_FALSE(first.removeIfLastUser());
    EXPECT_FALSE(first.isHeld());
    EXPECT_TRUE(QFileInfo::exists(folder + kMovie));
    EXPECT_TRUE(second.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QFileInfo(root.path()).isDir());
}

TEST(ConversionCache, RemovalNeverFollowsLinksNorTakesAFolderThatIsNotOurs)
{
    TempFolder root;
    TempFolder outside;
    outside.write("photos/keep.jpg", "mine");
    outside.write("notes.txt", "mine too");
    const QString folder = preparedCache(root.path());
    ASSERT_TRUE(QFile::link(outside.path("photos"), folder + "/temp_video/linked folder"));
    ASSERT_TRUE(QFile::link(outside.path("notes.txt"), folder + "/linked file"));
    EXPECT_TRUE(removedByLastUser(root.path()));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(QFileInfo(outside.path("photos/keep.jpg")).size(), 4);
    EXPECT_EQ(QFileInfo(outside.path("notes.txt")).size(), 8);
    // The cache folder is itself a link to a folder of ours elsewhere.
    const QString target = preparedCache(outside.path());
    ASSERT_TRUE(QFile::link(target, folder));
    EXPECT_FALSE(removedByLastUser(root.path()));
    EXPECT_TRUE(QFileInfo(folder).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target + kMovie));
    // A folder of that name that we did not make, without our marker.
    TempFolder user;
    const QString file = user.write("conversions/letter.txt", "dear");
    EXPECT_TRUE(ConversionCache::prepare(user.path()));
    EXPECT_FALSE(QFileInfo::exists(user.path("conversions/.torvaview-cache")));
    EXPECT_FALSE(removedByLastUser(user.path()));
    EXPECT_TRUE(QFileInfo::exists(file));
}
