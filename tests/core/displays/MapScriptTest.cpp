#include "core/displays/MapScript.h"
#include "core/displays/RouteSpeedBands.h"
#include "core/telemetry/TorvaClipData.h"

#include "PlaybackTrackBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPointF>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <clocale>

namespace {

// A track of the given positions, (latitude, longitude) as x and y; all of
// them count as samples with a fix unless gpsCount says otherwise.
TorvaClipData trackAt(const QList<QPointF> &positions, int gpsCount = -1)
{
    TelemetrySamples samples;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        samples.gpsInfoLat[size_t(i)] = float(positions[i].x());
        samples.gpsInfoLng[size_t(i)] = float(positions[i].y());
    }
    const auto count = int(positions.size());
    TorvaClipData track;
    track.storeSamples(samples, count, uint32_t(gpsCount < 0 ? count : gpsCount));
    track.setClipDataCount(uint32_t(count));
    return track;
}

const QPointF a(37.5, 127.25), b(37.625, 127.375), none(0, 0);
const QString pa = "127.250000,37.500000", pb = "127.375000,37.625000";

} // namespace

TEST(MapScript, MarkerMoveWritesLongitudeFirstWhateverTheLocale)
{
    // Where it is installed, the C library's number format changes too.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString move = MapScript::moveToLat(37.5f, -127.25f);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(move, "MapMoveToAuto(-127.250000,37.500000,-1)");
}

TEST(MapScript, RouteLeavesOutRepeatsOfTheLastPointWrittenUpToTheFixCount)
{
    // No fix at the start is left out; one after a real position is written.
    EXPECT_EQ(MapScript::addRoute(trackAt({none, none, a, a, b})),
              "addPolyLine('" + pa + '|' + pb + "', 'red', 4, 0.5)");
    EXPECT_EQ(MapScript::routePoints(trackAt({a, a, a})), pa);
    EXPECT_EQ(MapScript::routePoints(trackAt({a, b, a})), pa + '|' + pb + '|' + pa);
    EXPECT_EQ(MapScript::routePoints(trackAt({a, none, none, a})), pa + "|0.000000,0.000000|" + pa);
    EXPECT_EQ(MapScript::routePoints(trackAt({a, {37.5, 0}, {0, 127.25}})),
              pa + "|0.000000,37.500000|127.250000,0.000000");
    // Two fixes counted among three samples: the first two. A fix count beyond
    // the samples reads the no-data position there; no fixes, an empty line.
    EXPECT_EQ(MapScript::routePoints(trackAt({a, b, a}, 2)), pa + '|' + pb);
    EXPECT_EQ(MapScript::routePoints(trackAt({a}, 2)), pa + "|512.000000,512.000000");
    EXPECT_EQ(MapScript::addRoute(trackAt({a, b}, 0)), "addPolyLine('', 'red', 4, 0.5)");
    // 20 fixes after 10 samples without: the index still stops at 20, so
    // samples 10 … 19 make the route.
    EXPECT_EQ(MapScript::routePoints(PlaybackTrackBuilder::clipData(30, 10)).count('|'), 9);
}

TEST(MapScript, NoticeTextIsQuoted)
{
    EXPECT_EQ(MapScript::setTilesUnavailableNotice(QStringLiteral("l'\"carte\"\\\n</script>")),
              "torvaSetNotice(\"l\\'\\\"carte\\\"\\\\\\n<\\/script>\")");
    EXPECT_EQ(MapScript::setTilesUnavailableNotice(QStringLiteral("지도")),
              QStringLiteral("torvaSetNotice(\"지도\")"));
}

// A trip's route: red through every track in turn, or by speed in runs that
// join where the band changes, broken where a fix is missing; the legend
// follows the unit.
TEST(MapScript, TripRouteRedOrBySpeed)
{
    const QPointF c(37.75, 127.5), d(37.875, 127.625);
    const QString pc = "127.500000,37.750000", pd = "127.625000,37.875000";
    TorvaClipData first = trackAt({a, b});
    TorvaClipData second = trackAt({c, none, d});
    EXPECT_EQ(MapScript::addRoute({&first, &second}, false, false),
              "addPolyLine('" + pa + "|" + pb + "|" + pc + "|0.000000,0.000000|" + pd +
                  "', 'red', 4, 0.5)");
    EXPECT_EQ(MapScript::addRoute({&first}, false, false), MapScript::addRoute(first));

    TelemetrySamples samples;
    const QList<QPointF> positions = {a, b, c, none, d, a};
    const uint32_t kmh[] = {10, 10, 50, 50, 50, 50};
    for (qsizetype i = 0; i < positions.size(); ++i) {
        samples.gpsInfoLat[size_t(i)] = float(positions[i].x());
        samples.gpsInfoLng[size_t(i)] = float(positions[i].y());
        samples.gpsSpeed[size_t(i)] = kmh[i];
    }
    TorvaClipData track;
    track.storeSamples(samples, 6, 6);
    track.setClipDataCount(6);
    const QString script = MapScript::addRoute({&track}, true, false);
    ASSERT_TRUE(script.startsWith("torvaAddSpeedRoute(JSON.parse(\""));
    const QString json =
        script.section('"', 1, -2).replace(QStringLiteral("\\\""), QStringLiteral("\""));
    const QJsonObject route = QJsonDocument::fromJson(json.toUtf8()).object();
    const QJsonArray segments = route["segments"].toArray();
    ASSERT_EQ(segments.size(), 3);
    EXPECT_EQ(segments[0].toObject()["points"].toString(), pa + "|" + pb);
    EXPECT_EQ(segments[1].toObject()["points"].toString(), pb + "|" + pc);
    EXPECT_EQ(segments[2].toObject()["points"].toString(), pd + "|" + pa);
    EXPECT_EQ(segments[0].toObject()["colour"].toString(), RouteSpeedBands::colourOf(0));
    EXPECT_EQ(segments[1].toObject()["colour"].toString(), RouteSpeedBands::colourOf(2));
    EXPECT_EQ(route["legend"].toArray()[1].toObject()["label"].toString(),
              QString::fromUtf8("20–40 km/h"));
    // 50 km/h is 31 mph: the same band in mph.
    EXPECT_EQ(RouteSpeedBands::bandOf(50, true), 2);
    EXPECT_EQ(RouteSpeedBands::bandOf(90, false), 4);
    EXPECT_EQ(RouteSpeedBands::legend(true).last().label, QString::fromUtf8("≥ 60 mph"));
}

TEST(MapScript, EventMarkersTextCannotEndTheScript)
{
    const QString script =
        MapScript::setEventMarkers({{37.5, 127.25, "braking", "\"</script><b>'x"}});
    EXPECT_TRUE(script.startsWith("torvaSetEventMarkers(JSON.parse(\""));
    EXPECT_FALSE(script.contains("</script>"));
    EXPECT_EQ(script.count(QRegularExpression(R"re((^|[^\\])")re")), 2);
    EXPECT_EQ(MapScript::setEventMarkers({}), "torvaSetEventMarkers(JSON.parse(\"[]\"))");
}
