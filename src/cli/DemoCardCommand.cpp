#include "cli/DemoCardCommand.h"

#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"

#include "core/library/DemoCardWriter.h"

const char *DemoCardCommand::usage()
{
    return "torva demo-card DIR";
}

int DemoCardCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed =
        CommandArguments::parse(args, {{}, {}, QStringLiteral("folder")});
    if (!parsed.error().isEmpty() || parsed.positionals().size() != 1)
        return output.usageError(QStringLiteral("one folder, please"), usage());
    const QString dir = parsed.positional();
    const DemoCardWriter::Result result = DemoCardWriter::write(dir);
    if (!result.ok)
        return output.inputError(dir, result.error);
    for (const QString &recording : result.recordings)
        output.write(recording.toUtf8() + '\n');
    return CliOutput::kOk;
}
