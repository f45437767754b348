#pragma once

#include <QString>

// The transcoder's cache: the folder "conversions" in the program's cache
// location, shared by every viewer and torva convert of the user. Each of
// them holds a shared lock on "conversions.lock" beside the folder while it
// runs; the last viewer to quit removes the folder, and only when it carries
// the marker written when the folder was made, so nothing we did not create
// is ever removed. A crashed holder's lock goes with its process.
class ConversionCache
{
public:
    static constexpr char kFolderName[] = "conversions";
    static constexpr char kMarkerName[] = ".torvaview-cache";
    static constexpr char kLockName[] = "conversions.lock";

    // "$XDG_CACHE_HOME/Torvaview/torvaview": the viewer's CacheLocation, but
    // built from the names in TorvaPreferences so that torva, which names no
    // application, finds the same one. Empty when there is no cache location.
    static QString location();
    // The cache folder below root; empty for an empty root.
    static QString folderPath(const QString &root = location());
    // Makes the cache folder with its marker when it is missing; false when
    // there is no usable folder.
    static bool prepare(const QString &root = location());

    // Holds the cache below root until removeIfLastUser() or destruction;
    // waits while another program is removing it.
    explicit ConversionCache(const QString &root = location());
    ~ConversionCache();
    ConversionCache(const ConversionCache &) = delete;
    ConversionCache &operator=(const ConversionCache &) = delete;

    bool isHeld() const { return m_lock >= 0; }
    // Lets go of the cache and removes the folder when no one else holds it
    // and it is ours. Never follows a symbolic link: a link inside is removed
    // as a link, and a folder that is itself a link is left alone. True when
    // the folder was removed.
    bool removeIfLastUser();

private:
    void release();

    QString m_root;
    int m_lock = -1;
};
