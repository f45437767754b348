#include "ReadOnlyCard.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

ReadOnlyCard::ReadOnlyCard() : m_root(QFile::encodeName(m_dir.path()))
{
    if (mount("tmpfs", m_root.constData(), "tmpfs", 0, "size=256k") != 0)
        m_error = QStringLiteral("cannot mount a tmpfs: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
    else
        m_mounted = true;
}

ReadOnlyCard::~ReadOnlyCard()
{
    if (m_mounted)
        umount2(m_root.constData(), MNT_DETACH);
}

bool ReadOnlyCard::makeReadOnly()
{
    return m_mounted &&
           mount(nullptr, m_root.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void ReadOnlyCard::fill()
{
    const int fd = open((m_root + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
    const std::string block(4096, 'x');
    while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
    }
    if (fd >= 0)
        close(fd);
}
