#include "core/settings/CardVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString standInVolumesDir()
{
    return qEnvironmentVariable("TORVA_VOLUMES_DIR");
}

bool isInsideStandInVolume(const QString &path)
{
    const QString dir = standInVolumesDir();
    if (dir.isEmpty())
        return false;
    const QString volumes = QFileInfo(dir).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    if (volumes.isEmpty() || target.isEmpty())
        return false;
    // A stand-in volume is a subfolder: the path must go below the folder.
    return target.startsWith(volumes + QLatin1Char('/')) && target.size() > volumes.size() + 1;
}

} // namespace

QStringList CardVolumes::mountedVolumes()
{
    QStringList volumes;
    if (const QString dir = standInVolumesDir(); !dir.isEmpty()) {
        const QDir folder(dir);
        const QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names)
            volumes.append(folder.filePath(name));
        return volumes;
    }
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : mounted)
        volumes.append(volume.rootPath());
    return volumes;
}

bool CardVolumes::isLocalRemovable(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    if (isInsideStandInVolume(path))
        return true;
    const QStorageInfo volume(path);
    if (!volume.isValid() || !volume.isReady())
        return false;
    // Network and virtual file systems have no device node: not local.
    const QString device = QString::fromLocal8Bit(volume.device());
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString node = QFileInfo(device).canonicalFilePath();
    if (node.isEmpty())
        return false;
    return isRemovableBlockDevice(QStringLiteral("/sys/class/block"), QFileInfo(node).fileName());
}

bool CardVolumes::isRemovableBlockDevice(const QString &sysClassBlock, const QString &deviceName)
{
    if (deviceName.isEmpty() || deviceName.contains(QLatin1Char('/')))
        return false;
    const QString device =
        QFileInfo(sysClassBlock + QLatin1Char('/') + deviceName).canonicalFilePath();
    if (device.isEmpty())
        return false;
    // A partition carries no "removable" of its own; its disk does.
    QFile removable(diskOf(device) + QLatin1String("/removable"));
    if (removable.open(QIODevice::ReadOnly) && removable.read(8).trimmed() == "1")
        return true;
    return device.contains(QLatin1String("/usb")) || device.contains(QLatin1String("/mmc"));
}

QString CardVolumes::diskOf(const QString &sysDevice)
{
    return QFileInfo::exists(sysDevice + QLatin1String("/partition")) ? QFileInfo(sysDevice).path()
                                                                      : sysDevice;
}
