#pragma once

#include <QByteArray>
#include <QString>

namespace HexString {

// Hexadecimal text to bytes, two characters per byte; an odd last character
// is read alone. Each group counts by its leading hex digits only, so "0g"
// gives 0x00 and "g0" gives 0x00 as well.
QByteArray dataFromHexString(const QString &text);

// The value of one hexadecimal digit; -1 for any other character.
int hexDigitValue(QChar c);

} // namespace HexString
