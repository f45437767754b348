#include "core/i18n/HexString.h"

#include <algorithm>

int HexString::hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QByteArray HexString::dataFromHexString(const QString &text)
{
    QByteArray bytes;
    bytes.reserve((text.size() + 1) / 2);
    for (qsizetype i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (qsizetype j = i; j < std::min(i + 2, text.size()); ++j) {
            const int digit = hexDigitValue(text[j]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        bytes.append(char(value));
    }
    return bytes;
}
