#include "RiffBuilder.h"
#include "TempFolder.h"

#include "CliRun.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Two seconds: a fix at 10 knots, then a second marker.
QByteArray twoSecondAvi()
{
    QByteArray chunks;
    for (int i = 0; i < 5; ++i)
        chunks += RiffBuilder::text(RiffBuilder::accelerationRecord(uint8_t(128 - i), 128, 0));
    chunks += RiffBuilder::text("$GPRMC,1,A,3723.2475,N,12702.1234,E,10.0");
    chunks +=
        RiffBuilder::text(RiffBuilder::accelerationRecord(120, 130, 128)) + RiffBuilder::text("T");
    return RiffBuilder::avi(chunks);
}

const QString kCsvHeader = QStringLiteral("index,time,gx,gy,gz,lat,lng,speed\n");

} // namespace

TEST(TelemetryCommand, FormatsReadersAndRefusalsAndSubtitles)
{
    TempFolder folder;
    const QByteArray compact =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(129, 128, 128)) +
                         RiffBuilder::text("$GPRMC,1,V"));
    const QMap<QString, QString> paths = {
        {"drive", folder.write(QStringLiteral("clip -1 é.avi"), twoSecondAvi())},
        {"named", folder.write(QStringLiteral("Rec_0001.avi"), compact)},
        {"other", folder.write(QStringLiteral("other.avi"), compact)},
        {"blank", folder.write(QStringLiteral("blank.mp4"), "not a recording")},
        {"dir", folder.path()},
        {"srt", folder.write(QStringLiteral("clip.srt"),
                             "1\n00:00:01,000 --> 00:00:01,100\n"
                             "gsensor,1,2,3;GPRMC,1,A,3723.2475,N,12702.1234,E,10.0\n\n"
                             "2\n00:00:01,500 --> 00:00:01,600\ngsensor,4,5,6\n\n")}};
    CliRun::expect(
        {
            // Every sample as CSV: ten tenths of a second with a fix, ten without.
            {"telemetry @drive", 0, kCsvHeader + "0,0.0,0,0,128,37.387459,127.035393,19\n1,0.1,"},
            {"telemetry @drive", 0, "\n9,0.9,4,0,128,37.387459,127.035393,19\n10,1.0,"},
            {"telemetry @drive", 0,
             "\n18,1.8,8,-2,0,0.000000,0.000000,0\n19,1.9,8,-2,0,0.000000,0.000000,0\n"},
            {"telemetry --format=geojson @drive", 0,
             R"("properties":{"name":"clip -1 é","samples":20,"gps":10},"geometry":{"type":"LineString","coordinates":[[127.035393,37.387459],)"},
            {"telemetry --format gpx @drive", 0, R"(<trkpt lat="37.387459" lon="127.035393">)"},
            // The compact layout chosen by the name, or by the option.
            {"telemetry @named", 0, "\n0,0.0,10,0,0,"},
            {"telemetry --compact @other", 0, "\n9,0.9,10,0,0,"},
            // The chain's AVI reader reads the same record in the standard layout.
            {"telemetry --chain @named", 0, "\n0,0.0,-1,0,0,"},
            // A file without telemetry gives an empty track.
            {"telemetry @blank", 0, kCsvHeader, true},
            {"telemetry --format gpx --format=csv @blank", 0, kCsvHeader, true}, // the last counts
            {"telemetry --format gpx @blank", 0,
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" "
             "creator=\"Torvaview\"\n"
             "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"},
            {"telemetry --format gpx @blank", 0,
             "  <trk>\n    <name>blank</name>\n    <trkseg>\n    </trkseg>\n  </trk>\n</gpx>\n"},
            {"telemetry --format geojson @blank", 0, R"("gps":0},"geometry":null}]})"},
            {"telemetry", 2,
             "torva: FILE is missing\ntorva: usage: torva telemetry [--compact|--chain] "
             "[--format csv|gpx|geojson] FILE\n"},
            {"telemetry --format kml x", 2, "torva: unknown format \"kml\"\n"},
            {"telemetry --compact --chain x", 2, "--compact and --chain exclude each other"},
            {"telemetry --format", 2, "torva: --format needs a value\n"},
            {"telemetry --nope a", 2, "torva: unknown option --nope\n"},
            {"telemetry @dir/nope.avi", 1, "torva: @dir/nope.avi: no such file\n"},
            {"telemetry @dir", 1, "torva: @dir: is a folder, not a file\n"},
            {"telemetry -", 1, "torva: -: no such file\n"}, // a lone dash is a name
            {"subtitles @srt", 0,
             "cts,gx,gy,gz,lat,lng,speed\n1000,1,2,3,37.387459,127.035385,19\n"
             "1500,4,5,6,512.000000,512.000000,1024\n",
             true},
            {"subtitles @srt --at 10", 0, "sensor 1 2 3\ngps 0 37.387459 127.035385 19\n", true},
            {"subtitles --at 12 @srt", 0, "sensor none\ngps 1 37.387459 127.035385 19\n", true},
            {"subtitles @srt --at 40", 0, "sensor none\ngps 2\n", true},
            {"subtitles @srt --at x", 2, "torva: --at needs a whole number\n"},
            {"subtitles @dir/none.srt", 1, "torva: @dir/none.srt: no such file\n"},
        },
        paths);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 5) << "nothing written beside";
}
