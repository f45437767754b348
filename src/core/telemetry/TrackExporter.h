#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class TorvaClipData;

// Writes a telemetry track as CSV (every sample), GPX 1.1 or GeoJSON (the
// samples with a fix), for the command line and the viewer's export alike.
class TrackExporter
{
public:
    enum class Format
    {
        Csv,
        Gpx,
        GeoJson,
    };

    static std::optional<Format> formatFromName(const QString &name);
    static QByteArray exportTrack(const TorvaClipData &track, Format format,
                                  const QString &trackName);

    static QByteArray toCsv(const TorvaClipData &track);
    // With a valid firstSampleTime every point has its time, sample i
    // i / 10 s after it, in UTC.
    static QByteArray toGpx(const TorvaClipData &track, const QString &trackName,
                            const QDateTime &firstSampleTime = {});
    static QByteArray toGeoJson(const TorvaClipData &track, const QString &trackName);
};
