#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One mount as the kernel lists it in /proc/self/mountinfo.
struct MountEntry
{
    // "major:minor" of the mounted file system.
    QString device;
    // The folder of the file system that is mounted: "/" for all of it, a
    // subfolder for a bind mount.
    QString root;
    QString mountPoint;
    // This mount's own options ("rw", "nosuid", "relatime").
    QStringList mountOptions;
    QString fsType;
    // What was mounted: "/dev/sdb1", or a name such as "tmpfs".
    QString source;
    // The file system's options ("uid=1000", "errors=remount-ro").
    QStringList superOptions;
};

// The mounts of this process's view of the file systems, in mount order.
class MountTable
{
public:
    // The current table; empty when it cannot be read.
    static MountTable read();
    // The lines of a mountinfo text; lines that do not fit are left out.
    static MountTable parse(const QByteArray &text);

    // Entries found below live as long as the table.
    const QList<MountEntry> &entries() const { return m_entries; }
    // The mount in view at exactly this absolute path (the last one mounted
    // there), or null.
    const MountEntry *mountedAt(const QString &path) const;
    // The mount in view that holds this absolute path, or null.
    const MountEntry *holding(const QString &path) const;
    // How many mounts show the file system of this device.
    qsizetype mountCount(const QString &device) const;

private:
    QList<MountEntry> m_entries;
};
