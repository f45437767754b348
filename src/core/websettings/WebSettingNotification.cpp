#include "core/websettings/WebSettingNotification.h"

#include <QStringList>

std::optional<PageNotification> WebSettingNotification::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.size() < 5)
        return std::nullopt;
    bool indexOk = false;
    bool countOk = false;
    const int index = parts[2].trimmed().toInt(&indexOk);
    const int buttonCount = parts[4].trimmed().toInt(&countOk);
    if (!indexOk || !countOk)
        return std::nullopt;
    return PageNotification{parts[0], parts[1], index, parts[3], buttonCount};
}
