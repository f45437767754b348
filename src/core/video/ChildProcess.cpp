#include "core/video/ChildProcess.h"

#include <QDebug>
#include <QProcess>

void ChildProcess::start(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
}

QString ChildProcess::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    start(process, program, arguments);
    process.waitForFinished(-1);
    if (process.error() == QProcess::FailedToStart)
        qWarning() << "cannot run" << program << ":" << process.errorString();
    return QString::fromUtf8(process.readAll());
}

bool ChildProcess::succeeded(const QProcess &process)
{
    // error() also tells of a wait that timed out, which is no failure.
    return process.error() != QProcess::FailedToStart &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
