#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <QList>

#include <optional>

class TorvaClipData;

// Writes a telemetry track as CSV (every sample), GPX 1.1 or GeoJSON (the
// samples with a fix), for the command line and the viewer's export alike.
// Several tracks, the recordings of a trip, make one track of segments: a
// GPX track segment each, a GeoJSON MultiLineString with a line each (of
// those with two fixes or more), and CSV rows with the segment's number
// before the index. One segment writes exactly what a single track does.
class TrackExporter
{
public:
    struct Segment
    {
        const TorvaClipData *track = nullptr;
        // When the segment's sample 0 was taken; GPX times need it.
        QDateTime firstSampleTime;
    };

    enum class Format
    {
        Csv,
        Gpx,
        GeoJson,
    };

    static std::optional<Format> formatFromName(const QString &name);
    static QByteArray exportTrack(const TorvaClipData &track, Format format,
                                  const QString &trackName);

    static QByteArray exportSegments(const QList<Segment> &segments, Format format,
                                     const QString &trackName);

    static QByteArray toCsv(const TorvaClipData &track);
    // With a valid firstSampleTime every point has its time, sample i
    // i / 10 s after it, in UTC.
    static QByteArray toGpx(const TorvaClipData &track, const QString &trackName,
                            const QDateTime &firstSampleTime = {});
    static QByteArray toGeoJson(const TorvaClipData &track, const QString &trackName);

    static QByteArray toCsv(const QList<Segment> &segments);
    // Every point with its time when its segment's firstSampleTime is valid.
    static QByteArray toGpx(const QList<Segment> &segments, const QString &trackName);
    static QByteArray toGeoJson(const QList<Segment> &segments, const QString &trackName);
};
