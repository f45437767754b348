#include "LoopCard.h"

#include "core/format/MountTable.h"
#include "core/format/SystemTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

constexpr qint64 kImageBytes = 64 * 1024 * 1024;
const char kRecording[] = "DCIM/clip.avi";

// The FAT maker names its label and its options its own way.
QStringList makerArguments(const QString &fsType, const QString &label, const QString &image)
{
    if (fsType != QLatin1String("vfat"))
        return {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-L"), label, image};
    return label.isEmpty() ? QStringList{image} : QStringList{QStringLiteral("-n"), label, image};
}

} // namespace

LoopCard::LoopCard(const QString &mountPoint, const QString &fsType, const QString &label)
{
    const QString image = m_imageDir.filePath(QStringLiteral("card.img"));
    SystemTool::Run run;
    if (geteuid() != 0) {
        m_problem = QStringLiteral("loop devices need root");
    } else if (!makeImage(image)) {
        m_problem = QStringLiteral("cannot make the image file");
    } else if (run = SystemTool::run(QStringLiteral("mkfs.") + fsType,
                                     makerArguments(fsType, label, image));
               !run.ok()) {
        m_problem = QStringLiteral("mkfs.%1: %2").arg(fsType, run.output);
    } else if (run = SystemTool::run(QStringLiteral("losetup"),
                                     {QStringLiteral("-f"), QStringLiteral("--show"), image});
               !run.ok()) {
        m_problem = QStringLiteral("no loop device: ") + run.output.trimmed();
    } else {
        m_device = run.output.trimmed();
        QDir().mkpath(mountPoint);
        // The mount table names folders by their canonical paths.
        m_mountPoint = QFileInfo(mountPoint).canonicalFilePath();
        run = SystemTool::run(QStringLiteral("mount"),
                              {QStringLiteral("-t"), fsType, m_device, m_mountPoint});
        if (!run.ok())
            m_problem = QStringLiteral("cannot mount %1: %2").arg(m_device, run.output.trimmed());
    }
}

LoopCard::~LoopCard()
{
    // A test that failed halfway may leave the card busy: detach it anyway.
    while (isMounted() &&
           SystemTool::run(QStringLiteral("umount"), {QStringLiteral("-l"), m_mountPoint}).ok()) {
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

QString LoopCard::putRecording() const
{
    QDir(m_mountPoint).mkpath(QStringLiteral("DCIM"));
    QFile file(QDir(m_mountPoint).filePath(QLatin1String(kRecording)));
    const bool written = file.open(QIODevice::WriteOnly) && file.write("recording") == 9;
    return written ? file.fileName() : QString();
}

bool LoopCard::hasRecording() const
{
    return QDir(m_mountPoint).exists(QLatin1String(kRecording));
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
