#include "../GuiTestEnvironment.h"
#include "PlaybackTrackBuilder.h"
#include "TestArtifacts.h"

#include "core/displays/GravityGraphPoints.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/SpeedMeterView.h"
#include "gui/displays/VolumeSliderView.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace {

// A left button event across the middle of the slider.
void slide(QWidget *slider, QEvent::Type type, double x)
{
    GuiTestEnvironment::sendMouse(slider, type, QPointF(x, slider->height() / 2.0));
}

TorvaClipData trackOf(int16_t gx, int16_t gy, int16_t gz)
{
    TelemetrySamples arrays;
    arrays.gx[0] = gx;
    arrays.gy[0] = gy;
    arrays.gz[0] = gz;
    TorvaClipData track;
    track.storeSamples(arrays, 1, 0);
    track.setClipDataCount(1);
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

TEST(SeekTimeSliderView, ClicksAndDragsSeekWithinTheDuration)
{
    SeekTimeSliderView slider;
    slider.resize(210, 33);
    slider.show();
    const TorvaImageView *knob = slider.sliderImageView();
    // No duration yet: the value is held at 0 and the knob stays put.
    slider.setCurrentSliderValue(5.0);
    EXPECT_EQ(slider.currentSliderValue(), 0.0);
    EXPECT_EQ(knob->x(), 0);

    slider.setMaxSliderValue(60.0);
    QList<QPair<QString, double>> log;
    QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderTouchedDown, [&](double v) {
        log.append({"down", v});
    });
    QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderDragged, [&](double v) {
        log.append({"dragged", v});
    });
    QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderTouchedUp, [&](double v) {
        log.append({"up", v});
    });
    EXPECT_EQ(knob->imageName(), "progress_bar");
    EXPECT_EQ(knob->size(), QSize(10, 33));
    EXPECT_EQ(slider.sliderTravel().sliderLength(), 200.0);

    slide(&slider, QEvent::MouseButtonPress, 105);
    EXPECT_TRUE(slider.isSliderTouching());
    EXPECT_EQ(slider.currentSliderValue(), 30.0);
    EXPECT_EQ(knob->x(), 100);
    // The play timer keeps the value but not the knob while it is held.
    slider.setCurrentSliderValue(12.0);
    EXPECT_EQ(slider.currentSliderValue(), 12.0);
    EXPECT_EQ(knob->x(), 100);
    slide(&slider, QEvent::MouseMove, 0);
    EXPECT_EQ(knob->x(), 0);
    slide(&slider, QEvent::MouseMove, 300);
    EXPECT_EQ(knob->x(), 200);
    // Letting go takes the value under the pointer without moving the knob.
    slide(&slider, QEvent::MouseButtonRelease, 55);
    EXPECT_FALSE(slider.isSliderTouching());
    EXPECT_EQ(slider.currentSliderValue(), 15.0);
    EXPECT_EQ(knob->x(), 200);
    EXPECT_EQ(log, (QList<QPair<QString, double>>{
                       {"down", 30.0}, {"dragged", 0.0}, {"dragged", 60.0}, {"up", 15.0}}));

    // Free again, the knob follows the play time, up to the end.
    slider.setCurrentSliderValue(45.0);
    EXPECT_EQ(knob->x(), 150);
    slider.setCurrentSliderValue(90.0);
    EXPECT_EQ(slider.currentSliderValue(), 60.0);
    EXPECT_EQ(knob->x(), 200);
    // The bar follows a resize.
    slider.resize(110, 33);
    EXPECT_EQ(slider.sliderTravel().sliderLength(), 100.0);
    EXPECT_EQ(knob->x(), 100);

    // A disabled bar ignores the mouse but follows the play time.
    log.clear();
    slider.setEnabled(false);
    slide(&slider, QEvent::MouseButtonPress, 20);
    slide(&slider, QEvent::MouseButtonRelease, 20);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(slider.currentSliderValue(), 60.0);
    slider.setCurrentSliderValue(30.0);
    EXPECT_EQ(knob->x(), 50);
}

