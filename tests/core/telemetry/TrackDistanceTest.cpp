#include "core/telemetry/TrackDistance.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TrackDistance, HaversineAgainstHandComputation)
{
    // On a meridian and on the equator an arc of d degrees is R × d × π / 180:
    // 0.01° is 1111.949 m. At 60° N a little under half the equator's degree
    // (55 597.46 m along the parallel): the great circle bulges towards the
    // pole. Antipodes: half the circumference, where rounding could break asin.
    const double cases[][5] = {
        {37.0, 127.0, 37.01, 127.0, 1111.949}, {0.0, 0.0, 0.0, -1.0, 111194.927},
        {60.0, 10.0, 60.0, 11.0, 55596.934},   {37.5, 127.0, 37.5, 127.0, 0.0},
        {0.0, 0.0, 0.0, 180.0, 20015086.796},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(TrackDistance::haversineMetres(c[0], c[1], c[2], c[3]), c[4], 0.001) << c[4];
}

TEST(TrackDistance, FixesOnlyAndMovingSpeed)
{
    // Four fixes 0.01° apart northwards with a sample without fix between
    // two of them: three legs. Speeds 0 and 4 count as standing.
    TelemetrySamples samples;
    const float latitudes[] = {37.0f, 37.01f, 0.0f, 37.02f, 37.03f};
    const uint32_t speeds[] = {0, 40, 99, 4, 80};
    for (size_t i = 0; i < 5; ++i) {
        samples.gpsInfoLat[i] = latitudes[i];
        samples.gpsInfoLng[i] = latitudes[i] == 0.0f ? 0.0f : 127.0f;
        samples.gpsSpeed[i] = speeds[i];
    }
    auto track = std::make_unique<TorvaClipData>();
    track->storeSamples(samples, 5, 4);
    track->setClipDataCount(5);

    TrackDistance distance;
    EXPECT_EQ(distance.averageMovingSpeedKmh(), 0.0);
    distance.add(*track);
    TrackDistance twice;
    twice.add(distance);
    twice.add(distance);
    // float positions carry about 0.4 m of rounding each.
    EXPECT_NEAR(distance.metres(), 3 * 1111.949, 2.0);
    EXPECT_NEAR(twice.metres(), 2 * distance.metres(), 1e-6);
    for (const TrackDistance &d : {distance, twice}) {
        EXPECT_EQ(d.topSpeedKmh(), 80.0); // the 99 has no fix
        EXPECT_EQ(d.averageMovingSpeedKmh(), 60.0);
    }
}
