#include "core/telemetry/TrackExporter.h"

#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TorvaClipData.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <vector>

namespace {

std::vector<int32_t> fixIndexes(const TorvaClipData &track)
{
    std::vector<int32_t> indexes;
    for (int32_t i = 0; i < track.sampleCount(); ++i) {
        if (track.hasFix(i))
            indexes.push_back(i);
    }
    return indexes;
}

QByteArray jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

std::optional<TrackExporter::Format> TrackExporter::formatFromName(const QString &name)
{
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("gpx"))
        return Format::Gpx;
    if (name == QLatin1String("geojson"))
        return Format::GeoJson;
    return std::nullopt;
}

QByteArray TrackExporter::exportTrack(const TorvaClipData &track, Format format,
                                      const QString &trackName)
{
    return exportSegments({{&track, {}}}, format, trackName);
}

QByteArray TrackExporter::exportSegments(const QList<Segment> &segments, Format format,
                                         const QString &trackName)
{
    switch (format) {
    case Format::Csv:
        return toCsv(segments);
    case Format::Gpx:
        return toGpx(segments, trackName);
    case Format::GeoJson:
        return toGeoJson(segments, trackName);
    }
    return {};
}

QByteArray TrackExporter::toCsv(const TorvaClipData &track)
{
    return toCsv({{&track, {}}});
}

QByteArray TrackExporter::toGpx(const TorvaClipData &track, const QString &trackName,
                                const QDateTime &firstSampleTime)
{
    return toGpx({{&track, firstSampleTime}}, trackName);
}

QByteArray TrackExporter::toGeoJson(const TorvaClipData &track, const QString &trackName)
{
    return toGeoJson({{&track, {}}}, trackName);
}

QByteArray TrackExporter::toCsv(const QList<Segment> &segments)
{
    const bool numbered = segments.size() > 1;
    QByteArray csv = numbered ? "segment," : "";
    csv += "index,time,gx,gy,gz,lat,lng,speed\n";
    for (qsizetype s = 0; s < segments.size(); ++s) {
        const TorvaClipData &track = *segments[s].track;
        const QByteArray prefix = numbered ? QByteArray::number(s) + ',' : QByteArray();
        for (int32_t i = 0; i < track.sampleCount(); ++i) {
            csv += prefix + QString::asprintf("%d,%d.%d,%d,%d,%d,%.6f,%.6f,%u\n", i, i / 10, i % 10,
                                              track.getGx(i), track.getGy(i), track.getGz(i),
                                              double(track.getGpsLat(i)),
                                              double(track.getGpsLng(i)), track.getGpsSpeed(i))
                                .toLatin1();
        }
    }
    return csv;
}

QByteArray TrackExporter::toGpx(const QList<Segment> &segments, const QString &trackName)
{
    QByteArray gpx =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"Torvaview\"\n"
        "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
        "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
        "  <trk>\n";
    gpx += "    <name>" + trackName.toHtmlEscaped().toUtf8() + "</name>\n";
    for (const Segment &segment : segments) {
        const TorvaClipData &track = *segment.track;
        gpx += "    <trkseg>\n";
        for (const int32_t i : fixIndexes(track)) {
            gpx += QString::asprintf("      <trkpt lat=\"%.6f\" lon=\"%.6f\">",
                                     double(track.getGpsLat(i)), double(track.getGpsLng(i)))
                       .toLatin1();
            if (segment.firstSampleTime.isValid()) {
                const QDateTime time = segment.firstSampleTime.addMSecs(
                    i * TelemetrySampleIndex::kMillisecondsPerSample);
                gpx += "<time>" + time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "</time>";
            }
            // Speeds are kept in km/h; GPX speaks metres per second.
            gpx += QString::asprintf("<extensions><gpxtpx:TrackPointExtension>"
                                     "<gpxtpx:speed>%.2f</gpxtpx:speed>"
                                     "</gpxtpx:TrackPointExtension></extensions></trkpt>\n",
                                     double(track.getGpsSpeed(i)) / 3.6)
                       .toLatin1();
        }
        gpx += "    </trkseg>\n";
    }
    gpx += "  </trk>\n</gpx>\n";
    return gpx;
}

QByteArray TrackExporter::toGeoJson(const QList<Segment> &segments, const QString &trackName)
{
    uint32_t samples = 0;
    uint32_t gps = 0;
    QList<QByteArray> lines;
    for (const Segment &segment : segments) {
        const TorvaClipData &track = *segment.track;
        samples += track.clipDataCount();
        gps += track.gpsDataCount();
        const std::vector<int32_t> fixes = fixIndexes(track);
        // A line needs two positions.
        if (fixes.size() < 2)
            continue;
        QByteArray line = "[";
        for (size_t k = 0; k < fixes.size(); ++k) {
            line += QString::asprintf("%s[%.6f,%.6f]", k == 0 ? "" : ",",
                                      double(track.getGpsLng(fixes[k])),
                                      double(track.getGpsLat(fixes[k])))
                        .toLatin1();
        }
        lines.append(line + ']');
    }
    QByteArray json = "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",";
    json += "\"properties\":{\"name\":" + jsonString(trackName) +
            QString::asprintf(",\"samples\":%u,\"gps\":%u},", samples, gps).toLatin1();
    if (lines.isEmpty())
        json += "\"geometry\":null}]}\n";
    else if (segments.size() == 1)
        json += "\"geometry\":{\"type\":\"LineString\",\"coordinates\":" + lines.first() + "}}]}\n";
    else
        json += "\"geometry\":{\"type\":\"MultiLineString\",\"coordinates\":[" + lines.join(',') +
                "]}}]}\n";
    return json;
}
