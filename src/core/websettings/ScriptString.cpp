#include "core/websettings/ScriptString.h"

QString ScriptString::quoted(const QString &text, QChar quote)
{
    QString literal;
    literal.reserve(text.size() + 2);
    literal += quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'\\':
        case u'"':
        case u'\'':
            literal += QLatin1Char('\\');
            literal += QChar(c);
            break;
        case u'\n':
            literal += QLatin1String("\\n");
            break;
        case u'\r':
            literal += QLatin1String("\\r");
            break;
        case u'/':
            literal += i > 0 && text[i - 1] == QLatin1Char('<') ? QLatin1String("\\/")
                                                                : QLatin1String("/");
            break;
        default:
            if (c < 0x20 || c == 0x7f || c == 0x2028 || c == 0x2029)
                literal += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
            else
                literal += QChar(c);
        }
    }
    literal += quote;
    return literal;
}
