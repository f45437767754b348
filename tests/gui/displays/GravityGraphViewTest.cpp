#include "TestArtifacts.h"

#include "PlaybackTrackBuilder.h"

#include "gui/controls/BGColorView.h"
#include "gui/displays/GravityGraphView.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TorvaClipData trackOf(const QList<std::array<int16_t, 3>> &samples)
{
    TelemetrySamples arrays;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        arrays.gx[size_t(i)] = samples[i][0];
        arrays.gy[size_t(i)] = samples[i][1];
        arrays.gz[size_t(i)] = samples[i][2];
    }
    TorvaClipData track;
    track.storeSamples(arrays, int(samples.size()), 0);
    track.setClipDataCount(uint32_t(samples.size()));
    return track;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST(GravityGraphView, TheZeroLineIsFixedWhenTheViewWakes)
{
    GravityGraphView graph;
    graph.resize(400, 81);
    graph.awakeFromNib();
    EXPECT_EQ(graph.baseYPoint(), 40.5f);
    graph.resize(400, 200);
    EXPECT_EQ(graph.baseYPoint(), 40.5f);
    EXPECT_TRUE(graph.gxPointList().isEmpty());
}

TEST(GravityGraphView, PointsOfAGeneratedDrive)
{
    GravityGraphView graph;
    graph.resize(500, 80);
    graph.awakeFromNib();
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(30);
    ASSERT_EQ(track.clipDataCount(), 300u);
    graph.setClipData(track);
    EXPECT_EQ(graph.clipData().clipDataCount(), 300u);
    ASSERT_EQ(graph.gxPointList().size(), 300);
    ASSERT_EQ(graph.gyPointList().size(), 300);
    ASSERT_EQ(graph.gzPointList().size(), 300);
    for (const int i : {0, 1, 149, 299}) {
        EXPECT_EQ(graph.gxPointList()[i].x(), double((float(i) + 1.0f) / 300.0f));
        EXPECT_EQ(graph.gxPointList()[i].y(),
                  double(GravityGraphPoints::pointY(40.0f, track.getGx(i))));
        EXPECT_EQ(graph.gyPointList()[i].y(),
                  double(GravityGraphPoints::pointY(40.0f, track.getGy(i))));
        EXPECT_EQ(graph.gzPointList()[i].y(),
                  double(GravityGraphPoints::pointY(40.0f, track.getGz(i))));
    }
    EXPECT_EQ(graph.gzPointList().last().x(), 1.0);

    // A track without samples clears all three traces.
    graph.setClipData(TorvaClipData());
    EXPECT_TRUE(graph.gxPointList().isEmpty());
    EXPECT_TRUE(graph.gyPointList().isEmpty());
    EXPECT_TRUE(graph.gzPointList().isEmpty());
}

TEST(GravityGraphView, DrawsRedYellowAndBlueTracesBlueOnTop)
{
    BGColorView background;
    background.setColor(QColor(0x15, 0x19, 0x20));
    background.resize(100, 40);
    auto *graph = new GravityGraphView(&background);
    graph->setGeometry(0, 0, 100, 40);
    graph->awakeFromNib();
    // One sample: each trace is a single segment from the zero line's left
    // end to the right edge; x and z coincide, so blue covers red.
    graph->setClipData(trackOf({{100, 50, 100}}));
    background.show();
    const QImage image = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 50);
    EXPECT_GT(countPixels(image, qRgb(255, 255, 0)), 50);
    EXPECT_EQ(countPixels(image, qRgb(255, 0, 0)), 0);
    // The zero line sits 20 points up from the bottom: all traces start on it.
    EXPECT_NE(image.pixel(0, 40 - 1 - 20), qRgb(0x15, 0x19, 0x20));

    graph->setClipData(trackOf({{100, 50, 10}}));
    const QImage second = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(second, qRgb(255, 0, 0)), 50);
}

TEST(GravityGraphView, ScreenshotOfADrive)
{
    BGColorView background;
    background.setColor(QColor(0x15, 0x19, 0x20));
    background.resize(640, 90);
    auto *graph = new GravityGraphView(&background);
    graph->setGeometry(0, 0, 640, 90);
    graph->awakeFromNib();
    graph->setClipData(PlaybackTrackBuilder::demoDrive(65));
    background.show();
    const QString path = TestArtifacts::saveScreenshot(&background, "gravity_graph");
    ASSERT_FALSE(path.isEmpty());
    const QImage image(path);
    EXPECT_EQ(image.size(), QSize(640, 90));
}
