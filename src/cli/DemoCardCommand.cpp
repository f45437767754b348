#include "cli/DemoCardCommand.h"

#include "cli/CliOutput.h"

#include "core/library/DemoCardWriter.h"

const char *DemoCardCommand::usage()
{
    return "torva demo-card DIR";
}

int DemoCardCommand::run(const QStringList &args, CliOutput &output)
{
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return output.usageError(QStringLiteral("one folder, please"), usage());
    const DemoCardWriter::Result result = DemoCardWriter::write(args[0]);
    if (!result.ok)
        return output.inputError(args[0], result.error);
    for (const QString &recording : result.recordings)
        output.write(recording.toUtf8() + '\n');
    return CliOutput::kOk;
}
