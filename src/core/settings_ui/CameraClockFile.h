#pragma once

#include "core/io/FileIO.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The clock setting a camera takes from its card: "SETTING/time.dat" holds
// one line "yyyy,MM,dd,HH,mm,ss,Z" (Z: the zone offset as sign and four
// digits). The camera sets its clock when it finds the file.
class CameraClockFile
{
public:
    static QString path(const QString &root);

    static QByteArray format(const QDateTime &time);
    // The time of a file's text, with its own zone offset; nothing for any
    // other text.
    static std::optional<QDateTime> parse(const QByteArray &text);

    // Nothing when the card has no readable clock file.
    static std::optional<QDateTime> read(const QString &root);
    static FileIO::WriteResult write(const QString &root, const QDateTime &time);
    // Removes the file; true when it is gone (or never was).
    static bool remove(const QString &root);
};
