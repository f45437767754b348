#pragma once

#include <QColor>
#include <QString>

class TorvaColor
{
public:
    // "d6dfe9" gives red 214/255, green 223/255, blue 233/255, opaque; text
    // that is not hexadecimal gives opaque black.
    static QColor colorWithHexColorString(const QString &text);
};
