#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private folder for one test; files written into it vanish with it.
class TempFolder
{
public:
    // Writes the bytes to name inside the folder and returns the full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    QString path(const QString &name = {}) const;

private:
    QTemporaryDir m_dir;
};
