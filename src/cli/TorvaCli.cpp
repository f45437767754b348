#include "cli/TorvaCli.h"

#include "cli/CardCommand.h"
#include "cli/CliOutput.h"
#include "cli/ClipCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/DemoCardCommand.h"
#include "cli/EventsCommand.h"
#include "cli/ListCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/SubtitlesCommand.h"
#include "cli/TelemetryCommand.h"
#include "cli/TripsCommand.h"

namespace {

struct Command
{
    const char *name;
    int (*run)(const QStringList &, CliOutput &);
    const char *(*usage)();
};

const Command kCommands[] = {
    {"telemetry", &TelemetryCommand::run, &TelemetryCommand::usage},
    {"subtitles", &SubtitlesCommand::run, &SubtitlesCommand::usage},
    {"demo-card", &DemoCardCommand::run, &DemoCardCommand::usage},
    {"card", &CardCommand::run, &CardCommand::usage},
    {"settings", &SettingsCommand::run, &SettingsCommand::usage},
    {"convert", &ConvertCommand::run, &ConvertCommand::usage},
    {"clip", &ClipCommand::run, &ClipCommand::usage},
    {"list", &ListCommand::run, &ListCommand::usage},
    {"trips", &TripsCommand::run, &TripsCommand::usage},
    {"events", &EventsCommand::run, &EventsCommand::usage},
};

QString allUsages()
{
    QString text = QStringLiteral("torva COMMAND …, where COMMAND is one of:");
    for (const Command &command : kCommands)
        text += QStringLiteral("\n  ") + QString::fromLatin1(command.usage());
    return text + QStringLiteral("\n  torva --version\n  torva [COMMAND] --help");
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// "--help" among a command's options; after "--" it may be a file name.
bool asksForHelp(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            return false;
        if (isHelp(arg))
            return true;
    }
    return false;
}

int printUsage(CliOutput &output, const QString &usage)
{
    output.write(QStringLiteral("usage: %1\n").arg(usage).toUtf8());
    return CliOutput::kOk;
}

} // namespace

int TorvaCli::run(const QStringList &args)
{
    CliOutput output;
    return run(args, output);
}

int TorvaCli::run(const QStringList &args, CliOutput &output)
{
    if (args.size() < 2)
        return output.usageError(QStringLiteral("no command given"), allUsages());
    const QString &name = args[1];
    if (isHelp(name) || name == QLatin1String("help"))
        return printUsage(output, allUsages());
    if (name == QLatin1String("--version")) {
        output.write("torva " TORVA_VERSION "\n");
        return CliOutput::kOk;
    }
    for (const Command &command : kCommands) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList commandArgs = args.mid(2);
        if (asksForHelp(commandArgs))
            return printUsage(output, QString::fromLatin1(command.usage()));
        return command.run(commandArgs, output);
    }
    return output.usageError(QStringLiteral("unknown command \"%1\"").arg(name), allUsages());
}
