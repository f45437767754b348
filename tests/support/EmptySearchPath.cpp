#include "EmptySearchPath.h"

#include <QFile>

EmptySearchPath::EmptySearchPath() : m_path(qgetenv("PATH"))
{
    qputenv("PATH", QFile::encodeName(m_dir.path()));
}

EmptySearchPath::~EmptySearchPath()
{
    if (m_path.isNull())
        qunsetenv("PATH");
    else
        qputenv("PATH", m_path);
}
