#include "cli/EventsCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/InputFile.h"
#include "cli/OrderedJsonObject.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/RecordingFiles.h"
#include "core/library/TripGrouping.h"
#include "core/telemetry/DrivingEvents.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

using Event = DrivingEvents::Event;

// A card's recordings are ordered by when they began, then their events
// by time within them.
QList<Event> eventsOfCard(const QString &dir, const DrivingEvents::Thresholds &thresholds)
{
    const QStringList paths = TripGrouping::withoutRearPartners(
        RecordingFiles::listCardRecordings(QUrl::fromLocalFile(dir)));
    QList<QPair<QDateTime, QString>> recordings;
    for (const QString &path : paths)
        recordings.append({TripGrouping::startOf(path), path});
    std::stable_sort(recordings.begin(), recordings.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<Event> events;
    for (const auto &recording : recordings)
        events.append(DrivingEvents::ofRecording(recording.second, thresholds));
    return events;
}

double thousandths(double value)
{
    return std::round(value * 1000.0) / 1000.0;
}

} // namespace

const char *EventsCommand::usage()
{
    return "torva events FILE|DIR [--json]";
}

int EventsCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed =
        CommandArguments::parse(args, {{QStringLiteral("--json")}, {}, QStringLiteral("FILE|DIR")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    const QString target = parsed.positional();
    if (target.isEmpty())
        return output.usageError(QStringLiteral("FILE|DIR is missing"), usage());
    const QFileInfo info(target);
    const bool isFolder = info.isDir();
    if (isFolder) {
        if (const QString problem = CardCli::listingProblem(target); !problem.isEmpty())
            return output.inputError(target, problem);
    } else if (const int code = InputFile::check(target, output, usage()); code != CliOutput::kOk) {
        return code;
    }

    const auto thresholds = DrivingEvents::Thresholds::fromPreferences(TorvaPreferences());
    const QString path = info.absoluteFilePath();
    const QList<Event> events =
        isFolder ? eventsOfCard(path, thresholds) : DrivingEvents::ofRecording(path, thresholds);
    const bool json = parsed.isSet(QStringLiteral("--json"));
    QList<OrderedJsonObject> objects;
    QByteArray text;
    for (const Event &event : events) {
        const double seconds = double(event.milliseconds) / 1000.0;
        const double peak = thousandths(event.peakG);
        if (json) {
            OrderedJsonObject object;
            object.insert(QStringLiteral("file"), event.file);
            object.insert(QStringLiteral("time"), seconds);
            object.insert(QStringLiteral("kind"),
                          QLatin1String(DrivingEvents::kindName(event.kind)));
            object.insert(QStringLiteral("peak_g"), peak);
            objects.append(object);
        } else {
            text += CliOutput::field(event.file) +
                    QString::asprintf("\t%.1f s\t%s\t%.3f g\n", seconds,
                                      DrivingEvents::kindName(event.kind), peak)
                        .toUtf8();
        }
    }
    output.write(json ? OrderedJsonObject::listToJson(objects) : text);
    return CliOutput::kOk;
}
