#include "../GuiTestEnvironment.h"
#include "PlaybackTrackBuilder.h"

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

// What the pointer or the program does to a slider, and the value and
// length (the seek knob's place, the volume gauge's width) after it; -1 is
// not checked.
struct SliderStep
{
    QString what;
    double at;
    double value;
    int length;
};

void apply(QWidget *slider, const SliderStep &step, const std::function<void(double)> &set)
{
    if (step.what == "set")
        set(step.at);
    else if (step.what == "width")
        slider->resize(int(step.at), slider->height());
    else if (step.what == "disable")
        slider->setEnabled(false);
    else // a left button event across the middle of the slider
        GuiTestEnvironment::sendMouse(slider,
                                      step.what == "press"  ? QEvent::MouseButtonPress
                                      : step.what == "drag" ? QEvent::MouseMove
                                                            : QEvent::MouseButtonRelease,
                                      QPointF(step.at, slider->height() / 2.0));
}

} // namespace

TEST(SeekTimeSliderView, ClicksAndDragsSeekWithinTheDuration)
{
    SeekTimeSliderView slider;
    slider.resize(210, 33);
    slider.show();
    QStringList log;
    for (const auto &[signal, name] :
         {std::pair{&SeekTimeSliderView::seekTimeSliderTouchedDown, "down"},
          {&SeekTimeSliderView::seekTimeSliderDragged, "dragged"},
          {&SeekTimeSliderView::seekTimeSliderTouchedUp, "up"}})
        QObject::connect(&slider, signal,
                         [&log, name](double v) { log << name + QString::number(v); });
    const SliderStep steps[] = {
        {"set", 5, 0, 0}, // no duration yet: held at 0
        {"max", 60, 0, 0},        {"press", 105, 30, 100},
        {"set", 12, 12, 100}, // the play timer keeps the value but not the knob while held
        {"drag", 0, 0, 0},        {"drag", 300, 60, 200},
        {"release", 55, 15, 200}, // letting go takes the value without moving the knob
        {"set", 45, 45, 150},     {"set", 90, 60, 200},
        {"width", 110, 60, 100},  {"disable", 0, 60, 100},
        {"press", 20, 60, 100},   {"release", 20, 60, 100},
        {"set", 30, 30, 50},
    };
    for (const SliderStep &step : steps) {
        if (step.what == "max")
            slider.setMaxSliderValue(step.at);
        apply(&slider, step, [&](double value) { slider.setCurrentSliderValue(value); });
        EXPECT_EQ(slider.currentSliderValue(), step.value) << step.what.toStdString() << step.at;
        EXPECT_EQ(slider.sliderImageView()->x(), step.length) << step.what.toStdString() << step.at;
    }
    EXPECT_EQ(log, QStringList({"down30", "dragged0", "dragged60", "up15"}));
}

