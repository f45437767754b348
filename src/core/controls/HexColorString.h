#pragma once

#include <QStringView>

#include <cstdint>

// A colour written as hexadecimal text, "d6dfe9" for instance: red in bits
// 16-23, green in 8-15, blue in 0-7, each component as a fraction of 255.
class HexColorString
{
public:
    // Skips leading white space and an optional "0x", then reads hexadecimal
    // digits up to the first other character. No digits give 0; a number too
    // large for 32 bits gives 0xFFFFFFFF.
    static uint32_t scanHexInt(QStringView text);

    static double red(uint32_t rgb) { return double((rgb >> 16) & 0xFF) / 255.0; }
    static double green(uint32_t rgb) { return double((rgb >> 8) & 0xFF) / 255.0; }
    static double blue(uint32_t rgb) { return double(rgb & 0xFF) / 255.0; }
};
