#include "core/displays/MapScript.h"
#include "core/telemetry/TorvaClipData.h"

#include "PlaybackTrackBuilder.h"

#include <QLocale>
#include <QPointF>

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

} // namespace

TEST(MapScript, FixedCallsAndTheMarkerMove)
{
    EXPECT_EQ(MapScript::initialize(), "initialize()");
    EXPECT_EQ(MapScript::removePolyLine(), "removePolyLine()");
    // Longitude first, six decimals of the value widened to double.
    EXPECT_EQ(MapScript::moveToLat(37.5f, 127.25f), "MapMoveToAuto(127.250000,37.500000,-1)");
    EXPECT_EQ(MapScript::moveToLat(37.387459f, -127.0354f),
              "MapMoveToAuto(-127.035400,37.387459,-1)");
}

TEST(MapScript, NumbersIgnoreTheLocale)
{
    // Where it is installed, the C library's number format changes too.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString move = MapScript::moveToLat(37.5f, 127.25f);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(move, "MapMoveToAuto(127.250000,37.500000,-1)");
}

TEST(MapScript, RouteLeavesOutNoFixAtTheStartAndRepeatedPositions)
{
    const TorvaClipData track =
        trackAt({{0, 0}, {0, 0}, {37.5, 127.25}, {37.5, 127.25}, {37.625, 127.375}});
    EXPECT_EQ(MapScript::routePoints(track), "127.250000,37.500000|127.375000,37.625000");
    EXPECT_EQ(MapScript::addRoute(track),
              "addPolyLine('127.250000,37.500000|127.375000,37.625000', 'red', 4, 0.5)");
}

TEST(MapScript, RouteOfOnePositionIsOnePoint)
{
    EXPECT_EQ(MapScript::routePoints(trackAt({{37.5, 127.25}, {37.5, 127.25}, {37.5, 127.25}})),
              "127.250000,37.500000");
    // Repeats are only compared with the point written last.
    EXPECT_EQ(MapScript::routePoints(trackAt({{37.5, 127.25}, {37.625, 127.375}, {37.5, 127.25}})),
              "127.250000,37.500000|127.375000,37.625000|127.250000,37.500000");
}

TEST(MapScript, NoFixAfterARealPositionIsWritten)
{
    EXPECT_EQ(MapScript::routePoints(trackAt({{37.5, 127.25}, {0, 0}, {0, 0}, {37.5, 127.25}})),
              "127.250000,37.500000|0.000000,0.000000|127.250000,37.500000");
}

TEST(MapScript, RouteIsBoundByTheCountOfFixes)
{
    // Three fixes counted among five samples: the first three samples.
    const QList<QPointF> five = {
        {37.1, 127.1}, {37.2, 127.2}, {37.3, 127.3}, {37.4, 127.4}, {37.5, 127.5}};
    EXPECT_EQ(MapScript::routePoints(trackAt(five, 3)).count(QLatin1Char('|')), 2);
    // A fix count beyond the samples reads the no-data position there.
    EXPECT_TRUE(MapScript::routePoints(trackAt(five.mid(0, 1), 2))
                    .endsWith(QLatin1String("|512.000000,512.000000")));
    // No fixes: an empty line.
    EXPECT_EQ(MapScript::addRoute(trackAt(five, 0)), "addPolyLine('', 'red', 4, 0.5)");
    // 20 fixes after 10 samples without: the index still stops at 20, so
    // samples 10 … 19 make the route.
    EXPECT_EQ(MapScript::routePoints(PlaybackTrackBuilder::clipData(30, 10)).count('|'), 9);
}

TEST(MapScript, SetUpCallsQuoteTheirText)
{
    EXPECT_EQ(MapScript::setTileLayer(QStringLiteral("https://tile.example/{z}/{x}/{y}.png")),
              "torvaSetTileLayer(\"https://tile.example/{z}/{x}/{y}.png\")");
    EXPECT_EQ(MapScript::setTilesUnavailableNotice(QStringLiteral("l'\"carte\"\\\n</script>")),
              "torvaSetNotice(\"l'\\\"carte\\\"\\\\\\n</script>\")");
    EXPECT_EQ(MapScript::setTilesUnavailableNotice(QStringLiteral("지도")),
              QStringLiteral("torvaSetNotice(\"지도\")"));
}