TEST(VolumeSliderView, FollowsThePointerAndComesBackFromMute)
{
    VolumeSliderView slider;
    slider.resize(80, 10);
    slider.show();
    const TorvaImageView *gauge = slider.gaugeImageView();
    EXPECT_EQ(slider.volume(), 1.0f);
    EXPECT_EQ(slider.bgImageView()->imageName(), "volume_bar");
    EXPECT_EQ(gauge->imageName(), "volume_level");
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 80, 10));
    QList<float> changes;
    QObject::connect(&slider, &VolumeSliderView::volumeChanged,
                     [&](float volume) { changes.append(volume); });

    slide(&slider, QEvent::MouseButtonPress, 20);
    EXPECT_EQ(gauge->width(), 20);
    slide(&slider, QEvent::MouseMove, -5);
    slide(&slider, QEvent::MouseMove, 200);
    slide(&slider, QEvent::MouseMove, 60);
    slide(&slider, QEvent::MouseButtonRelease, 60);
    EXPECT_EQ(changes, (QList<float>{0.25f, 0.0f, 1.0f, 0.75f}));
    // Setting the volume in code sends nothing.
    slider.setVolume(1.5f);
    EXPECT_EQ(slider.volume(), 1.0f);
    slider.setVolume(-0.2f);
    EXPECT_EQ(slider.volume(), 0.0f);
    EXPECT_EQ(gauge->width(), 0);
    EXPECT_EQ(changes.size(), 4);

    changes.clear();
    slider.setVolume(0.6f);
    slider.setIsMuted(true);
    EXPECT_TRUE(slider.isMuted());
    EXPECT_EQ(slider.volume(), 0.0f);
    // Muting again keeps the saved volume.
    slider.setIsMuted(true);
    slider.setIsMuted(false);
    EXPECT_FALSE(slider.isMuted());
    EXPECT_EQ(slider.volume(), 0.6f);
    EXPECT_EQ(changes, (QList<float>{0.0f, 0.6f}));
    // A drag while muted sets a new volume and stays muted.
    slider.setIsMuted(true);
    slide(&slider, QEvent::MouseButtonPress, 40);
    EXPECT_EQ(slider.volume(), 0.5f);
    EXPECT_TRUE(slider.isMuted());

    // A disabled bar ignores the mouse but follows setVolume().
    slider.setEnabled(false);
    slide(&slider, QEvent::MouseButtonPress, 10);
    EXPECT_EQ(slider.volume(), 0.5f);
    slider.setVolume(0.25f);
    EXPECT_EQ(gauge->width(), 20);
    // The filled part keeps its share when the bar grows.
    slider.resize(160, 12);
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 40, 12));
    EXPECT_EQ(slider.volume(), 0.25f);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&slider, "volume_slider").isEmpty());
}

