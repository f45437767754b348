#include "TelemetryCommand.h"

#include "CliOutput.h"
#include "InputFile.h"

#include "telemetry/TorvaClipData.h"
#include "telemetry/TrackExporter.h"

#include <QFileInfo>

#include <memory>

const char *TelemetryCommand::usage()
{
    return "torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE";
}

int TelemetryCommand::run(const QStringList &args, CliOutput &output)
{
    enum class Loader
    {
        ByName,
        Compact,
        Chain
    } loader = Loader::ByName;
    TrackExporter::Format format = TrackExporter::Format::Csv;
    QString file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--compact") || arg == QLatin1String("--chain")) {
            const Loader wanted =
                arg == QLatin1String("--compact") ? Loader::Compact : Loader::Chain;
            if (loader != Loader::ByName && loader != wanted)
                return output.usageError(QStringLiteral("--compact and --chain exclude each other"),
                                         usage());
            loader = wanted;
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
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1 && file.isEmpty() &&
                   arg != QLatin1String("--")) {
            return output.usageError(QStringLiteral("unknown option %1").arg(arg), usage());
        } else if (arg == QLatin1String("--") && i + 1 < args.size() && file.isEmpty()) {
            file = args[++i];
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return output.usageError(QStringLiteral("only one FILE, please"), usage());
        }
    }
    if (file.isEmpty())
        return output.usageError(QStringLiteral("FILE is missing"), usage());
    if (const QString reason = InputFile::unreadableReason(file); !reason.isEmpty())
        return output.inputError(file, reason);

    auto track = std::make_unique<TorvaClipData>();
    const bool compact =
        loader == Loader::Compact ||
        (loader == Loader::ByName && TorvaClipData::isCompactFamilyRecording(file));
    if (compact)
        track->loadVideoFileCilpDataFromFilePath_QMV(file);
    else
        track->loadVideoFileCilpDataFromFilePath(file);
    output.write(TrackExporter::exportTrack(*track, format, QFileInfo(file).completeBaseName()));
    return CliOutput::kOk;
}
