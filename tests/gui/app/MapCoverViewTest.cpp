#include "../GuiTestEnvironment.h"
#include "../displays/LocalTileServer.h"
#include "../displays/TestArtifacts.h"

#include "core/displays/MapScript.h"
#include "core/displays/MapTileSource.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"
#include "gui/app/MapCoverView.h"
#include "gui/displays/MapController.h"
#include "gui/displays/MapWebPage.h"

#include "PlaybackTrackBuilder.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineView>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// The web engine starts its processes on first use; on a busy machine that
// and the first page load take seconds.
constexpr int kPageTimeoutMs = 60000;
// Nothing listens there, so every tile fails at once, with or without network.
const QString kUnreachableTiles = QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png");

class MapCoverViewTest : public ::testing::Test
{
protected:
    void SetUp() override { useTiles(kUnreachableTiles); }

    void TearDown() override
    {
        TorvaPreferences preferences;
        preferences.remove(QLatin1String(MapTileSource::kTileUrlKey));
        preferences.save();
    }

    static void useTiles(const QString &urlTemplate)
    {
        TorvaPreferences preferences;
        preferences.setValue(QLatin1String(MapTileSource::kTileUrlKey), urlTemplate);
        preferences.save();
    }

    // The map shown at a size, as playback shows it.
    static void showMap(MapCoverView &map)
    {
        map.resize(480, 360);
        map.show();
        map.setCoverHidden(true);
        map.setMapHidden(false);
    }
};

// Runs a script in the page and waits for its result.
QVariant evaluate(MapCoverView &map, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    map.mapWebView()->page()->runJavaScript(script,
                                            [result](const QVariant &value) { *result = value; });
    GuiTestEnvironment::waitFor([&] { return result->has_value(); }, kPageTimeoutMs);
    return result->value_or(QVariant());
}

QJsonObject mapState(MapCoverView &map)
{
    // Before its scripts have run the page has no state to give.
    const QVariant state = evaluate(
        map, QStringLiteral("typeof torvaMapState === 'function' ? torvaMapState() : '{}'"));
    return QJsonDocument::fromJson(state.toByteArray()).object();
}

// Asks the page until its state satisfies the condition; gives the last state.
QJsonObject waitForState(MapCoverView &map, const std::function<bool(const QJsonObject &)> &ok)
{
    QJsonObject state;
    GuiTestEnvironment::waitFor(
        [&] {
            state = mapState(map);
            return ok(state);
        },
        kPageTimeoutMs);
    return state;
}

QJsonArray latLng(double lat, double lng)
{
    return QJsonArray{lat, lng};
}

// The page's [lat, lng] pairs for a route string "lng,lat|lng,lat…".
QJsonArray latLngsOf(const QString &points)
{
    QJsonArray latLngs;
    for (const QString &point : points.split(QLatin1Char('|'))) {
        const QStringList lngLat = point.split(QLatin1Char(','));
        latLngs.append(latLng(lngLat.value(1).toDouble(), lngLat.value(0).toDouble()));
    }
    return latLngs;
}

bool near(QColor c, int r, int g, int b)
{
    return std::abs(c.red() - r) < 8 && std::abs(c.green() - g) < 8 && std::abs(c.blue() - b) < 8;
}

// Kinds of pixel in the map as drawn: the red route at half opacity, the
// blue car, the dark notice box and the tiles of LocalTileServer.
bool isRoute(QColor c)
{
    return c.red() > 200 && c.green() < 160 && c.blue() < 160;
}
bool isCar(QColor c)
{
    return c.blue() > 200 && c.red() < 80 && c.green() < 150;
}
bool isNotice(QColor c)
{
    return near(c, 70, 73, 76);
}
bool isTile(QColor c)
{
    return near(c, 0xe8, 0xf0, 0xe0);
}

int countPixels(const QImage &image, bool (*kind)(QColor))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += kind(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool showsRouteAndCar(const QImage &image)
{
    return countPixels(image, isRoute) > 50 && countPixels(image, isCar) > 50;
}

// Grabs the map until the picture passes the test; gives the last picture.
QImage waitForPicture(MapCoverView &map, const std::function<bool(const QImage &)> &ok)
{
    QImage image;
    GuiTestEnvironment::waitFor(
        [&] {
            image = map.grab().toImage();
            return ok(image);
        },
        kPageTimeoutMs);
    return image;
}

} // namespace

