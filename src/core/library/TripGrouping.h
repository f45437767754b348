#pragma once

#include "core/library/Trip.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class TorvaClipData;
class TorvaPreferences;

// Groups a card's recordings into trips. A recording starts at the date and
// time in its file name (RecordingStartTime), else at the file's modification
// time. It joins the trip of the previous recording of its kind when it
// starts no later than that one's start plus its length plus the gap.
//
// A recording's length is its container's: the MP4/MOV movie header or the
// AVI main header, read from the first bytes only; a file with neither
// counts its telemetry samples (ten a second, so at most 65 s). The
// telemetry itself is read once per recording for the trip's distance and
// speeds anyway, which makes the container the cheap part.
class TripGrouping
{
public:
    // The longest pause within a trip, from the preferences: up to a day,
    // since a longer pause is no pause within one drive.
    static double gapSeconds(const TorvaPreferences &preferences);

    // The trips of the card (RecordingFiles::listCardRecordings), front and
    // rear pairs counted once, in time order.
    static QList<Trip> tripsOfCard(const QUrl &folder, double gapSeconds);

    // The trips of recordings already described, in time order (then by
    // kind). A recording with no start time is a trip of its own.
    static QList<Trip> group(QList<Trip::Recording> recordings, double gapSeconds);

    // Reads what grouping needs from the file; kind is the card folder.
    static Trip::Recording describe(const QString &path, const QString &kind);

    // The recordings with the rear file of each front/rear pair left out,
    // in the given order; a rear file without its front file stays.
    static QStringList withoutRearPartners(const QList<QUrl> &recordings);

    // The card folder (RecordingFiles::cardFolderNames) a recording lies in
    // below root; empty for one in the root itself or elsewhere.
    static QString kindOf(const QString &root, const QString &path);

    // The date and time in the file name, else the file's modification time.
    static QDateTime startOf(const QString &path);

    // The container's length, else the track's samples at ten a second.
    static double lengthSeconds(const QString &path, const TorvaClipData &track);
};
