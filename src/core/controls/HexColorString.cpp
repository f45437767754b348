#include "core/controls/HexColorString.h"

#include "core/i18n/HexString.h"

#include <limits>

uint32_t HexColorString::scanHexInt(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const QStringView rest = text.mid(i);
    if (rest.size() > 2 && rest[0] == u'0' && (rest[1] == u'x' || rest[1] == u'X') &&
        HexString::hexDigitValue(rest[2]) >= 0)
        i += 2;
    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int digit = HexString::hexDigitValue(text[i]);
        if (digit < 0)
            break;
        value = value * 16 + uint64_t(digit);
        if (value > std::numeric_limits<uint32_t>::max()) {
            overflow = true;
            value = 0;
        }
    }
    return overflow ? std::numeric_limits<uint32_t>::max() : uint32_t(value);
}