TEST(SpeedMeterView, DigitsAndGaugeInKilometresAndMiles)
{
    QTemporaryDir preferences;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());
    SpeedMeterView meter;
    ASSERT_EQ(meter.gaugeList().size(), 24);
    // The digit pictures, hundreds first ("" for an empty place), and the
    // lit segments, always the lowest ones.
    const auto shows = [&meter](const QString &digits, int segments) {
        QString gauge;
        for (const TorvaImageView *segment : meter.gaugeList())
            gauge += segment->isHidden() ? '0' : '1';
        EXPECT_EQ(meter.number100()->imageName() + '|' + meter.number10()->imageName() + '|' +
                      meter.number1()->imageName(),
                  digits)
            << meter.speed();
        EXPECT_EQ(gauge, QString(segments, '1').leftJustified(24, '0')) << meter.speed();
    };
    shows("||", 0);
    const QList<std::tuple<int32_t, QString, int>> kilometres{
        {0, "||", 0},       {8, "||", 0},       {9, "||9", 0},  {10, "|1|0", 1},
        {105, "1|0|5", 10}, {250, "2|5|0", 24}, {47, "|4|7", 4}};
    for (const auto &[speed, digits, segments] : kilometres) {
        meter.setSpeed(speed);
        EXPECT_EQ(meter.speed(), speed);
        shows(digits, segments);
        EXPECT_TRUE(meter.speedUnitImageView()->isHidden());
    }

    meter.show();
    meter.setSpeed(100);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&meter, "speed_meter_100_kmh").isEmpty());
    // Choosing mph redraws the same speed at once.
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(TorvaSpeedUnit::kMph);
    EXPECT_EQ(meter.speed(), 100);
    shows("|6|2", 6);
    EXPECT_FALSE(meter.speedUnitImageView()->isHidden());
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&meter, "speed_meter_100_kmh_in_mph").isEmpty());
    meter.setSpeed(12);
    shows("||7", 0);
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(TorvaSpeedUnit::kKmph);
    shows("|1|2", 1);
    EXPECT_TRUE(meter.speedUnitImageView()->isHidden());

    // The parts scale with the view.
    meter.resize(SpeedMeterView::kDesignSize);
    EXPECT_EQ(meter.number1()->geometry(), QRect(114, 48, 28, 44));
    EXPECT_EQ(meter.gaugeList().first()->geometry(), QRect(16, 28, 5, 8));
    EXPECT_EQ(meter.gaugeList().last()->geometry(), QRect(177, 12, 5, 24));
    meter.resize(400, 220);
    EXPECT_EQ(meter.bgImageView()->geometry(), QRect(0, 0, 400, 220));
    EXPECT_EQ(meter.number1()->geometry(), QRect(228, 96, 56, 88));
}

TEST(GravityGraphView, PointsAndTracesOfADrive)
{
    BGColorView background;
    background.setColor(QColor(0x15, 0x19, 0x20));
    background.resize(100, 40);
    auto *graph = new GravityGraphView(&background);
    graph->setGeometry(0, 0, 100, 40);
    // The zero line is fixed when the view wakes: 20 points up from the bottom.
    graph->awakeFromNib();
    graph->resize(100, 200);
    EXPECT_EQ(graph->baseYPoint(), 20.0f);
    graph->setGeometry(0, 0, 100, 40);

    // One sample: each trace is a single segment from the zero line's left
    // end to the right edge; x and z coincide, so blue covers red.
    graph->setClipData(trackOf(100, 50, 100));
    background.show();
    const QImage image = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 50);
    EXPECT_GT(countPixels(image, qRgb(255, 255, 0)), 50);
    EXPECT_EQ(countPixels(image, qRgb(255, 0, 0)), 0);
    EXPECT_NE(image.pixel(0, 40 - 1 - 20), qRgb(0x15, 0x19, 0x20));
    graph->setClipData(trackOf(100, 50, 10));
    const QImage second = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(second, qRgb(255, 0, 0)), 50);

    // A generated drive: one point per sample, spread over the width.
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(65);
    graph->setClipData(track);
    const int count = int(track.clipDataCount());
    ASSERT_EQ(graph->gxPointList().size(), count);
    ASSERT_EQ(graph->gyPointList().size(), count);
    ASSERT_EQ(graph->gzPointList().size(), count);
    for (const int i : {0, count / 2, count - 1}) {
        EXPECT_EQ(graph->gxPointList()[i].x(), double((float(i) + 1.0f) / float(count)));
        EXPECT_EQ(graph->gxPointList()[i].y(), GravityGraphPoints::pointY(20.0f, track.getGx(i)));
        EXPECT_EQ(graph->gyPointList()[i].y(), GravityGraphPoints::pointY(20.0f, track.getGy(i)));
        EXPECT_EQ(graph->gzPointList()[i].y(), GravityGraphPoints::pointY(20.0f, track.getGz(i)));
    }
    background.resize(640, 90);
    graph->resize(640, 90);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&background, "gravity_graph").isEmpty());

    // A track without samples clears all three traces.
    graph->setClipData(TorvaClipData());
    EXPECT_TRUE(graph->gxPointList().isEmpty());
    EXPECT_TRUE(graph->gyPointList().isEmpty());
    EXPECT_TRUE(graph->gzPointList().isEmpty());
}
