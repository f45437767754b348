#include "gui/controls/TorvaColor.h"

#include "core/controls/HexColorString.h"

QColor TorvaColor::colorWithHexColorString(const QString &text)
{
    const uint32_t rgb = HexColorString::scanHexInt(text);
    return QColor::fromRgbF(float(HexColorString::red(rgb)), float(HexColorString::green(rgb)),
                            float(HexColorString::blue(rgb)), 1.0f);
}
