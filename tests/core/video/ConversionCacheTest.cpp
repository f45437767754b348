#include "TempFolder.h"
#include "TemporaryHome.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/video/ConversionCache.h"
#include "core/video/Utils.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A cache folder made by the program, holding a converted file.
QString preparedCache(const QString &root)
{
    EXPECT_TRUE(ConversionCache::prepare(root));
    const QString folder = ConversionCache::folderPath(root);
    EXPECT_TRUE(QDir(folder).mkpath(QStringLiteral("temp_video/clip_10")));
    QFile movie(folder + QStringLiteral("/temp_video/clip_10/clip_f.mov"));
    EXPECT_TRUE(movie.open(QIODevice::WriteOnly));
    return folder;
}

// Whether some other open file holds a lock on the cache's lock file.
bool lockedElsewhere(const QString &root)
{
    const QByteArray path = QFile::encodeName(root + QLatin1Char('/') + ConversionCache::kLockName);
    const int probe = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (probe < 0)
        return false;
    const bool locked = ::flock(probe, LOCK_EX | LOCK_NB) != 0;
    ::close(probe);
    return locked;
}

} // namespace

TEST(ConversionCache, ViewerAndCommandLineShareTheViewersCacheLocation)
{
    TemporaryHome home;
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    // torva names no application.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("torva"));
    const QString fromTorva = ConversionCache::location();
    // The viewer names itself as its preferences do.
    QCoreApplication::setOrganizationName(QString::fromLatin1(TorvaPreferences::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(TorvaPreferences::kApplication));
    const QString viewerCache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString fromViewer = ConversionCache::location();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);

    EXPECT_EQ(fromTorva, home.path(QStringLiteral(".cache/Torvaview/torvaview")));
    EXPECT_EQ(fromViewer, fromTorva);
    EXPECT_EQ(viewerCache, fromTorva);

    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path(QStringLiteral("elsewhere"))));
    EXPECT_EQ(ConversionCache::location(),
              home.path(QStringLiteral("elsewhere/Torvaview/torvaview")));
    EXPECT_EQ(Utils::GetWorkingDirectoryPath(),
              home.path(QStringLiteral("elsewhere/Torvaview/torvaview/conversions")));
    EXPECT_TRUE(QFileInfo(home.path(QStringLiteral(
                              "elsewhere/Torvaview/torvaview/conversions/.torvaview-cache")))
                    .isFile());
}

TEST(ConversionCache, FirstToQuitKeepsTheCacheAndTheLastRemovesIt)
{
    TempFolder root;
    ConversionCache first(root.path());
    ConversionCache second(root.path());
    ASSERT_TRUE(first.isHeld());
    ASSERT_TRUE(second.isHeld());
    const QString folder = preparedCache(root.path());

    EXPECT_FALSE(first.removeIfLastUser());
    EXPECT_FALSE(first.isHeld());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/temp_video/clip_10/clip_f.mov")));

    EXPECT_TRUE(second.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QFileInfo(root.path()).isDir());

    // The next viewer starts a fresh cache.
    ConversionCache next(root.path());
    preparedCache(root.path());
    EXPECT_TRUE(next.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(ConversionCache, AnotherProgramHoldingTheCacheKeepsItUntilItEndsOrCrashes)
{
    TempFolder root;
    const QString folder = preparedCache(root.path());
    QProcess other;
    // Holds a shared lock as a viewer does, in the process that is killed.
    other.start(QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("exec 9>>\"$0\"; flock -s 9; exec sleep 60"),
                 root.path(ConversionCache::kLockName)});
    ASSERT_TRUE(other.waitForStarted());
    for (QDeadlineTimer wait(10000); !wait.hasExpired() && !lockedElsewhere(root.path());)
        QThread::msleep(20);
    ASSERT_TRUE(lockedElsewhere(root.path()));

    ConversionCache quitting(root.path());
    EXPECT_FALSE(quitting.removeIfLastUser());
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A holder that dies without cleaning up lets go of the cache with it.
    other.kill();
    ASSERT_TRUE(other.waitForFinished());
    ConversionCache last(root.path());
    EXPECT_TRUE(last.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(ConversionCache, RemovalNeverFollowsLinksOutOfTheCache)
{
    TempFolder root;
    TempFolder outside;
    outside.write(QStringLiteral("photos/keep.jpg"), "mine");
    outside.write(QStringLiteral("notes.txt"), "mine too");
    ConversionCache cache(root.path());
    const QString folder = preparedCache(root.path());
    ASSERT_TRUE(QFile::link(outside.path(QStringLiteral("photos")),
                            folder + QStringLiteral("/temp_video/linked folder")));
    ASSERT_TRUE(QFile::link(outside.path(QStringLiteral("notes.txt")),
                            folder + QStringLiteral("/linked file")));

    EXPECT_TRUE(cache.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(QFileInfo(outside.path(QStringLiteral("photos/keep.jpg"))).size(), 4);
    EXPECT_EQ(QFileInfo(outside.path(QStringLiteral("notes.txt"))).size(), 8);
}

TEST(ConversionCache, OnlyAFolderThatIsOursAndNoLinkIsRemoved)
{
    // The cache folder is itself a link to a folder of ours elsewhere.
    TempFolder root;
    TempFolder elsewhere;
    const QString target = preparedCache(elsewhere.path());
    ASSERT_TRUE(QFile::link(target, ConversionCache::folderPath(root.path())));
    {
        ConversionCache cache(root.path());
        EXPECT_FALSE(cache.removeIfLastUser());
    }
    EXPECT_TRUE(QFileInfo(ConversionCache::folderPath(root.path())).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/temp_video/clip_10/clip_f.mov")));

    // A folder of that name that we did not make, without our marker.
    TempFolder user;
    const QString file = user.write(QStringLiteral("conversions/letter.txt"), "dear");
    EXPECT_TRUE(ConversionCache::prepare(user.path()));
    EXPECT_FALSE(QFileInfo::exists(user.path(QStringLiteral("conversions/.torvaview-cache"))));
    {
        ConversionCache cache(user.path());
        EXPECT_FALSE(cache.removeIfLastUser());
    }
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST(ConversionCache, UserFilesInTheOldDocumentsFolderAreNeverTouched)
{
    TemporaryHome home;
    const QString letter = home.path(QStringLiteral("Documents/Torvaview/letter.txt"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(letter).path()));
    QFile(letter).open(QIODevice::WriteOnly);
    ConversionCache cache;
    const QString working = Utils::GetWorkingDirectoryPath();
    EXPECT_TRUE(working.startsWith(home.path(QStringLiteral(".cache/")))) << qPrintable(working);
    EXPECT_TRUE(cache.removeIfLastUser());
    EXPECT_FALSE(QFileInfo::exists(working));
    EXPECT_TRUE(QFileInfo::exists(letter));
}
