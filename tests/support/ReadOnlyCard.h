#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted as a memory card that can be turned read-only: the
// only reliable way to make writes fail when tests run as root, where file
// permissions stop nothing. Mounting needs root; error() says why it failed.
class ReadOnlyCard
{
public:
    ReadOnlyCard();
    ~ReadOnlyCard();
    ReadOnlyCard(const ReadOnlyCard &) = delete;
    ReadOnlyCard &operator=(const ReadOnlyCard &) = delete;

    // Empty when the card is mounted.
    QString error() const { return m_error; }
    QString path() const { return m_dir.path(); }
    bool makeReadOnly();
    // Takes all the free space with one filler file, so that writes fail
    // for want of room.
    void fill();

private:
    QTemporaryDir m_dir;
    QByteArray m_root;
    bool m_mounted = false;
    QString m_error;
};
