#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder named by TORVA_VOLUMES_DIR for as long as it lives: its
// subfolders count as removable memory cards.
class StandInVolumes
{
public:
    StandInVolumes();
    ~StandInVolumes();
    StandInVolumes(const StandInVolumes &) = delete;
    StandInVolumes &operator=(const StandInVolumes &) = delete;

    // The subfolder of that name, made when missing.
    QString volume(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
