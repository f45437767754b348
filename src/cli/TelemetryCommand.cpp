#include "cli/TelemetryCommand.h"

#include "cli/CliOutput.h"
#include "cli/InputFile.h"

#include "core/telemetry/RecordingTrack.h"
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
    using Reader = RecordingTrack::Reader;
    Reader reader = Reader::ByName;
    TrackExporter::Format format = TrackExporter::Format::Csv;
    QString file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--compact") || arg == QLatin1String("--chain")) {
            const Reader wanted =
                arg == QLatin1String("--compact") ? Reader::CompactFamily : Reader::ReaderChain;
            if (reader != Reader::ByName && reader != wanted)
                return output.usageError(QStringLiteral("--compact and --chain exclude each other"),
                                         usage());
            reader = wanted;
        } else if (arg == QLatin1String("--format") || arg.startsWith(QLatin1String("--format="))) {
            QString name = arg.mid(9);
            if (arg == QLatin1String("--format")) {
                if (++i >= args.size())
                    return output.usageError(QStringLiteral("--format needs a value"), usage());
                name = args[i];
            }
            const auto chosen = TrackExporter::formatFromName(name);
            if (!chosen)
                return output.usageError(QStringLiteral("unknown format \"%1\"").arg(name),
                                         usage());
            format = *chosen;
        } else if (const int code = InputFile::take(args, i, file, output, usage());
                   code != CliOutput::kOk) {
            return code;
        }
    }
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;

    auto track = std::make_unique<TorvaClipData>();
    RecordingTrack::load(file, reader, *track);
    output.write(TrackExporter::exportTrack(*track, format, QFileInfo(file).completeBaseName()));
    return CliOutput::kOk;
}