TEST_F(MapCoverViewTest, CallsMadeBeforeThePageLoadedDrawTheRouteAndTheCar)
{
    MapCoverView map;
    EXPECT_TRUE(map.isCoverShown());
    EXPECT_FALSE(map.isMapShown());
    showMap(map);
    EXPECT_FALSE(map.isCoverShown());
    EXPECT_TRUE(map.isMapShown());

    EXPECT_EQ(map.mapController()->webView(), map.mapWebView());
    ASSERT_FALSE(map.mapController()->isPageLoaded());
    const TorvaClipData track = PlaybackTrackBuilder::clipData(30, 10);
    map.removeMapLine();
    map.addRoute(track);
    map.moveToLat(37.5f, 127.25f);
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return map.mapController()->isPageLoaded(); },
                                            kPageTimeoutMs));

    QJsonObject state = waitForState(map, [](const QJsonObject &s) {
        return !s["car"].isNull() && !s["route"].toArray().isEmpty();
    });
    EXPECT_TRUE(state["ready"].toBool());
    EXPECT_EQ(state["waiting"].toInt(), 0);
    EXPECT_EQ(state["route"].toArray(), latLngsOf(MapScript::routePoints(track)));
    EXPECT_EQ(state["routeStyle"].toObject(),
              QJsonObject({{"color", "red"}, {"weight", 4}, {"opacity", 0.5}}));
    EXPECT_EQ(state["car"].toArray(), latLng(37.5, 127.25));
    EXPECT_EQ(state["tileUrl"].toString(), kUnreachableTiles);

    // No tiles: a notice in the user's language says so.
    state = waitForState(map, [](const QJsonObject &s) { return s["noticeShown"].toBool(); });
    EXPECT_TRUE(state["noticeShown"].toBool());
    EXPECT_GT(state["tileErrors"].toInt(), 0);
    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    EXPECT_EQ(state["noticeText"].toString(),
              languages->localized(QString::fromUtf8(MapTileSource::kTilesUnavailableKey)));
    // It follows the language.
    const QString language = TorvaPreferences().value(TorvaPreferences::kLanguageKey).toString();
    const QString before = state["noticeText"].toString();
    languages->languageChange(language == QLatin1String("fr") ? QStringLiteral("ja")
                                                              : QStringLiteral("fr"));
    state = waitForState(map, [&](const QJsonObject &s) { return s["noticeText"] != before; });
    EXPECT_EQ(state["noticeText"].toString(),
              languages->localized(QString::fromUtf8(MapTileSource::kTilesUnavailableKey)));
    languages->languageChange(language.isEmpty() ? QStringLiteral("en") : language);

    // The line goes, the car stays until it moves.
    map.removeMapLine();
    map.moveToLat(37.625f, 127.375f);
    state = waitForState(map, [](const QJsonObject &s) {
        return s["route"].toArray().isEmpty() && s["car"].toArray() == latLng(37.625, 127.375);
    });
    EXPECT_TRUE(state["route"].toArray().isEmpty());
    EXPECT_EQ(state["car"].toArray(), latLng(37.625, 127.375));

    map.setMapHidden(true);
    map.setCoverHidden(false);
    EXPECT_TRUE(map.isCoverShown());
    EXPECT_FALSE(map.isMapShown());
}

TEST_F(MapCoverViewTest, TheDemoDriveIsDrawnWithoutTiles)
{
    MapCoverView map;
    showMap(map);
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    map.removeMapLine();
    map.addRoute(track);
    map.moveToLat(track.getGpsLat(300), track.getGpsLng(300));
    const QJsonObject state = waitForState(
        map, [](const QJsonObject &s) { return s["noticeShown"].toBool() && !s["car"].isNull(); });
    EXPECT_EQ(state["route"].toArray(), latLngsOf(MapScript::routePoints(track)));
    EXPECT_GT(state["route"].toArray().size(), 30);

    const QImage image = waitForPicture(map, [](const QImage &picture) {
        return showsRouteAndCar(picture) && countPixels(picture, isNotice) > 1500;
    });
    EXPECT_TRUE(showsRouteAndCar(image));
    EXPECT_GT(countPixels(image, isNotice), 1500);
    EXPECT_FALSE(
        TestArtifacts::saveScreenshot(&map, QStringLiteral("map_demo_drive_offline")).isEmpty());
}

TEST_F(MapCoverViewTest, ARouteSentUnderTheCoverFitsTheMapOnceShown)
{
    // As in the main window: the map stays hidden until a position with a fix.
    MapCoverView map;
    map.resize(480, 360);
    map.show();
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    map.removeMapLine();
    map.addRoute(track);
    waitForState(map, [](const QJsonObject &s) { return !s["route"].toArray().isEmpty(); });
    map.setCoverHidden(true);
    map.setMapHidden(false);
    map.moveToLat(track.getGpsLat(300), track.getGpsLng(300));

    const QImage image = waitForPicture(map, [](const QImage &picture) {
        return showsRouteAndCar(picture) && countPixels(picture, isRoute) > 1000;
    });
    EXPECT_GT(countPixels(image, isRoute), 1000);
    const QJsonObject state = mapState(map);
    EXPECT_EQ(state["size"].toArray(), QJsonArray({480, 360}));
    EXPECT_GE(state["zoom"].toInt(), 14);
}

