#include "TemporaryHome.h"

#include <QFile>

namespace {

void restore(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

TemporaryHome::TemporaryHome()
    : m_home(qgetenv("HOME")), m_configHome(qgetenv("XDG_CONFIG_HOME")),
      m_cacheHome(qgetenv("XDG_CACHE_HOME"))
{
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    // The documents folder is looked up in the config folder's user-dirs.dirs.
    qunsetenv("XDG_CONFIG_HOME");
    // The transcoder's cache then lies in HOME/.cache.
    qunsetenv("XDG_CACHE_HOME");
}

TemporaryHome::~TemporaryHome()
{
    restore("HOME", m_home);
    restore("XDG_CONFIG_HOME", m_configHome);
    restore("XDG_CACHE_HOME", m_cacheHome);
}

QString TemporaryHome::path(const QString &name) const
{
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}
