#include "cli/TripsCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/OrderedJsonObject.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/TripGrouping.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QUrl>

#include <cmath>

namespace {

OrderedJsonObject tripJson(const Trip &trip)
{
    QJsonArray paths;
    for (const Trip::Recording &recording : trip.recordings)
        paths.append(recording.path);
    OrderedJsonObject object;
    object.insert(QStringLiteral("start"), trip.start.toString(Qt::ISODate));
    object.insert(QStringLiteral("end"), trip.end.toString(Qt::ISODate));
    object.insert(QStringLiteral("seconds"), qint64(std::lround(trip.seconds)));
    object.insert(QStringLiteral("distance_m"), qint64(std::lround(trip.track.metres())));
    object.insert(QStringLiteral("recordings"), paths);
    return object;
}

QByteArray tripLine(qsizetype index, const Trip &trip)
{
    const QString kind = trip.recordings.first().kind;
    const qsizetype count = trip.recordings.size();
    return QString::asprintf("%lld\t%s\t%s\t%ld s\t%ld m\ttop %.0f km/h\tmoving %.0f km/h\t%lld "
                             "recording%s\t%s\n",
                             qlonglong(index), qPrintable(trip.start.toString(Qt::ISODate)),
                             qPrintable(trip.end.toString(Qt::ISODate)), std::lround(trip.seconds),
                             std::lround(trip.track.metres()), trip.track.topSpeedKmh(),
                             trip.track.averageMovingSpeedKmh(), qlonglong(count),
                             count == 1 ? "" : "s",
                             qPrintable(kind.isEmpty() ? QStringLiteral("-") : kind))
        .toUtf8();
}

} // namespace

const char *TripsCommand::usage()
{
    return "torva trips DIR [--json]";
}

QList<Trip> TripsCommand::tripsOf(const QString &dir)
{
    return TripGrouping::tripsOfCard(QUrl::fromLocalFile(QFileInfo(dir).absoluteFilePath()),
                                     TripGrouping::gapSeconds(TorvaPreferences()));
}

int TripsCommand::run(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed =
        CommandArguments::parse(args, {{QStringLiteral("--json")}, {}, QStringLiteral("DIR")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    const QString dir = parsed.positional();
    if (dir.isEmpty())
        return output.usageError(QStringLiteral("DIR is missing"), usage());
    if (const QString problem = CardCli::listingProblem(dir); !problem.isEmpty())
        return output.inputError(dir, problem);

    const QList<Trip> trips = tripsOf(dir);
    if (parsed.isSet(QStringLiteral("--json"))) {
        QList<OrderedJsonObject> objects;
        for (const Trip &trip : trips)
            objects.append(tripJson(trip));
        output.write(OrderedJsonObject::listToJson(objects));
        return CliOutput::kOk;
    }
    QByteArray text;
    for (qsizetype i = 0; i < trips.size(); ++i)
        text += tripLine(i, trips[i]);
    output.write(text);
    return CliOutput::kOk;
}
