#include "DriveRecordingBuilder.h"
#include "TempFolder.h"

#include "core/library/TripGrouping.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/AviDuration.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

using Builder = DriveRecordingBuilder;

QByteArray withoutFix(int samples)
{
    return Builder::avi(samples / 10.0, Builder::shaking(std::vector<int>(size_t(samples), 0)));
}

QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 5, 14), QTime(hour, minute, second));
}

// Each trip as "start end recordings seconds kinds".
QStringList described(const QList<Trip> &trips)
{
    QStringList lines;
    for (const Trip &trip : trips) {
        QStringList kinds;
        for (const Trip::Recording &recording : trip.recordings)
            kinds.append(recording.kind);
        kinds.removeDuplicates();
        lines.append(QString::asprintf("%s %s %lld %g ",
                                       qPrintable(trip.start.toString("hh:mm:ss")),
                                       qPrintable(trip.end.toString("hh:mm:ss")),
                                       qlonglong(trip.recordings.size()), trip.seconds) +
                     kinds.join(','));
    }
    return lines;
}

} // namespace

TEST(TripGrouping, GapsKindsPairsMissingGpsAndNamesWithoutTimes)
{
    TempFolder card;
    card.write("cont_rec/REC_20260514_083000.avi", Builder::minuteNorth(37.0));
    card.write("cont_rec/REC_20260514_083100.avi", withoutFix(600));             // no GPS, no pause
    card.write("cont_rec/REC_20260514_083230.avi", Builder::minuteNorth(37.01)); // 30 s pause
    card.write("cont_rec/REC_20260514_083500.avi", withoutFix(600)); // 90 s: still the trip
    card.write("cont_rec/REC_20260514_083731.avi", withoutFix(600)); // 91 s: a new one
    card.write("evt_rec/EVT_20260514_083110.avi", withoutFix(100));  // another kind
    // An MP4 without a movie box: its length comes from its 600 samples.
    const QByteArray mp4 = "mp4 " + withoutFix(600).mid(4);
    const QString front = card.write("cont_rec/REC_20260514_090000_F.mp4", mp4);
    const QString rear = card.write("cont_rec/REC_20260514_090000_R.mp4", mp4);
    card.write("cont_rec/REC_20260514_090100_F.mp4", mp4);
    card.write("cont_rec/REC_20260514_090100_R.mp4", mp4);
    const QString loneRear = card.write("cont_rec/REC_20260514_100000_R.mp4", mp4);
    for (const auto &[name, time] :
         {std::pair{"clipA", at(11, 0, 0)}, {"clipB", at(11, 1, 30)}, {"clipC", at(11, 5, 0)}}) {
        QFile file(card.write(QStringLiteral("manual_rec/%1.avi").arg(name), withoutFix(600)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    card.write("photo/REC_20260514_083010.avi", withoutFix(600)); // not a card folder

    const QList<Trip> trips = TripGrouping::tripsOfCard(QUrl::fromLocalFile(card.path()), 90.0);
    EXPECT_EQ(described(trips),
              QStringList({"08:30:00 08:36:00 4 240 cont_rec", "08:31:10 08:31:20 1 10 evt_rec",
                           "08:37:31 08:38:31 1 60 cont_rec", "09:00:00 09:02:00 2 120 cont_rec",
                           "10:00:00 10:01:00 1 60 cont_rec", "11:00:00 11:02:30 2 120 manual_rec",
                           "11:05:00 11:06:00 1 60 manual_rec"}));
    ASSERT_EQ(trips.size(), 7);

    // Two recordings of 59 steps (11.12 m each); the one without GPS adds nothing.
    EXPECT_NEAR(trips[0].track.metres(), 2 * 59 * 11.1194927, 2.0);
    EXPECT_EQ(trips[0].recordings[1].track.metres(), 0.0);
    // A pair counts once, by its front file; a rear file alone stands for itself.
    EXPECT_EQ(trips[3].recordings[0].path, front);
    EXPECT_EQ(trips[3].recordings[0].partnerPath, rear);
    EXPECT_EQ(trips[4].recordings[0].path, loneRear);
    EXPECT_TRUE(trips[4].recordings[0].partnerPath.isEmpty());
}

TEST(TripGrouping, GroupingAlone)
{
    const auto recording = [](const char *path, const QDateTime &start) {
        return Trip::Recording{QString::fromUtf8(path), {}, {}, start, 60.0, {}};
    };
    // Two recordings of one moment stay in one trip, in name order.
    const QList<Trip> trips =
        TripGrouping::group({recording("/c/c.avi", at(8, 1, 0)), recording("/c/x.avi", {}),
                             recording("/c/b.avi", at(8, 1, 0)), recording("/c/a.avi", at(8, 0, 0)),
                             recording("/c/x.avi", {})},
                            0.0);
    EXPECT_EQ(described(trips), QStringList({"  1 60 ", "  1 60 ", "08:00:00 08:02:00 3 180 "}));
    ASSERT_EQ(trips.size(), 3);
    EXPECT_EQ(trips[2].recordings[1].path, "/c/b.avi");
    EXPECT_EQ(trips[2].recordings[2].path, "/c/c.avi");
    EXPECT_TRUE(TripGrouping::group({}, 90.0).isEmpty());
}

TEST(TripGrouping, KindsAndLengths)
{
    const std::pair<const char *, const char *> kinds[] = {
        {"/card/a.avi", ""},
        {"/card/evt_rec/a.avi", "evt_rec"},
        {"/card/Saved_Videos/2026/a.avi", "Saved_Videos"},
        {"/card/photo/a.avi", ""},
        {"/elsewhere/cont_rec/a.avi", ""},
    };
    for (const auto &[path, kind] : kinds)
        EXPECT_EQ(TripGrouping::kindOf("/card", path), QLatin1String(kind)) << path;

    TempFolder folder;
    const QByteArray header = Builder::avi(61.5, {});
    QByteArray noFrames = header;
    noFrames[48] = noFrames[49] = 0; // the frame count, 615, cleared
    const std::tuple<const char *, QByteArray, double> lengths[] = {
        {"header.avi", header, 61.5},
        {"cut.avi", header.left(40), 0.0},
        {"noframes.avi", noFrames, 0.0},
        // Without a container's length the samples count, ten a second.
        {"samples.mov", "mov " + withoutFix(123).mid(4), 12.3},
        {"samples.avi", "RIFX" + withoutFix(45).mid(4), 4.5},
    };
    for (const auto &[name, bytes, seconds] : lengths) {
        const QString path = folder.write(name, bytes);
        auto track = std::make_unique<TorvaClipData>();
        track->loadRecording(path);
        EXPECT_DOUBLE_EQ(TripGrouping::lengthSeconds(path, *track), seconds) << name;
    }
    EXPECT_FALSE(AviDuration::readFile(folder.path("missing.avi")));
}
