#include "core/displays/MapTileSource.h"
#include "core/i18n/TorvaPreferences.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(MapTileSource, PreferenceOrOpenStreetMap)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    EXPECT_EQ(MapTileSource::fromPreferences().urlTemplate(), MapTileSource::kDefaultTileUrl);
    EXPECT_EQ(QString(MapTileSource::kDefaultTileUrl),
              "https://tile.openstreetmap.org/{z}/{x}/{y}.png");
    TorvaPreferences preferences;
    preferences.setValue(MapTileSource::kTileUrlKey, "http://127.0.0.1:9/{z}/{x}/{y}.png");
    preferences.save();
    EXPECT_EQ(MapTileSource::fromPreferences().urlTemplate(), "http://127.0.0.1:9/{z}/{x}/{y}.png");
    // Only web servers can serve tiles.
    for (const char *unusable : {"file:///tmp/{z}/{x}/{y}.png", "{z}/{x}/{y}.png", "https://"})
        EXPECT_EQ(MapTileSource(QString::fromLatin1(unusable)).urlTemplate(),
                  MapTileSource::kDefaultTileUrl)
            << unusable;
}

TEST(MapTileSource, TileRequestsGoToTheTemplatesServerOnly)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
        {MapTileSource::kDefaultTileUrl, "https://tile.openstreetmap.org/3/4/2.png", true},
        {MapTileSource::kDefaultTileUrl, "https://tile.openstreetmap.org:443/3/4/2.png", true},
        {MapTileSource::kDefaultTileUrl, "http://tile.openstreetmap.org/3/4/2.png", false},
        {MapTileSource::kDefaultTileUrl, "https://tile.openstreetmap.org:8443/3/4/2.png", false},
        {MapTileSource::kDefaultTileUrl, "https://a.tile.openstreetmap.org/3/4/2.png", false},
        {MapTileSource::kDefaultTileUrl, "https://example.com/", false},
        {"https://{s}.tiles.example/{z}/{x}/{y}.png", "https://b.tiles.example/1/1.png", true},
        {"https://{s}.tiles.example/{z}/{x}/{y}.png", "https://tiles.example/1/1.png", false},
        {"https://{s}.tiles.example/{z}/{x}/{y}.png", "https://b.c.tiles.example/1/1.png", false},
        {"http://127.0.0.1:9/{z}/{x}/{y}.png", "http://127.0.0.1:9/0/0/0.png", true},
        {"http://127.0.0.1:9/{z}/{x}/{y}.png", "http://127.0.0.1/0/0/0.png", false},
    };
    for (const auto &[urlTemplate, url, tile] : cases)
        EXPECT_EQ(MapTileSource(QString::fromLatin1(urlTemplate)).isTileRequest(QUrl(url)), tile)
            << url;
}

TEST(MapTileSource, TheNoticeIsTranslated)
{
    for (const char *code : {"en", "fr", "ja", "pt"}) {
        QTranslator table;
        ASSERT_TRUE(table.load(QStringLiteral(":/i18n/torva_%1.qm").arg(QLatin1String(code))));
        const QString text =
            table.translate("Localizable_P820", MapTileSource::kTilesUnavailableKey);
        EXPECT_FALSE(text.isEmpty()) << code;
        EXPECT_NE(text, QString::fromUtf8(MapTileSource::kTilesUnavailableKey)) << code;
    }
}
