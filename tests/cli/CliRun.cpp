#include "CliRun.h"

#include "cli/CliOutput.h"
#include "cli/TorvaCli.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Printed
{
    int code = 0;
    QByteArray out;
    QByteArray err;
};

// args without the program name: {"telemetry", FILE}; code -1 when the
// program could not run.
Printed run(const QStringList &args, const std::optional<QProcessEnvironment> &environment)
{
    Printed printed;
    if (!environment) {
        CliOutput output(&printed.out, &printed.err);
        printed.code = TorvaCli::run(QStringList{QStringLiteral("torva")} + args, output);
        return printed;
    }
    QProcess torva;
    torva.setProcessEnvironment(*environment);
    torva.start(QStringLiteral(TORVA_CLI_PATH), args);
    if (!torva.waitForFinished(60000) || torva.exitStatus() != QProcess::NormalExit)
        return {-1, {}, torva.errorString().toUtf8()};
    return {torva.exitCode(), torva.readAllStandardOutput(), torva.readAllStandardError()};
}

} // namespace

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
        const Printed result = run(args, environment);
        EXPECT_EQ(result.code, row.code) << result.err.constData();
        EXPECT_EQ(row.code == 0 ? result.err : result.out, "");
        const QByteArray &printed = row.code == 0 ? result.out : result.err;
        const QByteArray says = fill(row.says).toUtf8();
        EXPECT_TRUE(row.whole ? printed == says : printed.contains(says)) << printed.constData();
    }
}
