#include "DriveRecordingBuilder.h"
#include "TempFolder.h"

#include "core/library/TripGrouping.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/AviDuration.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Builder = DriveRecordingBuilder;

// 0.0001° of latitude a second: 11.12 m/s, 40 km/h.
constexpr double kStep = 0.0001;
constexpr double kStepMetres = 11.1194927;

QByteArray driving(double latitude)
{
    return Builder::avi(60, Builder::northbound(600, latitude, 127.0, kStep, 40));
}

QByteArray withoutFix(int samples)
{
    return Builder::avi(samples / 10.0, Builder::shaking(std::vector<int>(size_t(samples), 0)));
}

// An MP4 without a movie box: its length comes from its 600 samples.
QByteArray mp4Minute()
{
    return "mp4 " + Builder::avi(60, Builder::northbound(600, 36.0, 128.0, 0.0, 0)).mid(4);
}

QString writeWithTime(const TempFolder &folder, const QString &name, const QDateTime &time)
{
    const QString path = folder.write(name, withoutFix(600));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(time, QFileDevice::FileModificationTime))
        qFatal("cannot set the time of %s", qPrintable(path));
    return path;
}

QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 5, 14), QTime(hour, minute, second));
}

} // namespace

TEST(TripGrouping, GapsKindsPairsMissingGpsAndNamesWithoutTimes)
{
    TempFolder card;
    const QString first = card.write("cont_rec/REC_20260514_083000.avi", driving(37.0));
    card.write("cont_rec/REC_20260514_083100.avi", withoutFix(600)); // no GPS, no pause
    card.write("cont_rec/REC_20260514_083230.avi", driving(37.01));  // 30 s pause
    card.write("cont_rec/REC_20260514_083500.avi", withoutFix(600)); // 90 s: still the trip
    card.write("cont_rec/REC_20260514_083731.avi", withoutFix(600)); // 91 s: a new one
    card.write("evt_rec/EVT_20260514_083110.avi", withoutFix(100));  // another kind
    const QString front = card.write("cont_rec/REC_20260514_090000_F.mp4", mp4Minute());
    const QString rear = card.write("cont_rec/REC_20260514_090000_R.mp4", mp4Minute());
    card.write("cont_rec/REC_20260514_090100_F.mp4", mp4Minute());
    card.write("cont_rec/REC_20260514_090100_R.mp4", mp4Minute());
    const QString loneRear = card.write("cont_rec/REC_20260514_100000_R.mp4", mp4Minute());
    writeWithTime(card, "manual_rec/clipA.avi", at(11, 0, 0));
    writeWithTime(card, "manual_rec/clipB.avi", at(11, 1, 30));
    writeWithTime(card, "manual_rec/clipC.avi", at(11, 5, 0));
    card.write("photo/REC_20260514_083010.avi", withoutFix(600)); // not a card folder

    const QList<Trip> trips = TripGrouping::tripsOfCard(QUrl::fromLocalFile(card.path()), 90.0);
    const struct
    {
        QDateTime start, end;
        int recordings;
        double seconds;
        const char *kind;
    } expected[] = {
        {at(8, 30, 0), at(8, 36, 0), 4, 240, "cont_rec"},
        {at(8, 31, 10), at(8, 31, 20), 1, 10, "evt_rec"},
        {at(8, 37, 31), at(8, 38, 31), 1, 60, "cont_rec"},
        {at(9, 0, 0), at(9, 2, 0), 2, 120, "cont_rec"},
        {at(10, 0, 0), at(10, 1, 0), 1, 60, "cont_rec"},
        {at(11, 0, 0), at(11, 2, 30), 2, 120, "manual_rec"},
        {at(11, 5, 0), at(11, 6, 0), 1, 60, "manual_rec"},
    };
    ASSERT_EQ(trips.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < trips.size(); ++i) {
        SCOPED_TRACE(i);
        const auto &want = expected[i];
        EXPECT_EQ(trips[i].start, want.start);
        EXPECT_EQ(trips[i].end, want.end);
        EXPECT_EQ(trips[i].recordings.size(), want.recordings);
        EXPECT_DOUBLE_EQ(trips[i].seconds, want.seconds);
        for (const Trip::Recording &recording : trips[i].recordings)
            EXPECT_EQ(recording.kind, QLatin1String(want.kind));
    }

    // Two recordings of 59 steps each; the one without GPS adds nothing.
    const Trip &drive = trips[0];
    EXPECT_EQ(drive.recordings[0].path, first);
    EXPECT_NEAR(drive.recordings[0].track.metres(), 59 * kStepMetres, 1.0);
    EXPECT_EQ(drive.recordings[1].track.metres(), 0.0);
    EXPECT_NEAR(drive.track.metres(), 2 * 59 * kStepMetres, 2.0);
    EXPECT_EQ(drive.track.topSpeedKmh(), 40.0);
    EXPECT_EQ(drive.track.averageMovingSpeedKmh(), 40.0);

    // A pair counts once, by its front file; a rear file alone stands for itself.
    EXPECT_EQ(trips[3].recordings[0].path, front);
    EXPECT_EQ(trips[3].recordings[0].partnerPath, rear);
    EXPECT_EQ(trips[4].recordings[0].path, loneRear);
    EXPECT_TRUE(trips[4].recordings[0].partnerPath.isEmpty());
}

