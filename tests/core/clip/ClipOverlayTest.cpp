#include "PlaybackTrackBuilder.h"

#include "core/clip/ClipOverlay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QDateTime kStart(QDate(2026, 5, 14), QTime(8, 30, 59), Qt::UTC);

// The overlay's events as "start end text".
QStringList events(const TorvaClipData &track, double from, double to, bool metric = true,
                   const QDateTime &start = kStart)
{
    QStringList events;
    for (const QByteArray &line :
         ClipOverlay::ass(track, from, to, {1920, 1080, metric, start}).split('\n')) {
        const QList<QByteArray> fields = line.split(',');
        if (line.startsWith("Dialogue: 0,") && fields.mid(3, 6).join(',') == "Telemetry,,0,0,0,")
            events.append(
                QString::fromUtf8(fields[1] + ' ' + fields[2] + ' ' + fields.mid(9).join(',')));
    }
    return events;
}

} // namespace

TEST(ClipOverlay, AnEventPerShownSampleWithClockSpeedPositionAndAcceleration)
{
    // Sample i: speed i, position 37 + i / 1000, 127 + i / 1000, acceleration i, -i, 2i.
    const TorvaClipData track = PlaybackTrackBuilder::clipData(60, 57);
    const QString at57 = "\\N37.05700, 127.05700\\NX 0.45 Y -0.45 Z 0.89";
    EXPECT_EQ(events(track, 5.65, 5.8),
              (QStringList{"0:00:00.00 0:00:00.05 2026-05-14 08:31:04\\N0 km/h\\N--\\NX 0.44 Y "
                           "-0.44 Z 0.88",
                           "0:00:00.05 0:00:00.15 2026-05-14 08:31:04\\N57 km/h" + at57}));
    EXPECT_EQ(events(track, 5.7, 5.8, false),
              QStringList{"0:00:00.00 0:00:00.10 2026-05-14 08:31:04\\N35 mph" + at57});
    // The clock turns with the sample taken on the whole second.
    EXPECT_TRUE(
        events(track, 0.95, 1.1)[1].startsWith("0:00:00.05 0:00:00.15 2026-05-14 08:31:00"));

    TelemetrySamples noSpeed;
    noSpeed.gpsSpeed.fill(TorvaClipData::kNoSpeed);
    TorvaClipData unknown;
    unknown.storeSamples(noSpeed, 1, 0);
    unknown.setClipDataCount(1);
    EXPECT_EQ(events(unknown, 0.0, 0.1, true, QDateTime()),
              QStringList{"0:00:00.00 0:00:00.10 -- km/h\\N--\\NX 0.00 Y 0.00 Z 0.00"});
}

TEST(ClipOverlay, PastTheTrackTheClockGoesOnAlone)
{
    const TorvaClipData track = PlaybackTrackBuilder::clipData(12);
    const QStringList tail = events(track, 1.0, 3.5, true, kStart.addMSecs(500));
    ASSERT_EQ(tail.size(), 5);
    EXPECT_EQ(tail.mid(2), (QStringList{"0:00:00.20 0:00:00.50 2026-05-14 08:31:00",
                                        "0:00:00.50 0:00:01.50 2026-05-14 08:31:01",
                                        "0:00:01.50 0:00:02.50 2026-05-14 08:31:02"}));
    // A clip without samples has its clock alone, and no events without one.
    EXPECT_EQ(events(TorvaClipData(), 0.0, 1.5),
              (QStringList{"0:00:00.00 0:00:01.00 2026-05-14 08:30:59",
                           "0:00:01.00 0:00:01.50 2026-05-14 08:31:00"}));
    EXPECT_EQ(events(track, 1.1, 3.5, true, QDateTime()).size(), 1);

    const QByteArray small = ClipOverlay::ass(TorvaClipData(), 0, 1, {1280, 720, true, {}});
    EXPECT_TRUE(small.contains("\nPlayResX: 1280\nPlayResY: 720\n"));
    EXPECT_TRUE(small.contains("\nStyle: Telemetry,sans-serif,30,&H00FFFFFF,"));
}

TEST(ClipOverlay, TimesAndEscapes)
{
    const std::pair<double, const char *> times[] = {{61.234, "0:01:01.23"},
                                                     {3600.999, "1:00:01.00"},
                                                     {-1.0, "0:00:00.00"},
                                                     {std::nan(""), "0:00:00.00"}};
    for (const auto &[seconds, text] : times)
        EXPECT_EQ(ClipOverlay::assTime(seconds), QString::fromLatin1(text)) << seconds;

    const QString joiner(QChar(0x2060));
    const std::pair<QString, QString> escapes[] = {
        {"{\\b1}", "\\{\\" + joiner + "b1\\}"}, {"\\N", "\\" + joiner + "N"}, {"a\nb\rc", "a b c"}};
    for (const auto &[text, expected] : escapes)
        EXPECT_EQ(ClipOverlay::escaped(text), expected) << text.toStdString();
}
