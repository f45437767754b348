#include "DriveRecordingBuilder.h"
#include "TempFolder.h"
#include "TemporaryHome.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/Trip.h"
#include "core/telemetry/DrivingEvents.h"
#include "core/telemetry/TorvaClipData.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Builder = DriveRecordingBuilder;
using Thresholds = DrivingEvents::Thresholds;

// The events of the trip as "recording milliseconds kind peak;", its
// recordings numbered from 0 (tripOf).
std::string found(const Trip &trip, const Thresholds &thresholds = {})
{
    QString text;
    for (const DrivingEvents::Event &event : DrivingEvents::ofTrip(trip, thresholds))
        text += QFileInfo(event.file).baseName() +
                QString::asprintf(" %lld %s %g;", qlonglong(event.milliseconds),
                                  DrivingEvents::kindName(event.kind), event.peakG);
    return text.toStdString();
}

// A trip of recordings holding the samples given.
Trip tripOf(const TempFolder &folder, const std::vector<std::vector<Builder::Sample>> &recordings)
{
    Trip trip;
    for (const auto &samples : recordings)
        trip.recordings.append({folder.write(QString::number(trip.recordings.size()) + ".avi",
                                             Builder::avi(1, samples)),
                                {},
                                {},
                                {},
                                1.0,
                                {}});
    return trip;
}

} // namespace

TEST(DrivingEvents, ThresholdsDurationSignsAndNoise)
{
    // 0.40 g is 51.2 units: 51 stays below, 52 is above. A run needs two
    // samples (0.2 s) unless it holds an impact (above 1.5 g).
    const struct
    {
        std::vector<int> x, y, z;
        const char *events;
    } cases[] = {
        {{0, 10, -20, 51, -51}, {}, {}, ""},
        {{0, 0, -90, 0}, {}, {}, ""},         // a single spike
        {{60, 0, 60, 0, -60, 0}, {}, {}, ""}, // spikes apart
        {{0, 0, -52, -64, 0}, {}, {}, "0 200 braking 0.5;"},
        {{0, 64, 96, 52}, {}, {}, "0 100 acceleration 0.75;"},
        {{0, 0, 0, -64, -64}, {}, {}, "0 300 braking 0.5;"}, // to the track's end
        {{10, 10, 10}, {0, -64, -70}, {}, "0 100 braking 0.546875;"},
        {{}, {}, {128, 128, 200, 128}, "0 200 impact 1.5625;"},
        {{-60, -200, -60, 0}, {}, {}, "0 0 impact 1.5625;"}, // the run is the impact
        {{}, {}, {192, 0}, ""},                              // 1.5 g itself
        {{-64, -64, 0, 0, 64, 64, 64}, {}, {}, "0 0 braking 0.5;0 400 acceleration 0.5;"},
    };
    TempFolder folder;
    for (const auto &c : cases)
        EXPECT_EQ(found(tripOf(folder, {Builder::shaking(c.x, c.y, c.z)})), c.events)
            << "case " << &c - cases;
    // A longer duration: the first run is a sample short.
    const Trip longer =
        tripOf(folder, {Builder::shaking({0, 40, 40, 40, 40, 0, 40, 40, 40, 40, 40})});
    EXPECT_EQ(found(longer, {0.3, 0.5, 1.5}), "0 600 acceleration 0.3125;");
    // A trip's events come recording by recording; a missing file has none.
    Trip trip =
        tripOf(folder, {Builder::shaking({0, -64, -64}), Builder::shaking({}, {}, {0, 255})});
    trip.recordings.append({folder.path("missing.avi"), {}, {}, {}, 1.0, {}});
    EXPECT_EQ(found(trip), "0 100 braking 0.5;1 100 impact 1.99219;");
}

TEST(DrivingEvents, ThresholdsFromPreferences)
{
    TemporaryHome home;
    TorvaPreferences preferences;
    // Values that would find everything or nothing fall back to the defaults.
    const struct
    {
        QVariant harsh, seconds, impact;
        const char *read;
    } cases[] = {
        {{}, {}, {}, "0.4 0.2 1.5"},
        {0.3, QStringLiteral("0.5"), 2.5, "0.3 0.5 2.5"},
        {0.0, QStringLiteral("soon"), qQNaN(), "0.4 0.2 1.5"},
    };
    for (const auto &c : cases) {
        if (c.harsh.isValid()) {
            preferences.setValue(TorvaPreferences::kHarshThresholdKey, c.harsh);
            preferences.setValue(TorvaPreferences::kHarshDurationKey, c.seconds);
            preferences.setValue(TorvaPreferences::kImpactThresholdKey, c.impact);
        }
        const Thresholds read = Thresholds::fromPreferences(preferences);
        EXPECT_EQ(QString::asprintf("%g %g %g", read.harshG, read.harshSeconds, read.impactG)
                      .toStdString(),
                  c.read);
    }
}

// An event's place: the fix of its moment, else the nearest one either way.
TEST(DrivingEvents, PlaceOfAnEventIsTheNearestFix)
{
    TelemetrySamples samples;
    for (size_t i : {3u, 9u}) {
        samples.gpsInfoLat[i] = float(37 + i);
        samples.gpsInfoLng[i] = 127.0f;
    }
    TorvaClipData track;
    track.storeSamples(samples, 12, 12);
    track.setClipDataCount(12);
    const struct
    {
        int64_t milliseconds;
        double lat;
    } places[] = {{300, 40}, {0, 40}, {500, 40}, {700, 46}, {1100, 46}, {99999, 46}};
    for (const auto &place : places) {
        const auto found = DrivingEvents::placeOf(track, place.milliseconds);
        ASSERT_TRUE(found) << place.milliseconds;
        EXPECT_EQ(found->lat, place.lat) << place.milliseconds;
    }
    EXPECT_FALSE(DrivingEvents::placeOf(TorvaClipData{}, 0));
}
