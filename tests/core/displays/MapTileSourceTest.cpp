#include "core/displays/MapTileSource.h"
#include "core/i18n/TorvaPreferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MapTileSource, PreferenceOrOpenStreetMap)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    EXPECT_EQ(MapTileSource::fromPreferences().urlTemplate(), MapTileSource::kDefaultTileUrl);
    TorvaPreferences preferences;
    preferences.setValue(MapTileSource::kTileUrlKey, "http://127.0.0.1:9/{z}/{x}/{y}.png");
    preferences.save();
    EXPECT_EQ(MapTileSource::fromPreferences().urlTemplate(), "http://127.0.0.1:9/{z}/{x}/{y}.png");
    // Only web servers can serve tiles.
    for (const char *unusable : {"file:///tmp/{z}/{x}/{y}.png", "{z}/{x}/{y}.png", "https://"})
        EXPECT_EQ(MapTileSource(unusable).urlTemplate(), MapTileSource::kDefaultTileUrl);
}

TEST(MapTileSource, TileRequestsGoToTheTemplatesServerOnly)
{
    const MapTileSource osm(MapTileSource::kDefaultTileUrl);
    EXPECT_TRUE(osm.isTileRequest(QUrl("https://tile.openstreetmap.org:443/3/4/2.png")));
    EXPECT_FALSE(osm.isTileRequest(QUrl("http://tile.openstreetmap.org/3/4/2.png")));
    EXPECT_FALSE(osm.isTileRequest(QUrl("https://tile.openstreetmap.org:8443/3/4/2.png")));
    EXPECT_FALSE(osm.isTileRequest(QUrl("https://a.tile.openstreetmap.org/3/4/2.png")));
    const MapTileSource lettered("https://{s}.tiles.example/{z}/{x}/{y}.png");
    EXPECT_TRUE(lettered.isTileRequest(QUrl("https://b.tiles.example/1/1/1.png")));
    EXPECT_FALSE(lettered.isTileRequest(QUrl("https://tiles.example/1/1/1.png")));
    EXPECT_FALSE(lettered.isTileRequest(QUrl("https://b.c.tiles.example/1/1/1.png")));
    const MapTileSource local("http://127.0.0.1:9/{z}/{x}/{y}.png");
    EXPECT_TRUE(local.isTileRequest(QUrl("http://127.0.0.1:9/0/0/0.png")));
    EXPECT_FALSE(local.isTileRequest(QUrl("http://127.0.0.1/0/0/0.png")));
}
