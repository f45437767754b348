#include "CliRun.h"

#include "cli/CliOutput.h"
#include "cli/TorvaCli.h"

#include <QProcess>

#include <gtest/gtest.h>

CliRun CliRun::torva(const QStringList &args)
{
    CliRun run;
    CliOutput output(&run.out, &run.err);
    run.code = TorvaCli::run(QStringList{QStringLiteral("torva")} + args, output);
    return run;
}

CliRun CliRun::program(const QStringList &args, const QProcessEnvironment &environment,
                       const QStringList &prefix)
{
    const QStringList command = prefix + QStringList{QStringLiteral(TORVA_CLI_PATH)} + args;
    QProcess torva;
    torva.setProcessEnvironment(environment);
    torva.start(command.first(), command.mid(1));
    if (!torva.waitForFinished(60000) || torva.exitStatus() != QProcess::NormalExit)
        return {-1, {}, torva.errorString().toUtf8()};
    return {torva.exitCode(), torva.readAllStandardOutput(), torva.readAllStandardError()};
}

void CliRun::expect(const QList<Case> &cases, const QMap<QString, QString> &paths,
                    const std::optional<QProcessEnvironment> &environment)
{
    const auto fill = [&paths](QString text) {
        for (auto it = paths.begin(); it != paths.end(); ++it)
            text.replace('@' + it.key(), it.value());
        return text;
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(qPrintable(row.args));
        QStringList args = row.args.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString &arg : args)
            arg = fill(arg);
        const CliRun run = environment ? program(args, *environment) : torva(args);
        EXPECT_EQ(run.code, row.code) << run.err.constData();
        EXPECT_EQ(row.code == 0 ? run.err : run.out, "");
        const QByteArray &printed = row.code == 0 ? run.out : run.err;
        const QByteArray says = fill(row.says).toUtf8();
        if (row.whole) {
            EXPECT_EQ(printed, says);
        } else {
            EXPECT_TRUE(printed.contains(says)) << printed.constData();
        }
    }
}
