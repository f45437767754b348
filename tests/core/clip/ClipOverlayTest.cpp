#include "PlaybackTrackBuilder.h"

#include "core/clip/ClipOverlay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QDateTime kStart(QDate(2026, 5, 14), QTime(8, 30, 59), Qt::UTC);

// The Dialogue lines of an overlay.
QStringList events(const TorvaClipData &track, double from, double to, bool metric = true,
                   const QDateTime &start = kStart)
{
    const QByteArray ass = ClipOverlay::ass(track, from, to, {1920, 1080, metric, start});
    QStringList lines;
    for (const QByteArray &line : ass.split('\n')) {
        if (line.startsWith("Dialogue: "))
            lines.append(QString::fromUtf8(line.mid(10)));
    }
    return lines;
}

// Ten samples, each at 57 km/h at one place, or with no speed and no fix.
TorvaClipData steadyTrack(bool withFix)
{
    TelemetrySamples samples;
    samples.gx.fill(15);
    samples.gy.fill(-6);
    samples.gz.fill(125);
    samples.gpsInfoLat.fill(withFix ? 37.5675f : 0.0f);
    samples.gpsInfoLng.fill(withFix ? 126.9792f : 0.0f);
    samples.gpsSpeed.fill(withFix ? 57 : TorvaClipData::kNoSpeed);
    TorvaClipData track;
    track.storeSamples(samples, 10, withFix ? 10 : 0);
    track.setClipDataCount(10);
    return track;
}

} // namespace

TEST(ClipOverlay, AnEventPerShownSampleWithClockSpeedPositionAndAcceleration)
{
    const QString g = QStringLiteral("\\NX 0.12 Y -0.05 Z 0.98");
    const TorvaClipData fix = steadyTrack(true);
    // The clip runs past the track's last sample; there the clock goes on.
    EXPECT_EQ(events(fix, 0.95, 1.1),
              (QStringList{
                  "0,0:00:00.00,0:00:00.05,Telemetry,,0,0,0,,2026-05-14 08:30:59\\N57 "
                  "km/h\\N37.56750, 126.97920" +
                      g,
                  "0,0:00:00.05,0:00:00.15,Telemetry,,0,0,0,,2026-05-14 08:31:00",
              }));
    EXPECT_EQ(events(fix, 0.2, 0.35, false),
              (QStringList{
                  "0,0:00:00.00,0:00:00.10,Telemetry,,0,0,0,,2026-05-14 08:30:59\\N35 "
                  "mph\\N37.56750, 126.97920" +
                      g,
                  "0,0:00:00.10,0:00:00.15,Telemetry,,0,0,0,,2026-05-14 08:30:59\\N35 "
                  "mph\\N37.56750, 126.97920" +
                      g,
              }));
    EXPECT_EQ(events(steadyTrack(false), 0.5, 0.6),
              (QStringList{"0,0:00:00.00,0:00:00.10,Telemetry,,0,0,0,,2026-05-14 08:30:59\\N-- "
                           "km/h\\N--" +
                           g}));
    // The clock turns with the sample taken on the whole second.
    const QStringList crossing = events(PlaybackTrackBuilder::clipData(30), 0.85, 1.15);
    ASSERT_EQ(crossing.size(), 4);
    EXPECT_TRUE(crossing[0].startsWith("0,0:00:00.00,0:00:00.05,Telemetry,,0,0,0,,"
                                       "2026-05-14 08:30:59\\N8 km/h"));
    EXPECT_TRUE(crossing[2].startsWith("0,0:00:00.15,0:00:00.25,Telemetry,,0,0,0,,"
                                       "2026-05-14 08:31:00\\N10 km/h"));
    EXPECT_TRUE(crossing[3].startsWith("0,0:00:00.25,0:00:00.30,"));
}

TEST(ClipOverlay, PastTheTrackTheClockGoesOnAlone)
{
    const TorvaClipData track = PlaybackTrackBuilder::clipData(12);
    const QDateTime halfPast = kStart.addMSecs(500);
    const QStringList tail = events(track, 1.0, 3.5, true, halfPast);
    ASSERT_EQ(tail.size(), 5);
    EXPECT_EQ(tail.mid(2), (QStringList{
                               "0,0:00:00.20,0:00:00.50,Telemetry,,0,0,0,,2026-05-14 08:31:00",
                               "0,0:00:00.50,0:00:01.50,Telemetry,,0,0,0,,2026-05-14 08:31:01",
                               "0,0:00:01.50,0:00:02.50,Telemetry,,0,0,0,,2026-05-14 08:31:02",
                           }));
    // A clip without samples has its clock alone, and no events without one.
    EXPECT_EQ(events(TorvaClipData(), 0.0, 1.5),
              (QStringList{"0,0:00:00.00,0:00:01.00,Telemetry,,0,0,0,,2026-05-14 08:30:59",
                           "0,0:00:01.00,0:00:01.50,Telemetry,,0,0,0,,2026-05-14 08:31:00"}));
    EXPECT_EQ(events(track, 1.1, 3.5, true, QDateTime()).size(), 1);
}

TEST(ClipOverlay, HeaderFitsThePicture)
{
    const QByteArray small = ClipOverlay::ass(TorvaClipData(), 0, 1, {1280, 720, true, {}});
    EXPECT_TRUE(small.startsWith("[Script Info]\n")) << small.constData();
    EXPECT_TRUE(small.contains("\nPlayResX: 1280\nPlayResY: 720\n"));
    EXPECT_TRUE(small.contains("\nStyle: Telemetry,sans-serif,30,&H00FFFFFF,"));
    EXPECT_TRUE(small.endsWith("Format: Layer, Start, End, Style, Name, MarginL, MarginR, "
                               "MarginV, Effect, Text\n"));
    const QByteArray fallback = ClipOverlay::ass(TorvaClipData(), 0, 1, {0, -5, true, {}});
    EXPECT_TRUE(fallback.contains("\nPlayResX: 1920\nPlayResY: 1080\n"));
}

TEST(ClipOverlay, TimesAndEscapes)
{
    const std::pair<double, const char *> times[] = {
        {0.0, "0:00:00.00"},      {0.05, "0:00:00.05"}, {61.234, "0:01:01.23"},
        {3600.999, "1:00:01.00"}, {-1.0, "0:00:00.00"}, {std::nan(""), "0:00:00.00"},
        {36000.5, "10:00:00.50"},
    };
    for (const auto &[seconds, text] : times)
        EXPECT_EQ(ClipOverlay::assTime(seconds), QString::fromLatin1(text)) << seconds;

    const QString joiner(QChar(0x2060));
    const std::pair<QString, QString> escapes[] = {
        {"{\\b1}", "\\{\\" + joiner + "b1\\}"},
        {"\\N", "\\" + joiner + "N"},
        {"a\nb\rc", "a b c"},
        {"37.56750, 126.97920", "37.56750, 126.97920"},
    };
    for (const auto &[text, expected] : escapes)
        EXPECT_EQ(ClipOverlay::escaped(text), expected) << text.toStdString();
}
