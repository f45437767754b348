#include "cli/ConvertCommand.h"

#include "cli/CachedConversion.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"

#include "core/video/ConversionCache.h"

const char *ConvertCommand::usage()
{
    return "torva convert [--] FILE";
}

int ConvertCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed = CommandArguments::parse(args, {{}, {}, QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    const QString file = parsed.positional();
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;

    // Held while converting, so that a viewer quitting meanwhile leaves the cache.
    const ConversionCache cache;
    const CachedConversion::Outcome converted = CachedConversion::run(file, output);
    for (const QString &playable : converted.files)
        output.write(CliOutput::field(playable) + '\n');
    return converted.code;
}
