#pragma once

#include "core/format/MountTable.h"

#include <QString>

// Whether the folder given as a memory card's root may be formatted in
// place, and what of its volume the formatting keeps. Only the root of a
// whole volume of a local removable card is formatted: never a subfolder,
// never the system's disk, never a volume the default name "Untitled…"
// marks as fresh.
class CardFormatCheck
{
public:
    // Why a card is not formatted, in the order the checks run.
    enum class Refusal
    {
        None,
        NoFolder,
        NotMountPoint,         // a folder inside a volume, not its root
        NotWholeVolume,        // a bind mount of a folder of a volume
        SystemDisk,            // on the disk of "/", "/boot", "/home" …
        MountedElsewhere,      // unmounting here would leave it mounted
        UnsupportedFileSystem, // not FAT, exFAT or ext2/3/4
        NotRemovable,          // not a local removable volume
        NotBlockDevice,        // what is mounted is no block device
        ToolMissing,           // the program that makes the file system
        LabelUnreadable,       // no access to the device, or no file system
        Untitled,
    };

    // Checks the card whose root folder is given against the current mounts.
    static CardFormatCheck check(const QString &root);
    // The same against a given mount table.
    static CardFormatCheck check(const QString &root, const MountTable &mounts);

    Refusal refusal() const { return m_refusal; }
    bool canFormat() const { return m_refusal == Refusal::None; }
    // Why not, in English, for the command line and the log; empty when it can.
    QString reason() const;

    // The card's mount, as far as the checks got.
    const MountEntry &mount() const { return m_mount; }
    // The file system's label; empty when it has none.
    const QString &label() const { return m_label; }
    // What the volume is called: its label, or the name of the folder it is
    // mounted at when it has none (desktops name that folder after the
    // label or the file system's id).
    QString volumeName() const;
    // The owner of the volume's root folder, "uid:gid".
    const QString &rootOwner() const { return m_rootOwner; }

private:
    Refusal m_refusal = Refusal::NoFolder;
    MountEntry m_mount;
    QString m_label;
    QString m_rootOwner;
    // The program that ToolMissing names.
    QString m_missingTool;
};
