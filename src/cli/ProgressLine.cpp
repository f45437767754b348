#include "cli/ProgressLine.h"

#include <cstdio>
#include <unistd.h>

std::function<void(double)> ProgressLine::shower(const QString &task)
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [task](double fraction) {
        const QByteArray line =
            QStringLiteral("\r%1: %2%").arg(task, QString::number(int(fraction * 100))).toUtf8();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
    };
}

void ProgressLine::clear()
{
    if (isatty(STDERR_FILENO))
        std::fputs("\r\033[K", stderr);
}
