#include "DriveRecordingBuilder.h"
#include "TempFolder.h"
#include "TemporaryHome.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/Trip.h"
#include "core/telemetry/DrivingEvents.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Kind = DrivingEvents::Kind;
using Thresholds = DrivingEvents::Thresholds;

std::unique_ptr<TorvaClipData> track(const std::vector<int> &x, const std::vector<int> &y = {},
                                     const std::vector<int> &z = {})
{
    const auto samples = DriveRecordingBuilder::shaking(x, y, z);
    TelemetrySamples arrays;
    for (size_t i = 0; i < samples.size(); ++i) {
        arrays.gx[i] = int16_t(samples[i].x);
        arrays.gy[i] = int16_t(samples[i].y);
        arrays.gz[i] = int16_t(samples[i].z);
    }
    auto data = std::make_unique<TorvaClipData>();
    data->storeSamples(arrays, int(samples.size()), 0);
    data->setClipDataCount(uint32_t(samples.size()));
    return data;
}

struct Found
{
    int64_t milliseconds;
    Kind kind;
    double peakG;
};

} // namespace

TEST(DrivingEvents, ThresholdsDurationSignsAndNoise)
{
    // 0.40 g is 51.2 units: 51 stays below, 52 is above.
    const Thresholds defaults;
    const Thresholds longer{0.3, 0.5, 1.5};
    const struct
    {
        const char *what;
        std::vector<int> x, y, z;
        Thresholds thresholds;
        std::vector<Found> expected;
    } cases[] = {
        {"quiet", {0, 10, -20, 51, -51}, {}, {}, defaults, {}},
        {"a single spike is noise", {0, 0, -90, 0}, {}, {}, defaults, {}},
        {"spikes apart are noise", {60, 0, 60, 0, -60, 0}, {}, {}, defaults, {}},
        {"two samples held: braking",
         {0, 0, -52, -64, 0},
         {},
         {},
         defaults,
         {{200, Kind::Braking, 0.5}}},
        {"forwards: acceleration",
         {0, 64, 96, 52},
         {},
         {},
         defaults,
         {{100, Kind::Acceleration, 0.75}}},
        {"a run to the track's end counts",
         {0, 0, 0, -64, -64},
         {},
         {},
         defaults,
         {{300, Kind::Braking, 0.5}}},
        {"y alone, its sign deciding",
         {10, 10, 10},
         {0, -64, -70},
         {},
         defaults,
         {{100, Kind::Braking, 70.0 / 128}}},
        {"an impact on z, however short",
         {},
         {},
         {128, 128, 200, 128},
         defaults,
         {{200, Kind::Impact, 200.0 / 128}}},
        {"a harsh run holding an impact is the impact",
         {-60, -200, -60, 0},
         {},
         {},
         defaults,
         {{0, Kind::Impact, 200.0 / 128}}},
        {"1.5 g itself is no impact", {}, {}, {192, 0}, defaults, {}},
        {"two events apart",
         {-64, -64, 0, 0, 64, 64, 64},
         {},
         {},
         defaults,
         {{0, Kind::Braking, 0.5}, {400, Kind::Acceleration, 0.5}}},
        {"longer duration: four samples short",
         {0, 40, 40, 40, 40, 0, 40, 40, 40, 40, 40},
         {},
         {},
         longer,
         {{600, Kind::Acceleration, 40.0 / 128}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto data = track(c.x, c.y, c.z);
        const QList<DrivingEvents::Event> events = DrivingEvents::detect(*data, c.thresholds);
        ASSERT_EQ(size_t(events.size()), c.expected.size());
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(events[qsizetype(i)].milliseconds, c.expected[i].milliseconds);
            EXPECT_EQ(events[qsizetype(i)].kind, c.expected[i].kind);
            EXPECT_DOUBLE_EQ(events[qsizetype(i)].peakG, c.expected[i].peakG);
            EXPECT_TRUE(events[qsizetype(i)].file.isEmpty());
        }
    }
}

TEST(DrivingEvents, ThresholdsFromPreferences)
{
    TemporaryHome home;
    TorvaPreferences preferences;
    const Thresholds stored = Thresholds::fromPreferences(preferences);
    EXPECT_DOUBLE_EQ(stored.harshG, 0.40);
    EXPECT_DOUBLE_EQ(stored.harshSeconds, 0.2);
    EXPECT_DOUBLE_EQ(stored.impactG, 1.5);

    preferences.setValue(TorvaPreferences::kHarshThresholdKey, 0.3);
    preferences.setValue(TorvaPreferences::kHarshDurationKey, QStringLiteral("0.5"));
    preferences.setValue(TorvaPreferences::kImpactThresholdKey, 2.5);
    const Thresholds changed = Thresholds::fromPreferences(preferences);
    EXPECT_DOUBLE_EQ(changed.harshG, 0.3);
    EXPECT_DOUBLE_EQ(changed.harshSeconds, 0.5);
    EXPECT_DOUBLE_EQ(changed.impactG, 2.5);

    // Values that would find everything or nothing fall back to the defaults.
    preferences.setValue(TorvaPreferences::kHarshThresholdKey, 0.0);
    preferences.setValue(TorvaPreferences::kHarshDurationKey, QStringLiteral("soon"));
    preferences.setValue(TorvaPreferences::kImpactThresholdKey, qQNaN());
    const Thresholds refused = Thresholds::fromPreferences(preferences);
    EXPECT_DOUBLE_EQ(refused.harshG, 0.40);
    EXPECT_DOUBLE_EQ(refused.harshSeconds, 0.2);
    EXPECT_DOUBLE_EQ(refused.impactG, 1.5);
}

TEST(DrivingEvents, OfRecordingsAndTrips)
{
    TempFolder folder;
    const QString first = folder.write(
        "a.avi", DriveRecordingBuilder::avi(1, DriveRecordingBuilder::shaking({0, -64, -64})));
    const QString second = folder.write(
        "b.avi", DriveRecordingBuilder::avi(1, DriveRecordingBuilder::shaking({}, {}, {0, 255})));
    Trip trip;
    for (const QString &path : {first, second}) {
        Trip::Recording recording;
        recording.path = path;
        trip.recordings.append(recording);
    }
    const QList<DrivingEvents::Event> events = DrivingEvents::ofTrip(trip, {});
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].file, first);
    EXPECT_EQ(events[0].milliseconds, 100);
    EXPECT_EQ(events[1].file, second);
    EXPECT_EQ(events[1].kind, Kind::Impact);
    EXPECT_STREQ(DrivingEvents::kindName(events[1].kind), "impact");
    EXPECT_TRUE(DrivingEvents::ofRecording(folder.path("missing.avi"), {}).isEmpty());
}
