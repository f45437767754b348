#include "core/format/CardFormatCheck.h"

#include "core/format/FileSystemMaker.h"
#include "core/format/SystemTool.h"
#include "core/settings/CardVolumes.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// The folders whose file systems make up the running system.
const char *const kSystemFolders[] = {"/", "/boot", "/boot/efi", "/home", "/usr", "/var"};

// The disk that holds the device "major:minor"; the number itself when sysfs
// does not know it.
QString diskOf(const QString &device)
{
    const QString sysDevice =
        QFileInfo(QStringLiteral("/sys/dev/block/") + device).canonicalFilePath();
    return sysDevice.isEmpty() ? device : CardVolumes::diskOf(sysDevice);
}

bool isOnSystemDisk(const MountEntry &card, const MountTable &mounts)
{
    const QString cardDisk = diskOf(card.device);
    for (const char *folder : kSystemFolders) {
        const MountEntry *system = mounts.holding(QString::fromLatin1(folder));
        if (system && (system->device == card.device || diskOf(system->device) == cardDisk))
            return true;
    }
    return false;
}

// The source names a block device node, and the very one the file system is
// mounted from.
bool isBlockDevice(const MountEntry &mount)
{
    struct stat status = {};
    if (!mount.source.startsWith(QLatin1String("/dev/")) ||
        ::stat(QFile::encodeName(mount.source).constData(), &status) != 0 ||
        !S_ISBLK(status.st_mode))
        return false;
    return QStringLiteral("%1:%2").arg(major(status.st_rdev)).arg(minor(status.st_rdev)) ==
           mount.device;
}

} // namespace

CardFormatCheck CardFormatCheck::check(const QString &root)
{
    return check(root, MountTable::read());
}

CardFormatCheck CardFormatCheck::check(const QString &root, const MountTable &mounts)
{
    CardFormatCheck card;
    const QFileInfo folder(root);
    if (root.isEmpty() || !folder.isDir())
        return card;
    const QString path = folder.canonicalFilePath();
    const MountEntry *mount = mounts.mountedAt(path);
    const auto refused = [&card](Refusal refusal) {
        card.m_refusal = refusal;
        return card;
    };
    if (!mount)
        return refused(Refusal::NotMountPoint);
    card.m_mount = *mount;
    card.m_rootOwner = QStringLiteral("%1:%2").arg(folder.ownerId()).arg(folder.groupId());
    if (mount->root != QLatin1String("/"))
        return refused(Refusal::NotWholeVolume);
    if (isOnSystemDisk(*mount, mounts))
        return refused(Refusal::SystemDisk);
    if (mounts.mountCount(mount->device) > 1)
        return refused(Refusal::MountedElsewhere);
    const QString maker = FileSystemMaker::program(mount->fsType);
    if (maker.isEmpty())
        return refused(Refusal::UnsupportedFileSystem);
    if (!CardVolumes::isLocalRemovable(path))
        return refused(Refusal::NotRemovable);
    if (!isBlockDevice(*mount))
        return refused(Refusal::NotBlockDevice);
    for (const QString &tool :
         {maker, QStringLiteral("blkid"), QStringLiteral("umount"), QStringLiteral("mount")}) {
        if (SystemTool::find(tool).isEmpty()) {
            card.m_missingTool = tool;
            return refused(Refusal::ToolMissing);
        }
    }
    // Probed on the device itself: blkid's cache may still hold the label of
    // a card that was in the same slot before.
    const SystemTool::Run blkid =
        SystemTool::run(QStringLiteral("blkid"),
                        {QStringLiteral("-p"), QStringLiteral("-o"), QStringLiteral("value"),
                         QStringLiteral("-s"), QStringLiteral("LABEL"), mount->source});
    if (!blkid.ok())
        return refused(Refusal::LabelUnreadable);
    card.m_label = blkid.output.section(QLatin1Char('\n'), 0, 0);
    if (card.volumeName().startsWith(QLatin1String("Untitled")))
        return refused(Refusal::Untitled);
    card.m_refusal = Refusal::None;
    return card;
}

QString CardFormatCheck::volumeName() const
{
    return m_label.isEmpty() ? QFileInfo(m_mount.mountPoint).fileName() : m_label;
}

QString CardFormatCheck::reason() const
{
    switch (m_refusal) {
    case Refusal::None:
        break;
    case Refusal::NoFolder:
        return QStringLiteral("no such folder");
    case Refusal::NotMountPoint:
        return QStringLiteral("not the root folder of a mounted volume");
    case Refusal::NotWholeVolume:
        return QStringLiteral("mounted from a folder of a volume, not the whole volume");
    case Refusal::SystemDisk:
        return QStringLiteral("on the system's disk");
    case Refusal::MountedElsewhere:
        return QStringLiteral("the volume is mounted at other places as well");
    case Refusal::UnsupportedFileSystem:
        return QStringLiteral("its file system (%1) cannot be formatted; FAT, exFAT and "
                              "ext2/3/4 can")
            .arg(m_mount.fsType);
    case Refusal::NotRemovable:
        return QStringLiteral("not on a local removable memory card");
    case Refusal::NotBlockDevice:
        return QStringLiteral("%1 is not a block device").arg(m_mount.source);
    case Refusal::ToolMissing:
        return QStringLiteral("%1 is not installed").arg(m_missingTool);
    case Refusal::LabelUnreadable:
        return QStringLiteral("%1 cannot be read (formatting needs the rights to read and "
                              "write it)")
            .arg(m_mount.source);
    case Refusal::Untitled:
        return QStringLiteral("its volume name \"%1\" begins with \"Untitled\"").arg(volumeName());
    }
    return {};
}
