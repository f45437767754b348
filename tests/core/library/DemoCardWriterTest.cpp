#include "TestMedia.h"

#include "core/library/DemoCardWriter.h"
#include "core/library/TripGrouping.h"
#include "core/settings/P820SettingManager.h"
#include "core/telemetry/DrivingEvents.h"
#include "core/telemetry/TorvaClipData.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

#include <gtest/gtest.h>

TEST(DemoCardWriter, WritesAPlayableCardWithTelemetryAndSettings)
{
    QTemporaryDir card;
    const DemoCardWriter::Result result = DemoCardWriter::write(card.path());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.recordings.size(), 10);
    P820SettingManager settings;
    EXPECT_EQ(settings.loadModelTypeWithSDPath(card.path()), 1); // P820
    EXPECT_EQ(settings.loadVersionSDPath(card.path()), "1.0.17");
    // Two cameras and sound in one AVI, with a fix after the first two
    // seconds; the event pair carries its telemetry as a subtitle stream.
    const QString continuous = card.filePath("cont_rec/REC_20260514_083000.avi");
    EXPECT_EQ(TestMedia::streams(continuous),
              QStringList({"h264,video,640,360", "h264,video,640,360", "pcm_s16le,audio"}));
    EXPECT_EQ(TestMedia::streams(card.filePath("evt_rec/EVT_20260514_083050_R.mp4")),
              QStringList({"h264,video,640,360", "aac,audio", "mov_text,subtitle,N/A,N/A"}));
    TorvaClipData track;
    track.loadVideoFileCilpDataFromFilePath(continuous);
    EXPECT_EQ(track.clipDataCount(), 300u);
    EXPECT_EQ(track.gpsDataCount(), 280u);
    EXPECT_NEAR(track.getGpsLat(20), 37.5665, 0.001);
    // The manual recording ends with a tail block.
    track.loadVideoFileCilpDataFromFilePath(card.filePath("manual_rec/MANUAL_20260514_083110.mp4"));
    EXPECT_EQ(track.gpsDataCount(), 100u);

    // The continuous recordings make one drive of three, braking hard in
    // the first and the last.
    const QList<Trip> trips = TripGrouping::tripsOfCard(QUrl::fromLocalFile(card.path()), 90.0);
    const auto drive = std::find_if(trips.begin(), trips.end(), [](const Trip &trip) {
        return trip.recordings.first().kind == QLatin1String("cont_rec");
    });
    ASSERT_NE(drive, trips.end());
    EXPECT_EQ(drive->recordings.size(), 3);
    EXPECT_NEAR(drive->seconds, 80.0, 0.5);
    QStringList braking;
    for (const DrivingEvents::Event &event : DrivingEvents::ofTrip(*drive, {}))
        if (event.kind == DrivingEvents::Kind::Braking)
            braking.append(QFileInfo(event.file).fileName());
    braking.removeDuplicates();
    EXPECT_EQ(braking, QStringList({"REC_20260514_083000.avi", "REC_20260514_083050.avi"}));
}
