#include "CliRun.h"

#include "cli/CliOutput.h"
#include "cli/TorvaCli.h"

#include <QJsonDocument>
#include <QRegularExpression>

CliRun CliRun::torva(const QStringList &args)
{
    CliRun run;
    CliOutput output(&run.out, &run.err);
    run.code = TorvaCli::run(QStringList{QStringLiteral("torva")} + args, output);
    return run;
}

QJsonObject CliRun::json() const
{
    return QJsonDocument::fromJson(out).object();
}

QStringList CliRun::keys() const
{
    QStringList names;
    static const QRegularExpression member(QStringLiteral("^  \"([^\"]*)\":"),
                                           QRegularExpression::MultilineOption);
    for (auto it = member.globalMatch(QString::fromUtf8(out)); it.hasNext();)
        names.append(it.next().captured(1));
    return names;
}
