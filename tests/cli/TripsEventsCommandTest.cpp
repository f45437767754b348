#include "DriveRecordingBuilder.h"
#include "TempFolder.h"
#include "TemporaryHome.h"

#include "CliRun.h"

#include "core/i18n/TorvaPreferences.h"

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

using Builder = DriveRecordingBuilder;

// A card with one drive of two minute-long recordings (the second a
// front/rear pair) 30 s apart, one lone event recording, and a file with a
// braking and an impact.
struct Card
{
    TempFolder folder;
    const QString first =
        folder.write("cont_rec/REC_20260514_083000.avi", Builder::minuteNorth(37.0));
    const QString second =
        folder.write("cont_rec/REC_20260514_083130_F.avi", Builder::minuteNorth(37.125));
    const QString rear = folder.write("cont_rec/REC_20260514_083130_R.avi", Builder::avi(60, {}));
    const QString shaken = folder.write(
        "evt_rec/EVT_20260514_090000.avi",
        Builder::avi(2, Builder::shaking({0, -64, -70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {},
                                         {128, 128, 128, 128, 128, 300})));
    const QMap<QString, QString> paths{
        {"card", folder.path()}, {"first", first}, {"second", second}, {"shaken", shaken}};
};

// 59 steps of 0.0001° on a meridian, twice: 1312.1 m.
const QString kDrive = QStringLiteral(
    R"({"start":"2026-05-14T08:30:00","end":"2026-05-14T08:32:30","seconds":120,"distance_m":1312,"recordings":["@first","@second"]})");
const QString kEvent = QStringLiteral(
    R"({"start":"2026-05-14T09:00:00","end":"2026-05-14T09:00:02","seconds":2,"distance_m":0,"recordings":["@shaken"]})");
const QString kEvents =
    QStringLiteral(R"({"file":"@shaken","time":0.1,"kind":"braking","peak_g":0.547},)"
                   "\n  "
                   R"({"file":"@shaken","time":0.5,"kind":"impact","peak_g":2.344})");

void setPreference(const QString &key, const QVariant &value)
{
    TorvaPreferences preferences;
    preferences.setValue(key, value);
    preferences.save();
}

} // namespace

TEST(TripsCommand, ListsTripsAndRefuses)
{
    TemporaryHome home;
    const Card card;
    TempFolder empty;
    QMap<QString, QString> paths = card.paths;
    paths.insert("empty", empty.path());
    CliRun::expect(
        {
            {"trips --json @card", 0, "[\n  " + kDrive + ",\n  " + kEvent + "\n]\n", true},
            {"trips @card", 0,
             "0\t2026-05-14T08:30:00\t2026-05-14T08:32:30\t120 s\t1312 m\ttop 40 km/h\tmoving 40 "
             "km/h\t2 recordings\tcont_rec\n1\t2026-05-14T09:00:00"},
            {"trips --json @card/photo", 1, "torva: @card/photo: no such folder\n", true},
            {"trips --json @first", 1, "is a file, not a card folder"},
            {"trips", 2, "torva: DIR is missing\ntorva: usage: torva trips DIR [--json]\n", true},
            {"trips --json @empty", 0, "[]\n", true},
        },
        paths);

    // A shorter gap from the preferences parts the drive; one out of range is ignored.
    for (const auto &[gap, trips] : {std::pair{QVariant(29), 3}, {QVariant(-5), 2}}) {
        setPreference(TorvaPreferences::kTripGapKey, gap);
        CliRun::expect({{"trips @card", 0, QString::number(trips - 1) + "\t2026-05-14T09:00:00"}},
                       card.paths);
    }
}

TEST(EventsCommand, FileAndCardInTimeOrder)
{
    TemporaryHome home;
    const Card card;
    CliRun::expect(
        {
            {"events --json @shaken", 0, "[\n  " + kEvents + "\n]\n", true},
            {"events --json @card", 0, "[\n  " + kEvents + "\n]\n", true},
            {"events @shaken", 0,
             "@shaken\t0.1 s\tbraking\t0.547 g\n@shaken\t0.5 s\timpact\t2.344 g\n", true},
            {"events --json @first", 0, "[]\n", true},
            {"events @card/none.avi", 1, "torva: @card/none.avi: no such file\n"},
            {"events", 2, "torva: FILE|DIR is missing\n"},
        },
        card.paths);
    // A higher impact threshold leaves the hard braking alone.
    setPreference(TorvaPreferences::kImpactThresholdKey, 2.5);
    CliRun::expect({{"events @shaken", 0, "@shaken\t0.1 s\tbraking\t0.547 g\n", true}}, card.paths);
}

