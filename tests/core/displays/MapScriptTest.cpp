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
