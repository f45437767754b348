#include "StandInVolumes.h"

#include <QDir>
#include <QFile>

StandInVolumes::StandInVolumes() : m_previous(qgetenv("TORVA_VOLUMES_DIR"))
{
    qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(m_dir.path()));
}

StandInVolumes::~StandInVolumes()
{
    if (m_previous.isNull())
        qunsetenv("TORVA_VOLUMES_DIR");
    else
        qputenv("TORVA_VOLUMES_DIR", m_previous);
}

QString StandInVolumes::volume(const QString &name) const
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(path);
    return path;
}
