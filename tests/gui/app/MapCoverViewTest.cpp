#include "../GuiTestEnvironment.h"
#include "../displays/LocalTileServer.h"
#include "ViewerTestSupport.h"

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

using Gui = GuiTestEnvironment;

namespace {

using ViewerTestSupport::kPageTimeoutMs;
// Nothing listens there, so every tile fails at once, with or without network.
const QString kUnreachableTiles = QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png");

void useTiles(const QString &urlTemplate)
{
    TorvaPreferences preferences;
    if (urlTemplate.isEmpty())
        preferences.remove(QLatin1String(MapTileSource::kTileUrlKey));
    else
        preferences.setValue(QLatin1String(MapTileSource::kTileUrlKey), urlTemplate);
    preferences.save();
}

class MapCoverViewTest : public ::testing::Test
{
protected:
    void SetUp() override { useTiles(kUnreachableTiles); }
    void TearDown() override { useTiles({}); }

    // The map shown at a size, as playback shows it.
    void showMap(bool uncovered = true)
    {
        map().resize(480, 360);
        map().show();
        map().setCoverHidden(uncovered);
        map().setMapHidden(!uncovered);
    }

    QVariant evaluate(const QString &script)
    {
        return ViewerTestSupport::evaluateInPage(map().mapWebView(), script);
    }

    QJsonObject waitForState(const std::function<bool(const QJsonObject &)> &ok = {})
    {
        return ViewerTestSupport::waitForMapState(map().mapWebView(), ok);
    }

    // Grabs the map until the picture passes the test, and keeps the last
    // grab for a person to look at.
    bool waitForPicture(bool (*ok)(const QImage &), const QString &screenshot)
    {
        const bool passed =
            Gui::waitFor([&] { return ok(map().grab().toImage()); }, kPageTimeoutMs);
        Gui::saveScreenshot(&map(), screenshot);
        return passed;
    }

    // Made on first use, with the tiles chosen by then.
    MapCoverView &map()
    {
        if (!m_map)
            m_map = std::make_unique<MapCoverView>();
        return *m_map;
    }