TEST_F(MapCoverViewTest, TilesComeFromTheTileServerAndNothingElseLoads)
{
    LocalTileServer tileServer;
    LocalTileServer elsewhere;
    useTiles(tileServer.urlTemplate());
    MapCoverView map;
    showMap(map);
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    map.addRoute(track);
    map.moveToLat(track.getGpsLat(300), track.getGpsLng(300));
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return !tileServer.requests().isEmpty(); },
                                            kPageTimeoutMs));
    EXPECT_EQ(tileServer.userAgent(), MapWebPage::userAgent().toUtf8());
    EXPECT_TRUE(tileServer.requests().constFirst().endsWith(QLatin1String(".png")))
        << tileServer.requests().constFirst().toStdString();
    const QImage image = waitForPicture(map, [](const QImage &picture) {
        return showsRouteAndCar(picture) && countPixels(picture, isTile) > 20000;
    });
    EXPECT_TRUE(showsRouteAndCar(image));
    EXPECT_GT(countPixels(image, isTile), 20000);
    EXPECT_LT(countPixels(image, isNotice), 500); // some edges of text, no notice box
    const QJsonObject state = mapState(map);
    EXPECT_FALSE(state["noticeShown"].toBool());
    EXPECT_GT(state["tilesLoaded"].toInt(), 0);
    EXPECT_FALSE(
        TestArtifacts::saveScreenshot(&map, QStringLiteral("map_demo_drive_tiles")).isEmpty());

    // Neither pictures, nor fetches, nor the page itself go anywhere else.
    const QString other = elsewhere.url(QStringLiteral("/elsewhere.png"));
    evaluate(map, QStringLiteral("new Image().src = '%1';"
                                 "fetch('%1').catch(() => {});"
                                 "window.location = '%1';")
                      .arg(other));
    GuiTestEnvironment::wait(1000);
    EXPECT_TRUE(elsewhere.requests().isEmpty()) << elsewhere.requests().join(", ").toStdString();
    EXPECT_EQ(map.mapWebView()->url(), MapWebPage::pageUrl());
    EXPECT_TRUE(mapState(map)["ready"].toBool());
}

TEST_F(MapCoverViewTest, ThePageStaysWhereItIsAndOpensNoWindows)
{
    MapCoverView map;
    showMap(map);
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return map.mapController()->isPageLoaded(); },
                                            kPageTimeoutMs));
    EXPECT_EQ(evaluate(map, QStringLiteral("String(window.open('https://example.com/'))")),
              QStringLiteral("null"));
    evaluate(map, QStringLiteral("window.location = 'https://example.com/'; 0"));
    GuiTestEnvironment::wait(500);
    EXPECT_EQ(map.mapWebView()->url(), MapWebPage::pageUrl());
    EXPECT_TRUE(mapState(map)["ready"].toBool());
}

TEST_F(MapCoverViewTest, CallsWaitingForThePageStayFew)
{
    MapCoverView map;
    showMap(map);
    ASSERT_FALSE(map.mapController()->isPageLoaded());
    // A whole drive played while the page loads: only the latest of each kind waits.
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    for (uint32_t i = 0; i < track.gpsDataCount(); ++i) {
        map.removeMapLine();
        map.addRoute(track);
        map.moveToLat(track.getGpsLat(int32_t(i)), track.getGpsLng(int32_t(i)));
    }
    EXPECT_LE(map.mapController()->waitingCallCount(), 5);
    const uint32_t last = track.gpsDataCount() - 1;
    const QJsonObject state = waitForState(map, [&](const QJsonObject &s) {
        return s["car"].toArray() ==
               latLng(track.getGpsLat(int32_t(last)), track.getGpsLng(int32_t(last)));
    });
    EXPECT_EQ(state["route"].toArray(), latLngsOf(MapScript::routePoints(track)));
    EXPECT_EQ(map.mapController()->waitingCallCount(), 0);
}

TEST_F(MapCoverViewTest, APageThatFailsToLoadLeavesTheCover)
{
    MapCoverView map;
    map.mapController()->load(QUrl(QStringLiteral("qrc:/map/no-such-page.html")));
    showMap(map);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return map.isCoverShown() && !map.isMapShown(); },
                                            kPageTimeoutMs));
    EXPECT_FALSE(map.mapController()->isPageLoaded());
    map.setCoverHidden(true);
    map.setMapHidden(false);
    EXPECT_TRUE(map.isCoverShown()) << "nothing to show behind the cover";
}
