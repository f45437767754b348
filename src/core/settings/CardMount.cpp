#include "core/settings/CardMount.h"

#include <QFile>

#include <sys/stat.h>

CardMount::CardMount(const QString &folder) : m_folder(folder), m_fileSystem(fileSystemOf(folder))
{
}

bool CardMount::isMounted() const
{
    return m_fileSystem && fileSystemOf(m_folder) == m_fileSystem;
}

std::optional<quint64> CardMount::fileSystemOf(const QString &path)
{
    struct stat status;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 ||
        !S_ISDIR(status.st_mode))
        return std::nullopt;
    return quint64(status.st_dev);
}
