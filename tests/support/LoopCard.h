#pragma once

#include <QString>
#include <QTemporaryDir>

// A memory card for tests: an ext2/3/4 or vfat image on a loop device of
// its own, mounted at a folder; problem() says why there is none (it needs
// root). Takes its mount and its loop device away when it goes.
class LoopCard
{
public:
    LoopCard(const QString &mountPoint, const QString &fsType, const QString &label);
    ~LoopCard();
    LoopCard(const LoopCard &) = delete;
    LoopCard &operator=(const LoopCard &) = delete;

    // Empty when the card is mounted.
    const QString &problem() const { return m_problem; }
    const QString &device() const { return m_device; }
    // Whether the card's device is mounted at its folder.
    bool isMounted() const;
    // Writes a small recording to "DCIM/clip.avi" on the card: its path, or
    // empty when it cannot. hasRecording() tells whether it is in view now.
    QString putRecording() const;
    bool hasRecording() const;
    // An empty 64 MiB image file to make a file system on.
    static bool makeImage(const QString &path);
    // A value of the file system on a device or image, as blkid finds it
    // there now ("LABEL", "TYPE"); empty when there is none.
    static QString probe(const QString &device, const QString &tag);

private:
    QTemporaryDir m_imageDir;
    QString m_mountPoint;
    QString m_device;
    QString m_problem;
};
