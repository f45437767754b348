#include "core/telemetry/TrackDistance.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TrackDistance, HaversineAgainstHandComputation)
{
    // On a meridian and on the equator an arc of d degrees is R × d × π / 180:
    // 0.01° is 1111.949 m; a degree of longitude at 60° N half of the equator's.
    const struct
    {
        double lat1, lng1, lat2, lng2, metres, tolerance;
    } cases[] = {
        {37.0, 127.0, 37.01, 127.0, 1111.949, 0.001},
        {0.0, 0.0, 0.0, 1.0, 111194.927, 0.001},
        {0.0, 0.0, 0.0, -1.0, 111194.927, 0.001},
        // At 60° N: a little under half the equator's degree (55 597.46 m along
        // the parallel), since the great circle bulges towards the pole.
        {60.0, 10.0, 60.0, 11.0, 55596.934, 0.001},
        {37.5, 127.0, 37.5, 127.0, 0.0, 0.0},
        // Antipodes: half the circumference, where rounding could break asin.
        {0.0, 0.0, 0.0, 180.0, 20015086.796, 0.001},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.metres);
        EXPECT_NEAR(TrackDistance::haversineMetres(c.lat1, c.lng1, c.lat2, c.lng2), c.metres,
                    c.tolerance);
    }
}

TEST(TrackDistance, FixesOnlyAndMovingSpeed)
{
    // Four fixes 0.01° apart northwards with a sample without fix between
    // two of them: three legs. Speeds 0 and 4 count as standing.
    TelemetrySamples samples;
    const float latitudes[] = {37.0f, 37.01f, 0.0f, 37.02f, 37.03f};
    const float longitudes[] = {127.0f, 127.0f, 0.0f, 127.0f, 127.0f};
    const uint32_t speeds[] = {0, 40, 99, 4, 80};
    for (int i = 0; i < 5; ++i) {
        samples.gpsInfoLat[size_t(i)] = latitudes[i];
        samples.gpsInfoLng[size_t(i)] = longitudes[i];
        samples.gpsSpeed[size_t(i)] = speeds[i];
    }
    auto track = std::make_unique<TorvaClipData>();
    track->storeSamples(samples, 5, 4);
    track->setClipDataCount(5);

    TrackDistance distance;
    EXPECT_EQ(distance.averageMovingSpeedKmh(), 0.0);
    distance.add(*track);
    // float positions carry about 0.4 m of rounding each.
    EXPECT_NEAR(distance.metres(), 3 * 1111.949, 2.0);
    EXPECT_EQ(distance.topSpeedKmh(), 80.0); // the 99 has no fix
    EXPECT_EQ(distance.averageMovingSpeedKmh(), 60.0);

    TrackDistance twice;
    twice.add(distance);
    twice.add(distance);
    EXPECT_NEAR(twice.metres(), 2 * distance.metres(), 1e-6);
    EXPECT_EQ(twice.topSpeedKmh(), 80.0);
    EXPECT_EQ(twice.averageMovingSpeedKmh(), 60.0);
}
