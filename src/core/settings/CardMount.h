#pragma once

#include <QString>

#include <optional>

// A card's folder and the file system it was on when the viewer read it. A
// card pulled out while in use leaves its mount folder behind, empty, on the
// computer's own disk: whatever is written there then lands on that disk, not
// on the card.
class CardMount
{
public:
    CardMount() = default;
    explicit CardMount(const QString &folder);

    const QString &folder() const { return m_folder; }
    // Whether the folder is still there on the file system it was on.
    bool isMounted() const;

private:
    static std::optional<quint64> fileSystemOf(const QString &path);

    QString m_folder;
    std::optional<quint64> m_fileSystem;
};
