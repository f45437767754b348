#include "core/telemetry/SrtText.h"

#include <QString>

#include <algorithm>

QByteArray SrtText::time(int64_t milliseconds)
{
    const auto ms = static_cast<long long>(std::max<int64_t>(milliseconds, 0));
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000)
        .toLatin1();
}

QByteArray SrtText::cue(int number, int64_t startMilliseconds, int64_t endMilliseconds,
                        const QByteArray &text)
{
    return QByteArray::number(number) + '\n' + time(startMilliseconds) + " --> " +
           time(endMilliseconds) + '\n' + text + "\n\n";
}
