#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TempFolder::path(const QString &name) const
{
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

QString TempFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(full));
    return full;
}