TEST(TelemetryCommand, TripAsOneTrackOfSegments)
{
    TemporaryHome home;
    const Card card;
    // GPX times are UTC: the recording's local start plus the sample's time.
    const QString firstPoint =
        QDateTime(QDate(2026, 5, 14), QTime(8, 31, 30)).toUTC().toString(Qt::ISODateWithMs);
    CliRun::expect(
        {
            {"telemetry --trip @card --trip-index 0 --format gpx", 0,
             "    </trkseg>\n    <trkseg>\n      <trkpt lat=\"37.125000\" "
             "lon=\"127.000000\"><time>" +
                 firstPoint + "</time>"},
            {"telemetry --trip @card --trip-index 0 --format geojson", 0,
             R"("properties":{"name":"2026-05-14T08:30:00","samples":1200,"gps":1200},"geometry":{"type":"MultiLineString","coordinates":[[[127.000000,37.000000],)"},
            {"telemetry --trip @card --trip-index 0", 0,
             "segment,index,time,gx,gy,gz,lat,lng,speed\n0,0,0.0,0,0,128,37.000000,127.000000,"
             "40\n"},
            {"telemetry --trip @card --trip-index 0", 0,
             "\n1,599,59.9,0,0,128,37.130901,127.000000,40\n"},
            // A trip of one recording reads like the recording alone.
            {"telemetry --trip @card --trip-index 1", 0, "index,time,gx,gy,gz,lat,lng,speed\n0,"},
            {"telemetry --trip @card --trip-index 2", 1, "torva: @card: has 2 trips, no trip 2\n"},
            {"telemetry --trip @card --trip-index -1", 2, "--trip-index needs a number from 0"},
            {"telemetry --trip @card --trip-index x", 2, "--trip-index needs a number from 0"},
            {"telemetry --trip @card", 2, "--trip and --trip-index go together"},
            {"telemetry --trip-index 0 @first", 2, "--trip and --trip-index go together"},
            {"telemetry --trip @card --trip-index 0 @first", 2, "--trip takes no FILE"},
            {"telemetry --compact --trip @card --trip-index 0", 2,
             "--compact and --chain choose a FILE's reader"},
            {"telemetry --trip @card/photo --trip-index 0", 1, "no such folder"},
        },
        card.paths);
}

TEST(TelemetryCommand, TripGpxReadsBackInGpsbabel)
{
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty())
        GTEST_SKIP() << "gpsbabel is not installed";
    TemporaryHome home;
    const Card card;
    const QString gpx = card.folder.path("trip.gpx");
    QProcess torva;
    torva.setStandardOutputFile(gpx);
    torva.start(QStringLiteral(TORVA_CLI_PATH), {"telemetry", "--trip", card.folder.path(),
                                                 "--trip-index", "0", "--format", "gpx"});
    ASSERT_TRUE(torva.waitForFinished(60000) && torva.exitCode() == 0);

    // gpsbabel rewrites the track; what it kept shows what it understood.
    QProcess babel;
    babel.start(gpsbabel, {"-t", "-i", "gpx", "-f", gpx, "-o", "gpx", "-F", "-"});
    ASSERT_TRUE(babel.waitForFinished(60000) && babel.exitCode() == 0)
        << babel.readAllStandardError().constData();
    const QByteArray read = babel.readAllStandardOutput();
    EXPECT_EQ(read.count("<trk>"), 1);
    EXPECT_EQ(read.count("<trkseg>"), 2);
    EXPECT_EQ(read.count("<trkpt "), 1200);
    const QString firstTime =
        QDateTime(QDate(2026, 5, 14), QTime(8, 30, 0)).toUTC().toString(Qt::ISODate);
    EXPECT_TRUE(read.contains("<time>" + firstTime.toLatin1() + "</time>"))
        << qPrintable(firstTime);
}
