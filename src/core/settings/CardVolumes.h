#pragma once

#include <QString>
#include <QStringList>

// The volumes a memory card may be mounted as. When the environment variable
// TORVA_VOLUMES_DIR names a folder, its subfolders stand in for the mounted
// volumes and all count as removable (tests and demonstrations use this).
class CardVolumes
{
public:
    // Root folders of the mounted volumes in mount order, or the stand-in
    // folders sorted by name.
    static QStringList mountedVolumes();
    // True when the path is on a local volume of a removable or USB/MMC
    // attached block device, or inside one of the stand-in folders.
    static bool isLocalRemovable(const QString &path);
    // The sysfs test for one block device name ("sdb1", "mmcblk0p1") under a
    // class/block folder: the disk says it is removable, or it hangs off a
    // USB or MMC bus.
    static bool isRemovableBlockDevice(const QString &sysClassBlock, const QString &deviceName);
    // The sysfs folder of the disk that holds the block device whose
    // (canonical) sysfs folder is given: its parent for a partition.
    static QString diskOf(const QString &sysDevice);
};