TEST(TripGrouping, GroupingAlone)
{
    Trip::Recording undated{QStringLiteral("/c/x.avi"), {}, {}, {}, 60.0, {}};
    Trip::Recording a{QStringLiteral("/c/a.avi"), {}, {}, at(8, 0, 0), 60.0, {}};
    Trip::Recording b{QStringLiteral("/c/b.avi"), {}, {}, at(8, 1, 0), 60.0, {}};
    // Two recordings of one moment stay in one trip, in name order.
    Trip::Recording c{QStringLiteral("/c/c.avi"), {}, {}, at(8, 1, 0), 60.0, {}};
    const QList<Trip> trips = TripGrouping::group({c, undated, b, a, undated}, 0.0);
    ASSERT_EQ(trips.size(), 3);
    EXPECT_FALSE(trips[0].start.isValid());
    EXPECT_FALSE(trips[1].start.isValid());
    ASSERT_EQ(trips[2].recordings.size(), 3);
    EXPECT_EQ(trips[2].recordings[1].path, b.path);
    EXPECT_EQ(trips[2].recordings[2].path, c.path);
    EXPECT_TRUE(TripGrouping::group({}, 90.0).isEmpty());
}

TEST(TripGrouping, KindsAndLengths)
{
    const struct
    {
        const char *path;
        const char *kind;
    } kinds[] = {
        {"/card/a.avi", ""},
        {"/card/evt_rec/a.avi", "evt_rec"},
        {"/card/Saved_Videos/2026/a.avi", "Saved_Videos"},
        {"/card/photo/a.avi", ""},
        {"/elsewhere/cont_rec/a.avi", ""},
    };
    for (const auto &k : kinds)
        EXPECT_EQ(TripGrouping::kindOf(QStringLiteral("/card"), QString::fromUtf8(k.path)),
                  QLatin1String(k.kind))
            << k.path;

    TempFolder folder;
    const QByteArray header = Builder::avi(61.5, {});
    QByteArray noFrames = header;
    noFrames[48] = 0; // the frame count, 615, cleared
    noFrames[49] = 0;
    const struct
    {
        const char *name;
        QByteArray bytes;
        double seconds;
    } lengths[] = {
        {"header.avi", header, 61.5},
        {"cut.avi", header.left(40), 0.0},
        {"noframes.avi", noFrames, 0.0},
        // Without a container's length the samples count, ten a second.
        {"samples.mov", "mov " + withoutFix(123).mid(4), 12.3},
        {"samples.avi", "RIFX" + withoutFix(45).mid(4), 4.5},
    };
    for (const auto &l : lengths) {
        SCOPED_TRACE(l.name);
        const QString path = folder.write(QString::fromUtf8(l.name), l.bytes);
        auto track = std::make_unique<TorvaClipData>();
        track->loadRecording(path);
        EXPECT_DOUBLE_EQ(TripGrouping::lengthSeconds(path, *track), l.seconds);
    }
    EXPECT_FALSE(AviDuration::readFile(folder.path("missing.avi")));
}
