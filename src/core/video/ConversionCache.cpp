#include "core/video/ConversionCache.h"

#include "core/i18n/TorvaPreferences.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Removes everything in the open folder but the entry named keep, and closes
// it. Entries are looked at without following links and folders are opened
// with O_NOFOLLOW, so a link (even one swapped in on the way) is removed as a
// link and what it points to is never reached.
bool removeContents(int folder, const char *keep = nullptr)
{
    DIR *listing = ::fdopendir(folder);
    if (!listing) {
        ::close(folder);
        return false;
    }
    bool removed = true;
    while (const dirent *entry = ::readdir(listing)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 ||
            (keep && std::strcmp(name, keep) == 0))
            continue;
        struct stat item = {};
        if (::fstatat(folder, name, &item, AT_SYMLINK_NOFOLLOW) != 0) {
            removed = false;
            continue;
        }
        if (S_ISDIR(item.st_mode)) {
            const int child = ::openat(folder, name, kOpenFolder);
            removed = child >= 0 && removeContents(child) && removed;
            removed = ::unlinkat(folder, name, AT_REMOVEDIR) == 0 && removed;
        } else {
            removed = ::unlinkat(folder, name, 0) == 0 && removed;
        }
    }
    ::closedir(listing);
    return removed;
}

// The cache folder below root with all it holds, when it is a real folder
// (not a link) carrying our marker. The marker goes last, so that a folder
// that could not be emptied is still known as ours next time.
bool removeMarkedFolder(const QString &root)
{
    const int parent = ::open(QFile::encodeName(root).constData(), kOpenFolder);
    if (parent < 0)
        return false;
    bool removed = false;
    const int cache = ::openat(parent, ConversionCache::kFolderName, kOpenFolder);
    if (cache >= 0) {
        struct stat marker = {};
        const bool ours =
            ::fstatat(cache, ConversionCache::kMarkerName, &marker, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(marker.st_mode);
        if (!ours) {
            ::close(cache);
        } else {
            const int markerHolder = ::dup(cache);
            removed = removeContents(cache, ConversionCache::kMarkerName) &&
                      ::unlinkat(markerHolder, ConversionCache::kMarkerName, 0) == 0 &&
                      ::unlinkat(parent, ConversionCache::kFolderName, AT_REMOVEDIR) == 0;
            if (markerHolder >= 0)
                ::close(markerHolder);
        }
    }
    ::close(parent);
    return removed;
}

} // namespace

QString ConversionCache::location()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(cache, QLatin1String(TorvaPreferences::kOrganization),
             QLatin1String(TorvaPreferences::kApplication));
}

QString ConversionCache::folderPath(const QString &root)
{
    return root.isEmpty() ? QString()
                          : QStringLiteral("%1/%2").arg(root, QLatin1String(kFolderName));
}

bool ConversionCache::prepare(const QString &root)
{
    const QString folder = folderPath(root);
    if (folder.isEmpty() || !QDir().mkpath(root))
        return false;
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
        return errno == EEXIST && QFileInfo(folder).isDir();
    // Only a folder made here gets the marker.
    QFile marker(QStringLiteral("%1/%2").arg(folder, QLatin1String(kMarkerName)));
    if (!marker.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        qWarning() << "cannot mark the conversion cache" << folder << marker.errorString();
        return false;
    }
    marker.write("Torvaview's conversion cache: removed when the last viewer quits.\n");
    return true;
}

ConversionCache::ConversionCache(const QString &root) : m_root(root)
{
    if (root.isEmpty() || !QDir().mkpath(root)) {
        qWarning() << "no folder for the conversion cache" << root;
        return;
    }
    const QByteArray lock =
        QFile::encodeName(QStringLiteral("%1/%2").arg(root, QLatin1String(kLockName)));
    m_lock = ::open(lock.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_lock < 0) {
        qWarning() << "cannot open the conversion cache lock" << lock << std::strerror(errno);
        return;
    }
    // Waits only while a quitting viewer removes the folder.
    int locked = 0;
    do {
        locked = ::flock(m_lock, LOCK_SH);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0)
        release();
}

ConversionCache::~ConversionCache()
{
    release();
}

bool ConversionCache::removeIfLastUser()
{
    if (m_lock < 0)
        return false;
    // The shared lock turns exclusive only when no one else holds one.
    const bool last = ::flock(m_lock, LOCK_EX | LOCK_NB) == 0;
    const bool removed = last && removeMarkedFolder(m_root);
    release();
    return removed;
}

void ConversionCache::release()
{
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}
