#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files of a memory card's settings folder. Cameras name the folder
// "setting" or "SETTING"; on a case-sensitive copy of a card both spellings
// are looked at, the lower-case one first.
class CardFolder
{
public:
    // root/setting/relative when that exists, else root/SETTING/relative;
    // empty when there is no root.
    static QString settingFile(const QString &root, const QString &relative);
    // Up to maxBytes from the start of the file; nothing when it cannot be
    // opened or read.
    static std::optional<QByteArray> readHead(const QString &path, qint64 maxBytes);
    // The whole file when it holds at most maxBytes; nothing when it is
    // larger or cannot be read.
    static std::optional<QByteArray> readWhole(const QString &path, qint64 maxBytes);
};
