#include "RiffBuilder.h"
#include "TempFolder.h"

#include "CliRun.h"
#include "cli/TorvaCli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

using Result = CliRun;

Result runTorva(const QStringList &args)
{
    return CliRun::torva(args);
}

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

} // namespace

TEST(TelemetryCommand, CsvOfEverySampleFromTheProgramItself)
{
    TempFolder folder;
    const QString avi = folder.write(QStringLiteral("clip -1 é.avi"), twoSecondAvi());
    QProcess torva;
    torva.start(QStringLiteral(TORVA_CLI_PATH), {QStringLiteral("telemetry"), avi});
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), 0) << torva.readAllStandardError().constData();
    const QList<QByteArray> lines = torva.readAllStandardOutput().split('\n');
    ASSERT_EQ(lines.size(), 22); // header, 20 samples, and the final line break
    EXPECT_EQ(lines[0], "index,time,gx,gy,gz,lat,lng,speed");
    EXPECT_EQ(lines[1], "0,0.0,0,0,128,37.387459,127.035393,19");
    EXPECT_EQ(lines[10], "9,0.9,4,0,128,37.387459,127.035393,19");
    EXPECT_EQ(lines[20], "19,1.9,8,-2,0,0.000000,0.000000,0");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // nothing written beside it
}

TEST(TelemetryCommand, GpxAndGeoJsonOpenInOtherTools)
{
    TempFolder folder;
    const QString avi = folder.write(QStringLiteral("drive.avi"), twoSecondAvi());
    const Result gpx = runTorva(
        {QStringLiteral("telemetry"), QStringLiteral("--format"), QStringLiteral("gpx"), avi});
    ASSERT_EQ(gpx.code, 0);
    EXPECT_EQ(gpx.out.count("<trkpt "), 10);
    const QString gpxPath = folder.write(QStringLiteral("drive.gpx"), gpx.out);
    if (!QStandardPaths::findExecutable(QStringLiteral("gpsbabel")).isEmpty()) {
        QProcess babel;
        babel.start(QStringLiteral("gpsbabel"),
                    {"-t", "-i", "gpx", "-f", gpxPath, "-o", "unicsv", "-F", "-"});
        ASSERT_TRUE(babel.waitForFinished(30000));
        EXPECT_EQ(babel.exitCode(), 0) << babel.readAllStandardError().constData();
        const QList<QByteArray> rows = babel.readAllStandardOutput().trimmed().split('\n');
        ASSERT_EQ(rows.size(), 11);
        EXPECT_TRUE(rows[1].contains("37.387459")) << rows[1].constData();
        EXPECT_TRUE(rows[1].contains("127.035393"));
    }

    const Result geo =
        runTorva({QStringLiteral("telemetry"), QStringLiteral("--format=geojson"), avi});
    ASSERT_EQ(geo.code, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(geo.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonObject feature = document.object()["features"].toArray()[0].toObject();
    EXPECT_EQ(feature["properties"].toObject()["samples"].toInt(), 20);
    EXPECT_EQ(feature["properties"].toObject()["gps"].toInt(), 10);
    const QJsonArray coordinates = feature["geometry"].toObject()["coordinates"].toArray();
    ASSERT_EQ(coordinates.size(), 10);
    EXPECT_NEAR(coordinates[0].toArray()[0].toDouble(), 127.035393, 1e-9); // longitude first
}

TEST(TelemetryCommand, LoaderChoiceByNameAndByOption)
{
    TempFolder folder;
    const QByteArray compact =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(129, 128, 128)) +
                         RiffBuilder::text("$GPRMC,1,V"));
    const QString byName = folder.write(QStringLiteral("Rec_0001.avi"), compact);
    EXPECT_TRUE(runTorva({"telemetry", byName}).out.contains("\n0,0.0,10,0,0,"));
    // The chain's AVI reader reads the same record in the standard layout.
    EXPECT_TRUE(runTorva({"telemetry", "--chain", byName}).out.contains("\n0,0.0,-1,0,0,"));
    const QString other = folder.write(QStringLiteral("other.avi"), compact);
    EXPECT_TRUE(runTorva({"telemetry", "--compact", other}).out.contains("\n9,0.9,10,0,0,"));
}

TEST(TelemetryCommand, BadInputAndUsage)
{
    TempFolder folder;
    const Result missing = runTorva({"telemetry", folder.path("nope.avi")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("nope.avi: no such file"));
    EXPECT_EQ(runTorva({"telemetry", folder.path()}).code, 1);
    EXPECT_EQ(runTorva({"telemetry"}).code, 2);
    EXPECT_EQ(runTorva({"telemetry", "--format", "kml", "x"}).code, 2);
    EXPECT_EQ(runTorva({"telemetry", "--compact", "--chain", "x"}).code, 2);
    EXPECT_EQ(runTorva({"telemetry", "a", "b"}).code, 2);
    EXPECT_EQ(runTorva({"frobnicate"}).code, 2);
    const Result usage = runTorva({});
    EXPECT_EQ(usage.code, 2);
    EXPECT_TRUE(usage.err.contains("torva telemetry"));
    // A file without telemetry prints the header only.
    const Result empty = runTorva({"telemetry", folder.write("empty.mp4", "not a recording")});
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(empty.out.toStdString(), "index,time,gx,gy,gz,lat,lng,speed\n");
    EXPECT_TRUE(runTorva({"telemetry", "--format", "gpx", folder.path("empty.mp4")})
                    .out.contains("<trkseg>"));
    EXPECT_TRUE(runTorva({"telemetry", "--format", "geojson", folder.path("empty.mp4")})
                    .out.contains("\"geometry\":null"));
}

TEST(SubtitlesCommand, RowsAndLookups)
{
    TempFolder folder;
    const QString srt =
        folder.write(QStringLiteral("clip.srt"),
                     "1\n00:00:01,000 --> "
                     "00:00:01,100\ngsensor,1,2,3;GPRMC,1,A,3723.2475,N,12702.1234,E,10.0\n\n"
                     "2\n00:00:01,500 --> 00:00:01,600\ngsensor,4,5,6\n\n");
    const Result rows = runTorva({"subtitles", srt});
    ASSERT_EQ(rows.code, 0);
    EXPECT_EQ(rows.out.toStdString(), "cts,gx,gy,gz,lat,lng,speed\n"
                                      "1000,1,2,3,37.387459,127.035385,19\n"
                                      "1500,4,5,6,512.000000,512.000000,1024\n");
    EXPECT_EQ(runTorva({"subtitles", srt, "--at", "10"}).out.toStdString(),
              "sensor 1 2 3\ngps 0 37.387459 127.035385 19\n");
    EXPECT_EQ(runTorva({"subtitles", "--at", "12", srt}).out.toStdString(),
              "sensor none\ngps 1 37.387459 127.035385 19\n");
    EXPECT_EQ(runTorva({"subtitles", srt, "--at", "40"}).out.toStdString(), "sensor none\ngps 2\n");
    EXPECT_EQ(runTorva({"subtitles", srt, "--at", "x"}).code, 2);
    EXPECT_EQ(runTorva({"subtitles", folder.path("none.srt")}).code, 1);
}
