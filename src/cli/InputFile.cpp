#include "cli/InputFile.h"

#include "cli/CliOutput.h"

#include <QFile>
#include <QFileInfo>

int InputFile::check(const QString &file, CliOutput &output, const char *usage)
{
    if (file.isEmpty())
        return output.usageError(QStringLiteral("FILE is missing"), usage);
    if (const QString reason = unreadableReason(file); !reason.isEmpty())
        return output.inputError(file, reason);
    return CliOutput::kOk;
}

QString InputFile::unreadableReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("is a folder, not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read (%1)").arg(file.errorString());
    return {};
}