TEST(VolumeSliderView, FollowsThePointerAndComesBackFromMute)
{
    VolumeSliderView slider;
    slider.resize(80, 10);
    slider.show();
    EXPECT_EQ(slider.volume(), 1.0f);
    QList<float> changes;
    QObject::connect(&slider, &VolumeSliderView::volumeChanged,
                     [&](float volume) { changes.append(volume); });
    const SliderStep steps[] = {
        {"press", 20, 0.25, 20},   {"drag", -5, 0, 0},
        {"drag", 200, 1, 80},      {"drag", 60, 0.75, 60},
        {"release", 60, 0.75, 60}, {"set", 1.5, 1, 80}, // setting the volume in code sends nothing
        {"set", -0.2, 0, 0},       {"set", 0.6, 0.6, 48},
        {"mute", 1, 0, -1},        {"mute", 1, 0, -1}, // muting again keeps the saved volume
        {"mute", 0, 0.6, 48},      {"mute", 1, 0, -1},
        {"press", 40, 0.5, -1}, // a drag while muted sets a new volume
        {"disable", 0, 0.5, -1},   {"press", 10, 0.5, -1},
        {"set", 0.25, 0.25, 20},   {"width", 160, 0.25, 40}, // the filled part keeps its share
    };
    for (const SliderStep &step : steps) {
        if (step.what == "mute")
            slider.setIsMuted(step.at > 0);
        apply(&slider, step, [&](double value) { slider.setVolume(float(value)); });
        EXPECT_EQ(slider.volume(), float(step.value)) << step.what.toStdString() << step.at;
        EXPECT_TRUE(step.length < 0 || slider.gaugeImageView()->width() == step.length)
            << step.what.toStdString() << step.at;
    }
    EXPECT_TRUE(slider.isMuted());
    EXPECT_EQ(changes, (QList<float>{0.25f, 0.0f, 1.0f, 0.75f, 0.0f, 0.6f, 0.0f, 0.5f}));
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(&slider, "volume_slider").isEmpty());
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
    // The unit sign shows only for mph.
    constexpr auto kmh = TorvaSpeedUnit::kKmph;
    constexpr auto mph = TorvaSpeedUnit::kMph;
    const QList<std::tuple<int32_t, int, QString, int>> cases{
        {0, kmh, "||", 0},    {8, kmh, "||", 0},       {9, kmh, "||9", 0},
        {10, kmh, "|1|0", 1}, {105, kmh, "1|0|5", 10}, {250, kmh, "2|5|0", 24},
        {47, kmh, "|4|7", 4}, {100, mph, "|6|2", 6},   {12, mph, "||7", 0},
        {12, kmh, "|1|2", 1}};
    meter.show();
    for (const auto &[speed, unit, digits, segments] : cases) {
        TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(unit);
        meter.setSpeed(speed);
        EXPECT_EQ(meter.speed(), speed);
        shows(digits, segments);
        EXPECT_EQ(meter.speedUnitImageView()->isHidden(), unit == kmh);
    }
    // Choosing a unit redraws the same speed at once.
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(mph);
    shows("||7", 0);
    meter.setSpeed(100);
    EXPECT_FALSE(
        GuiTestEnvironment::saveScreenshot(&meter, "speed_meter_100_kmh_in_mph").isEmpty());
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(kmh);
    shows("1|0|0", 10);
    // The parts scale with the view.
    meter.resize(SpeedMeterView::kDesignSize);
    const QRect digit = meter.number1()->geometry();
    meter.resize(SpeedMeterView::kDesignSize * 2);
    EXPECT_EQ(meter.bgImageView()->geometry(), QRect(QPoint(), SpeedMeterView::kDesignSize * 2));
    EXPECT_EQ(meter.number1()->geometry(), QRect(digit.topLeft() * 2, digit.size() * 2));
}

TEST(GravityGraphView, PointsAndTracesOfADrive)
{
    BGColorView background;
    background.setColor(QColor(0x15, 0x19, 0x20));
    background.resize(640, 90);
    auto *graph = new GravityGraphView(&background);
    graph->setGeometry(0, 0, 640, 90);
    // The zero line is fixed when the view wakes, in the middle.
    graph->awakeFromNib();
    graph->resize(640, 200);
    EXPECT_EQ(graph->baseYPoint(), 45.0f);
    graph->resize(640, 90);
    // One sample: each trace is a single segment from the zero line's left
    // end to the right edge; x and z coincide, so blue covers red.
    graph->setClipData(trackOf(100, 50, 100));
    background.show();
    const QImage image = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 50);
    EXPECT_GT(countPixels(image, qRgb(255, 255, 0)), 50);
    EXPECT_EQ(countPixels(image, qRgb(255, 0, 0)), 0);
    EXPECT_NE(image.pixel(0, 90 - 1 - 45), qRgb(0x15, 0x19, 0x20));
    graph->setClipData(trackOf(100, 50, 10));
    const QImage second = background.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(second, qRgb(255, 0, 0)), 50);
    // A generated drive: one point per sample (their places are
    // GravityGraphPoints' own test).
    const TorvaClipData track = PlaybackTrackBuilder::demoDrive(65);
    graph->setClipData(track);
    for (const QList<QPointF> &points :
         {graph->gxPointList(), graph->gyPointList(), graph->gzPointList()})
        EXPECT_EQ(points.size(), qsizetype(track.clipDataCount()));
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(&background, "gravity_graph").isEmpty());
    // A track without samples clears all three traces.
    graph->setClipData(TorvaClipData());
    EXPECT_TRUE(graph->gxPointList().isEmpty() && graph->gyPointList().isEmpty() &&
                graph->gzPointList().isEmpty());
}
