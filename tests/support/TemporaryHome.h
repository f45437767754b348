#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points HOME at a fresh folder for as long as it lives, so that the
// documents folder, preferences and caches of a test never touch the user's.
class TemporaryHome
{
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path(const QString &name = {}) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_configHome;
    QByteArray m_cacheHome;
};
