#include "LoopCard.h"

#include "core/format/MountTable.h"
#include "core/format/SystemTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr qint64 kImageBytes = 64 * 1024 * 1024;

} // namespace

LoopCard::LoopCard(const QString &mountPoint, const QString &fsType, const QString &label)
{
    if (geteuid() != 0) {
        m_problem = QStringLiteral("loop devices need root");
        return;
    }
    const QString image = m_imageDir.filePath(QStringLiteral("card.img"));
    if (!makeImage(image)) {
        m_problem = QStringLiteral("cannot make the image file");
        return;
    }
    const SystemTool::Run make = SystemTool::run(
        QStringLiteral("mkfs.") + fsType,
        {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-L"), label, image});
    if (!make.ok()) {
        m_problem = QStringLiteral("mkfs.%1: %2").arg(fsType, make.output);
        return;
    }
    const SystemTool::Run attach = SystemTool::run(
        QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image});
    if (!attach.ok()) {
        m_problem = QStringLiteral("no loop device: ") + attach.output.trimmed();
        return;
    }
    m_device = attach.output.trimmed();
    QDir().mkpath(mountPoint);
    // The mount table names folders by their canonical paths.
    m_mountPoint = QFileInfo(mountPoint).canonicalFilePath();
    if (::mount(QFile::encodeName(m_device).constData(), QFile::encodeName(mountPoint).constData(),
                fsType.toLatin1().constData(), 0, nullptr) != 0)
        m_problem = QStringLiteral("cannot mount %1: %2")
                        .arg(m_device, QString::fromLocal8Bit(std::strerror(errno)));
}

LoopCard::~LoopCard()
{
    // A test that failed halfway may leave the card busy: detach it anyway.
    while (isMounted() && ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH) == 0) {
    }
    if (!m_device.isEmpty())
        SystemTool::run(QStringLiteral("losetup"), {QStringLiteral("-d"), m_device});
}

bool LoopCard::isMounted() const
{
    const MountTable mounts = MountTable::read();
    const MountEntry *mount = mounts.mountedAt(m_mountPoint);
    return !m_device.isEmpty() && mount && mount->source == m_device;
}

bool LoopCard::makeImage(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(kImageBytes);
}

QString LoopCard::probe(const QString &device, const QString &tag)
{
    return SystemTool::run(QStringLiteral("blkid"),
                           {QStringLiteral("-p"), QStringLiteral("-o"), QStringLiteral("value"),
                            QStringLiteral("-s"), tag, device})
        .output.trimmed();
}
