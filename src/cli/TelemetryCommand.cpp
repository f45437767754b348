#include "cli/TelemetryCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"
#include "cli/TripsCommand.h"

#include "core/library/TripGrouping.h"

#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/telemetry/TrackExporter.h"

#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

int exportTrip(const CommandArguments &parsed, TrackExporter::Format format, CliOutput &output)
{
    const QString usage = QString::fromLatin1(TelemetryCommand::usage());
    const auto dir = parsed.value(QStringLiteral("--trip"));
    const auto index = parsed.value(QStringLiteral("--trip-index"));
    if (!dir || !index)
        return output.usageError(QStringLiteral("--trip and --trip-index go together"), usage);
    if (!parsed.positional().isEmpty())
        return output.usageError(QStringLiteral("--trip takes no FILE"), usage);
    if (parsed.isSet(QStringLiteral("--compact")) || parsed.isSet(QStringLiteral("--chain")))
        return output.usageError(QStringLiteral("--compact and --chain choose a FILE's reader"),
                                 usage);
    bool isNumber = false;
    const qlonglong number = index->toLongLong(&isNumber, 10);
    if (!isNumber || number < 0)
        return output.usageError(
            QStringLiteral("--trip-index needs a number from 0, not \"%1\"").arg(*index), usage);
    if (const QString problem = CardCli::listingProblem(*dir); !problem.isEmpty())
        return output.inputError(*dir, problem);

    const QList<Trip> trips = TripsCommand::tripsOf(*dir);
    if (number >= trips.size())
        return output.inputError(
            *dir, QStringLiteral("has %1 trips, no trip %2").arg(trips.size()).arg(number));
    const Trip &trip = trips[qsizetype(number)];
    std::vector<std::unique_ptr<TorvaClipData>> tracks;
    QList<TrackExporter::Segment> segments;
    for (const Trip::Recording &recording : trip.recordings) {
        tracks.push_back(std::make_unique<TorvaClipData>());
        tracks.back()->loadRecording(recording.path);
        segments.append({tracks.back().get(), recording.start});
    }
    const QString name =
        trip.start.isValid() ? trip.start.toString(Qt::ISODate) : QFileInfo(*dir).fileName();
    output.write(TrackExporter::exportSegments(segments, format, name));
    return CliOutput::kOk;
}

} // namespace

const char *TelemetryCommand::usage()
{
    return "torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE\n"
           "  torva telemetry --trip DIR --trip-index N [--format csv|gpx|geojson]";
}

int TelemetryCommand::run(const QStringList &args, CliOutput &output)
{
    using Choice = TelemetrySource::Choice;
    const CommandArguments parsed = CommandArguments::parse(
        args,
        {{QStringLiteral("--compact"), QStringLiteral("--chain")},
         {QStringLiteral("--format"), QStringLiteral("--trip"), QStringLiteral("--trip-index")},
         QStringLiteral("FILE")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    TrackExporter::Format format = TrackExporter::Format::Csv;
    if (const auto name = parsed.value(QStringLiteral("--format"))) {
        const auto chosen = TrackExporter::formatFromName(*name);
        if (!chosen)
            return output.usageError(QStringLiteral("unknown format \"%1\"").arg(*name), usage());
        format = *chosen;
    }
    if (parsed.value(QStringLiteral("--trip")) || parsed.value(QStringLiteral("--trip-index")))
        return exportTrip(parsed, format, output);
    if (parsed.isSet(QStringLiteral("--compact")) && parsed.isSet(QStringLiteral("--chain")))
        return output.usageError(QStringLiteral("--compact and --chain exclude each other"),
                                 usage());
    Choice choice = Choice::ByName;
    if (parsed.isSet(QStringLiteral("--compact")))
        choice = Choice::CompactFamily;
    else if (parsed.isSet(QStringLiteral("--chain")))
        choice = Choice::ReaderChain;
    const QString file = parsed.positional();
    if (const int code = InputFile::check(file, output, usage()); code != CliOutput::kOk)
        return code;

    auto track = std::make_unique<TorvaClipData>();
    track->load(file, choice);
    output.write(TrackExporter::exportTrack(*track, format, QFileInfo(file).completeBaseName()));
    return CliOutput::kOk;
}