    std::unique_ptr<MapCoverView> m_map;
};

// The page's [lat, lng] pairs for a route string "lng,lat|lng,lat…".
QJsonArray latLngsOf(const QString &points)
{
    QJsonArray latLngs;
    for (const QString &point : points.split(QLatin1Char('|'))) {
        const QStringList lngLat = point.split(QLatin1Char(','));
        latLngs.append(QJsonArray{lngLat.value(1).toDouble(), lngLat.value(0).toDouble()});
    }
    return latLngs;
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
bool isNear(QColor c, QRgb target)
{
    return std::abs(c.red() - qRed(target)) < 8 && std::abs(c.green() - qGreen(target)) < 8 &&
           std::abs(c.blue() - qBlue(target)) < 8;
}
bool isNotice(QColor c)
{
    return isNear(c, qRgb(70, 73, 76));
}
bool isTile(QColor c)
{
    return isNear(c, qRgb(0xe8, 0xf0, 0xe0));
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

} // namespace

TEST_F(MapCoverViewTest, CallsMadeWhileThePageLoadsDrawTheLatestRouteAndCar)
{
    EXPECT_TRUE(map().isCoverShown() && !map().isMapShown());
    showMap();
    ASSERT_FALSE(map().mapController()->isPageLoaded());
    // A whole drive played while the page loads: only the latest of each kind waits.
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    const int32_t last = int32_t(track.gpsDataCount()) - 1;
    for (int32_t i = 0; i <= last; ++i) {
        map().removeMapLine();
        map().addRoute(track);
        map().moveToLat(track.getGpsLat(i), track.getGpsLng(i));
    }
    EXPECT_LE(map().mapController()->waitingCallCount(), 5);

    QJsonObject state = waitForState(
        [](const QJsonObject &s) { return s["noticeShown"].toBool() && !s["car"].isNull(); });
    EXPECT_EQ(state["route"].toArray(), latLngsOf(MapScript::routePoints(track)));
    EXPECT_NEAR(state["car"].toArray()[0].toDouble(), track.getGpsLat(last), 1e-5);
    EXPECT_NEAR(state["car"].toArray()[1].toDouble(), track.getGpsLng(last), 1e-5);
    // No tiles: a notice in the user's language says so, over the route.
    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    const auto notice = [&] {
        return languages->localized(QString::fromUtf8(MapTileSource::kTilesUnavailableKey));
    };
    EXPECT_EQ(state["noticeText"].toString(), notice());
    EXPECT_TRUE(waitForPicture(
        [](const QImage &picture) {
            return showsRouteAndCar(picture) && countPixels(picture, isNotice) > 1500;
        },
        QStringLiteral("map_demo_drive_offline")));
    // The notice follows the language.
    const QString language = TorvaPreferences().value(TorvaPreferences::kLanguageKey).toString();
    const QJsonValue before = state["noticeText"];
    languages->languageChange(language == QLatin1String("fr") ? QStringLiteral("ja")
                                                              : QStringLiteral("fr"));
    state = waitForState([&](const QJsonObject &s) { return s["noticeText"] != before; });
    EXPECT_EQ(state["noticeText"].toString(), notice());
    languages->languageChange(language.isEmpty() ? QStringLiteral("en") : language);

    // The line goes, the car stays until it moves.
    map().removeMapLine();
    map().moveToLat(37.625f, 127.375f);
    const QJsonArray moved{37.625, 127.375};
    state = waitForState([&](const QJsonObject &s) { return s["car"].toArray() == moved; });
    EXPECT_TRUE(state["route"].toArray().isEmpty());
    EXPECT_EQ(state["car"].toArray(), moved);
}

TEST_F(MapCoverViewTest, ARouteFromUnderTheCoverOnTilesOfTheServerAndThePageGoesNowhereElse)
{
    LocalTileServer tileServer;
    LocalTileServer elsewhere;
    useTiles(tileServer.urlTemplate());
    // As in the main window: the map stays hidden until a position with a
    // fix, and the route sent under the cover fits the map once shown.
    showMap(false);
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(60);
    map().addRoute(track);
    waitForState([](const QJsonObject &s) { return !s["route"].toArray().isEmpty(); });
    showMap();
    map().moveToLat(track.getGpsLat(300), track.getGpsLng(300));
    ASSERT_TRUE(Gui::waitFor([&] { return !tileServer.requests().isEmpty(); }, kPageTimeoutMs));
    EXPECT_EQ(tileServer.userAgent(), MapWebPage::userAgent().toUtf8());
    EXPECT_TRUE(tileServer.requests().constFirst().endsWith(QLatin1String(".png")))
        << tileServer.requests().constFirst().toStdString();
    // Some edges of text look like the notice, but no notice box.
    EXPECT_TRUE(waitForPicture(
        [](const QImage &picture) {
            return showsRouteAndCar(picture) && countPixels(picture, isRoute) > 1000 &&
                   countPixels(picture, isTile) > 20000 && countPixels(picture, isNotice) < 500;
        },
        QStringLiteral("map_demo_drive_tiles")));
    const QJsonObject state = waitForState();
    EXPECT_FALSE(state["noticeShown"].toBool());
    EXPECT_EQ(state["size"].toArray(), QJsonArray({480, 360}));
    EXPECT_GE(state["zoom"].toInt(), 14);

    // Neither pictures, nor fetches, nor windows, nor the page itself go
    // anywhere else.
    const QString other = elsewhere.url(QStringLiteral("/elsewhere.png"));
    EXPECT_EQ(evaluate(QStringLiteral("new Image().src = '%1';"
                                      "fetch('%1').catch(() => {});"
                                      "const opened = String(window.open('%1'));"
                                      "window.location = '%1';"
                                      "opened")
                           .arg(other)),
              QStringLiteral("null"));
    Gui::wait(1000);
    EXPECT_TRUE(elsewhere.requests().isEmpty()) << elsewhere.requests().join(", ").toStdString();
    EXPECT_EQ(map().mapWebView()->url(), MapWebPage::pageUrl());
    EXPECT_TRUE(waitForState()["ready"].toBool());
}

TEST_F(MapCoverViewTest, APageThatFailsToLoadLeavesTheCover)
{
    map().mapController()->load(QUrl(QStringLiteral("qrc:/map/no-such-page.html")));
    showMap();
    EXPECT_TRUE(
        Gui::waitFor([&] { return map().isCoverShown() && !map().isMapShown(); }, kPageTimeoutMs));
    EXPECT_FALSE(map().mapController()->isPageLoaded());
    showMap();
    EXPECT_TRUE(map().isCoverShown()) << "nothing to show behind the cover";
}
