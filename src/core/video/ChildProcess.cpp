#include "core/video/ChildProcess.h"

#include <QDebug>

void ChildProcess::start(QProcess &process, const QString &program, const QStringList &arguments,
                         QProcess::ProcessChannelMode channels)
{
    process.setProcessChannelMode(channels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
}

QString ChildProcess::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    return run(process, program, arguments);
}

QString ChildProcess::run(QProcess &process, const QString &program, const QStringList &arguments)
{
    start(process, program, arguments);
    process.waitForFinished(-1);
    if (process.error() == QProcess::FailedToStart)
        qWarning() << "cannot run" << program << ":" << process.errorString();
    return QString::fromUtf8(process.readAll());
}

bool ChildProcess::succeeded(const QProcess &process)
{
    return exitCode(process) == 0;
}

int ChildProcess::exitCode(const QProcess &process)
{
    // error() also tells of a wait that timed out, which is no failure.
    const bool ended =
        process.error() != QProcess::FailedToStart && process.exitStatus() == QProcess::NormalExit;
    return ended ? process.exitCode() : -1;
}
