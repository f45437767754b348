#include "core/library/TripGrouping.h"

#include "core/clip/RecordingStartTime.h"
#include "core/i18n/TorvaPreferences.h"
#include "core/library/RecordingFiles.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/AviDuration.h"
#include "core/video/Mp4Movie.h"
#include "core/video/RecordingPartner.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

QDateTime recordingEnd(const Trip::Recording &recording)
{
    return recording.start.addMSecs(qint64(recording.seconds * 1000.0));
}

void appendToTrip(Trip &trip, const Trip::Recording &recording)
{
    if (trip.recordings.isEmpty())
        trip.start = recording.start;
    trip.recordings.append(recording);
    trip.end = recordingEnd(recording);
    trip.seconds += recording.seconds;
    trip.track.add(recording.track);
}

bool follows(const Trip::Recording &previous, const Trip::Recording &next, double gapSeconds)
{
    if (!previous.start.isValid() || !next.start.isValid() || previous.kind != next.kind)
        return false;
    const qint64 pauseMs = recordingEnd(previous).msecsTo(next.start);
    return pauseMs <= qint64(gapSeconds * 1000.0);
}

} // namespace

QList<Trip> TripGrouping::tripsOfCard(const QUrl &folder, double gapSeconds)
{
    const QString root = QDir::cleanPath(QFileInfo(folder.toLocalFile()).absoluteFilePath());
    QList<Trip::Recording> recordings;
    for (const QString &path : withoutRearPartners(RecordingFiles::listCardRecordings(folder)))
        recordings.append(describe(path, kindOf(root, path)));
    return group(std::move(recordings), gapSeconds);
}

double TripGrouping::gapSeconds(const TorvaPreferences &preferences)
{
    return preferences.number(TorvaPreferences::kTripGapKey,
                              TorvaPreferences::kDefaultTripGapSeconds, 0.0, 86400.0);
}

QList<Trip> TripGrouping::group(QList<Trip::Recording> recordings, double gapSeconds)
{
    // Invalid starts sort first and never join; equal starts keep name order.
    std::stable_sort(recordings.begin(), recordings.end(),
                     [](const Trip::Recording &a, const Trip::Recording &b) {
                         if (a.kind != b.kind)
                             return a.kind < b.kind;
                         if (a.start != b.start)
                             return a.start < b.start;
                         return a.path < b.path;
                     });
    QList<Trip> trips;
    for (qsizetype i = 0; i < recordings.size(); ++i) {
        if (i == 0 || !follows(recordings[i - 1], recordings[i], gapSeconds))
            trips.append(Trip{});
        appendToTrip(trips.last(), recordings[i]);
    }
    std::stable_sort(trips.begin(), trips.end(), [](const Trip &a, const Trip &b) {
        if (a.start != b.start)
            return a.start < b.start;
        return a.recordings.first().kind < b.recordings.first().kind;
    });
    return trips;
}

Trip::Recording TripGrouping::describe(const QString &path, const QString &kind)
{
    Trip::Recording recording;
    recording.path = path;
    recording.kind = kind;
    const QString partner = RecordingPartner::partnerPath(path);
    if (!partner.isEmpty() && QFileInfo::exists(partner))
        recording.partnerPath = partner;
    recording.start = startOf(path);
    auto track = std::make_unique<TorvaClipData>();
    track->loadRecording(path);
    recording.seconds = lengthSeconds(path, *track);
    recording.track.add(*track);
    return recording;
}

QStringList TripGrouping::withoutRearPartners(const QList<QUrl> &recordings)
{
    QSet<QString> listed;
    for (const QUrl &url : recordings)
        listed.insert(url.toLocalFile());
    QStringList singles;
    for (const QUrl &url : recordings) {
        const QString path = url.toLocalFile();
        if (RecordingPartner::isRearRecording(path) &&
            listed.contains(RecordingPartner::partnerPath(path)))
            continue;
        singles.append(path);
    }
    return singles;
}

QString TripGrouping::kindOf(const QString &root, const QString &path)
{
    const QString relative = QDir(root).relativeFilePath(path);
    const QString first = relative.section(QLatin1Char('/'), 0, 0);
    if (relative.startsWith(QLatin1String("..")) || first == relative)
        return {};
    return RecordingFiles::cardFolderNames().contains(first) ? first : QString();
}

QDateTime TripGrouping::startOf(const QString &path)
{
    const QDateTime named = RecordingStartTime::fromFileName(path);
    return named.isValid() ? named : QFileInfo(path).lastModified();
}

double TripGrouping::lengthSeconds(const QString &path, const TorvaClipData &track)
{
    std::optional<double> container;
    if (RecordingFiles::hasRecordingExtension(path)) {
        if (QFileInfo(path).suffix().toLower() == QLatin1String("avi"))
            container = AviDuration::readFile(path);
        else if (const auto movie = Mp4Movie::readFile(path); movie && movie->duration > 0)
            container = movie->duration;
    }
    if (container)
        return *container;
    return double(track.sampleCount()) * TelemetrySampleIndex::kMillisecondsPerSample / 1000.0;
}
