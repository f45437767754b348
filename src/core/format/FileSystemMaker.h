#pragma once

#include <QString>
#include <QStringList>

// How a new, empty file system of the kinds a memory card carries is made
// on a device, with the label the old one had.
class FileSystemMaker
{
public:
    // The program that makes file systems of this type ("mkfs.ext4"), or
    // empty for a type that cannot be made.
    static QString program(const QString &fsType);
    // Its arguments for the device: the label when there is one, and for the
    // ext family the owner ("uid:gid") of the new root folder, so that a card
    // its user could write stays writable.
    static QStringList arguments(const QString &fsType, const QString &device, const QString &label,
                                 const QString &rootOwner = {});
};
