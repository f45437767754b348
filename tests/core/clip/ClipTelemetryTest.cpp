#include "PlaybackTrackBuilder.h"

#include "core/clip/ClipTelemetry.h"
#include "core/telemetry/TrackExporter.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The CSV rows of a track without their index and time columns.
QList<QByteArray> sampleColumns(const TorvaClipData &track)
{
    QList<QByteArray> rows = TrackExporter::toCsv(track).split('\n').mid(1);
    for (QByteArray &row : rows)
        row = row.mid(row.indexOf(',', row.indexOf(',') + 1));
    return rows;
}

} // namespace

TEST(ClipTelemetry, RangeKeepsTheSamplesTakenWithinItFromZero)
{
    // Samples 0 … 29, each column telling them apart; fixes from sample 5.
    const TorvaClipData track = PlaybackTrackBuilder::clipData(30, 5);
    // The range; its first sample, sample count and fix count.
    const std::tuple<double, double, int, int, uint32_t> cases[] = {
        {0.0, 1.0, 0, 10, 5},         // from the start
        {1.25, 2.05, 13, 8, 8},       // both bounds between samples
        {0.1 + 0.2, 0.7, 3, 4, 2},    // a bound a rounding error off a sample
        {2.5, 10.0, 25, 5, 5},        // past the end of the track
        {2.9, 3.0, 29, 1, 1},         // the last sample alone
        {1.21, 1.29, 0, 0, 0},        // between two samples: empty
        {3.0, 4.0, 0, 0, 0},          // after the track: empty
        {1.0, 0.5, 0, 0, 0},          // reversed: empty
        {-1.0, 0.2, 0, 2, 0},         // a negative start counts as 0
        {std::nan(""), 0.2, 0, 2, 0}, // and so does an unknown one
    };
    for (const auto &[from, to, first, count, fixes] : cases) {
        const TorvaClipData clip = ClipTelemetry::range(track, from, to);
        EXPECT_EQ(sampleColumns(clip), sampleColumns(track).mid(first, count) << "")
            << from << "–" << to;
        EXPECT_EQ(clip.gpsDataCount(), fixes) << from << "–" << to;
    }
}

TEST(ClipTelemetry, SrtHasACuePerShownSampleInTheChosenUnit)
{
    // The sample in effect at the start opens the clip, the last is cut at its end.
    const TorvaClipData track = PlaybackTrackBuilder::clipData(30, 10);
    EXPECT_EQ(ClipTelemetry::srt(track, 0.95, 1.2, true),
              "1\n00:00:00,000 --> 00:00:00,050\n0 km/h\n--\nX 0.07 Y -0.07 Z 0.14\n\n"
              "2\n00:00:00,050 --> 00:00:00,150\n10 km/h\n37.01000, 127.01000\n"
              "X 0.08 Y -0.08 Z 0.16\n\n"
              "3\n00:00:00,150 --> 00:00:00,250\n11 km/h\n37.01100, 127.01100\n"
              "X 0.09 Y -0.09 Z 0.17\n\n");
    const QByteArray mph = ClipTelemetry::srt(track, 2.9, 3.0, false);
    EXPECT_TRUE(mph.contains("\n18 mph\n37.02900, 127.02900\n")) << mph.constData();
    EXPECT_EQ(ClipTelemetry::srt(track, 3.0, 4.0, true), "");
}

TEST(ClipTelemetry, GpxOfARangeHasItsFixesAtTheirRecordingTimes)
{
    // Fixes from sample 5; the range holds samples 2 … 14.
    const TorvaClipData track = PlaybackTrackBuilder::clipData(30, 5);
    const auto gpx = [&track](const QDateTime &start) {
        return ClipTelemetry::gpx(track, 0.2, 1.5, start, QStringLiteral("clip"));
    };
    const QByteArray inUtc = gpx(QDateTime(QDate(2026, 5, 14), QTime(8, 30, 0), Qt::UTC));
    EXPECT_EQ(inUtc.count("<trkpt "), 10);
    EXPECT_TRUE(
        inUtc.contains("lat=\"37.005001\" lon=\"127.004997\"><time>2026-05-14T08:30:00.500Z<"))
        << inUtc.constData();
    EXPECT_TRUE(
        inUtc.contains("lat=\"37.014000\" lon=\"127.014000\"><time>2026-05-14T08:30:01.400Z<"));
    // A camera clock nine hours ahead of UTC, and no clock at all.
    const QDateTime seoul(QDate(2026, 5, 14), QTime(8, 30, 0), QTimeZone(9 * 3600));
    EXPECT_TRUE(gpx(seoul).contains("\"127.004997\"><time>2026-05-13T23:30:00.500Z<"));
    EXPECT_FALSE(gpx(QDateTime()).contains("<time>"));
}
