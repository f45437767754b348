#include "core/format/SystemTool.h"

#include "core/video/ChildProcess.h"

#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

QString SystemTool::find(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(name,
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                           QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
}

SystemTool::Run SystemTool::run(const QString &name, const QStringList &arguments)
{
    const QString program = find(name);
    if (program.isEmpty())
        return {-1, name + QStringLiteral(": not found")};
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    const QString output = ChildProcess::run(process, program, arguments);
    return {ChildProcess::exitCode(process), output};
}

QString SystemTool::tail(const QString &output)
{
    constexpr qsizetype kLines = 6;
    QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Progress counters redraw themselves with backspaces.
    for (QString &line : lines) {
        line.remove(QLatin1Char('\b'));
        line = line.simplified();
    }
    lines.removeAll(QString());
    return lines.mid(std::max<qsizetype>(0, lines.size() - kLines)).join(QLatin1Char('\n'));
}
