#include "cli/TelemetryCommand.h"

#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"

#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/telemetry/TrackExporter.h"

#include <QFileInfo>

#include <memory>

const char *TelemetryCommand::usage()
{
    return "torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE";
}

int TelemetryCommand::run(const QStringList &args, CliOutput &output)
{
    using Choice = TelemetrySource::Choice;
    const CommandArguments parsed =
        CommandArguments::parse(args, {{QStringLiteral("--compact"), QStringLiteral("--chain")},
                                       {QStringLiteral("--format")},
                                       QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    if (parsed.isSet(QStringLiteral("--compact")) && parsed.isSet(QStringLiteral("--chain")))
        return output.usageError(QStringLiteral("--compact and --chain exclude each other"),
                                 usage());
    Choice choice = Choice::ByName;
    if (parsed.isSet(QStringLiteral("--compact")))
        choice = Choice::CompactFamily;
    else if (parsed.isSet(QStringLiteral("--chain")))
        choice = Choice::ReaderChain;
    TrackExporter::Format format = TrackExporter::Format::Csv;
    if (const auto name = parsed.value(QStringLiteral("--format"))) {
        const auto chosen = TrackExporter::formatFromName(*name);
        if (!chosen)
            return output.usageError(QStringLiteral("unknown format \"%1\"").arg(*name), usage());
        format = *chosen;
    }
    const QString file = parsed.positional();
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;

    auto track = std::make_unique<TorvaClipData>();
    track->load(file, choice);
    output.write(TrackExporter::exportTrack(*track, format, QFileInfo(file).completeBaseName()));
    return CliOutput::kOk;
}
