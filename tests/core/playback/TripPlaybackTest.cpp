#include "core/playback/TripPlayback.h"
#include "core/library/TripTexts.h"

#include <gtest/gtest.h>

namespace {

Trip threeRecordings()
{
    Trip trip;
    for (const auto &[path, seconds] :
         {std::pair{"/c/a_F.mp4", 30.0}, {"/c/b.avi", 20.0}, {"/c/c.avi", 30.0}}) {
        Trip::Recording recording;
        recording.path = QString::fromLatin1(path);
        recording.seconds = seconds;
        trip.recordings.append(recording);
        trip.seconds += seconds;
    }
    trip.recordings[0].partnerPath = "/c/a_R.mp4";
    return trip;
}

} // namespace

TEST(TripPlayback, NextRecordingAndPlacesOnTheTimeline)
{
    TripPlayback playback;
    EXPECT_FALSE(playback.isActive());
    EXPECT_EQ(playback.placeAt(10).index, -1);
    playback.setTrip(threeRecordings());
    EXPECT_EQ(playback.indexOf("/c/a_R.mp4"), 0);
    EXPECT_EQ(playback.indexOf(""), -1);
    EXPECT_EQ(playback.nextAfter("/c/a_F.mp4"), "/c/b.avi");
    EXPECT_EQ(playback.nextAfter("/c/c.avi"), std::nullopt);
    EXPECT_EQ(playback.nextAfter("/elsewhere.avi"), std::nullopt);
    EXPECT_DOUBLE_EQ(playback.offsetOf(2), 50.0);
    EXPECT_DOUBLE_EQ(playback.offsetOf(9), 80.0);

    const struct
    {
        double at;
        qsizetype index;
        double seconds;
    } places[] = {{-5, 0, 0}, {0, 0, 0}, {29.9, 0, 29.9}, {30, 1, 0}, {55, 2, 5}, {500, 2, 30}};
    for (const auto &place : places) {
        const TripPlayback::Place found = playback.placeAt(place.at);
        EXPECT_EQ(found.index, place.index) << place.at;
        EXPECT_NEAR(found.seconds, place.seconds, 1e-9) << place.at;
    }
    playback.clear();
    EXPECT_FALSE(playback.isActive());
}

TEST(TripTexts, LengthAndDistanceInTheUnit)
{
    EXPECT_EQ(TripTexts::lengthText(309.4), "5:09");
    EXPECT_EQ(TripTexts::lengthText(3909), "1:05:09");
    EXPECT_EQ(TripTexts::eventTimeText(57.34), "0:57.3");
    EXPECT_EQ(TripTexts::eventTimeText(59.96), "1:00.0");
    EXPECT_EQ(TripTexts::distanceText(12345, false), "12.3 km");
    EXPECT_EQ(TripTexts::distanceText(12345, true), "7.7 mi");
}
