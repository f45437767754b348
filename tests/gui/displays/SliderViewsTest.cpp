#include "gui/controls/TorvaImageView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/VolumeSliderView.h"

#include "TestArtifacts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, double x, Qt::MouseButtons buttons)
{
    const QPointF local(x, widget->height() / 2.0);
    QMouseEvent event(type, local, widget->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void press(QWidget *w, double x)
{
    sendMouse(w, QEvent::MouseButtonPress, x, Qt::LeftButton);
}
void drag(QWidget *w, double x)
{
    sendMouse(w, QEvent::MouseMove, x, Qt::LeftButton);
}
void release(QWidget *w, double x)
{
    sendMouse(w, QEvent::MouseButtonRelease, x, Qt::NoButton);
}

struct SeekMessages
{
    explicit SeekMessages(SeekTimeSliderView &slider)
    {
        QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderTouchedDown, [this](double v) {
            log.append({"down", v});
        });
        QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderDragged, [this](double v) {
            log.append({"dragged", v});
        });
        QObject::connect(&slider, &SeekTimeSliderView::seekTimeSliderTouchedUp, [this](double v) {
            log.append({"up", v});
        });
    }
    QList<QPair<QString, double>> log;
};

} // namespace

TEST(SeekTimeSliderView, ClicksAndDragsSeek)
{
    SeekTimeSliderView slider;
    slider.resize(210, 33);
    slider.show();
    slider.setMaxSliderValue(60.0);
    SeekMessages messages(slider);
    EXPECT_EQ(slider.sliderImageView()->imageName(), "progress_bar");
    EXPECT_EQ(slider.sliderImageView()->size(), QSize(10, 33));
    EXPECT_EQ(slider.sliderTravel().sliderLength(), 200.0);

    press(&slider, 105);
    EXPECT_TRUE(slider.isSliderTouching());
    EXPECT_EQ(slider.currentSliderValue(), 30.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 100);

    // The play timer keeps the value but not the knob while it is held.
    slider.setCurrentSliderValue(12.0);
    EXPECT_EQ(slider.currentSliderValue(), 12.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 100);

    drag(&slider, 0);
    EXPECT_EQ(slider.currentSliderValue(), 0.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 0);
    drag(&slider, 300);
    EXPECT_EQ(slider.currentSliderValue(), 60.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 200);
    // Letting go takes the value under the pointer without moving the knob.
    release(&slider, 55);
    EXPECT_FALSE(slider.isSliderTouching());
    EXPECT_EQ(slider.currentSliderValue(), 15.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 200);

    const QList<QPair<QString, double>> expected{
        {"down", 30.0}, {"dragged", 0.0}, {"dragged", 60.0}, {"up", 15.0}};
    EXPECT_EQ(messages.log, expected);

    // Free again, the knob follows the play time.
    slider.setCurrentSliderValue(45.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 150);
}

TEST(SeekTimeSliderView, ValuesStayWithinTheDuration)
{
    SeekTimeSliderView slider;
    slider.resize(210, 33);
    slider.show();
    slider.setCurrentSliderValue(5.0);
    // No duration yet: the value is held at 0 and the knob stays put.
    EXPECT_EQ(slider.currentSliderValue(), 0.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 0);

    slider.setMaxSliderValue(60.0);
    slider.setCurrentSliderValue(90.0);
    EXPECT_EQ(slider.currentSliderValue(), 60.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 200);

    // The bar follows a resize.
    slider.resize(110, 33);
    EXPECT_EQ(slider.sliderTravel().sliderLength(), 100.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 100);
}

TEST(SeekTimeSliderView, ADisabledBarIgnoresTheMouse)
{
    SeekTimeSliderView slider;
    slider.resize(210, 33);
    slider.show();
    slider.setMaxSliderValue(60.0);
    SeekMessages messages(slider);
    slider.setEnabled(false);
    press(&slider, 105);
    release(&slider, 105);
    EXPECT_TRUE(messages.log.isEmpty());
    EXPECT_EQ(slider.currentSliderValue(), 0.0);
    slider.setCurrentSliderValue(30.0);
    EXPECT_EQ(slider.sliderImageView()->x(), 100);
}

TEST(VolumeSliderView, StartsFullAndFollowsThePointer)
{
    VolumeSliderView slider;
    slider.resize(80, 10);
    slider.show();
    EXPECT_EQ(slider.volume(), 1.0f);
    EXPECT_EQ(slider.bgImageView()->imageName(), "volume_bar");
    EXPECT_EQ(slider.gaugeImageView()->imageName(), "volume_level");
    EXPECT_EQ(slider.gaugeImageView()->geometry(), QRect(0, 0, 80, 10));

    QList<float> changes;
    QObject::connect(&slider, &VolumeSliderView::volumeChanged,
                     [&](float volume) { changes.append(volume); });
    press(&slider, 20);
    EXPECT_EQ(slider.volume(), 0.25f);
    EXPECT_EQ(slider.gaugeImageView()->width(), 20);
    drag(&slider, -5);
    EXPECT_EQ(slider.volume(), 0.0f);
    drag(&slider, 200);
    EXPECT_EQ(slider.volume(), 1.0f);
    drag(&slider, 60);
    release(&slider, 60);
    EXPECT_EQ(changes, (QList<float>{0.25f, 0.0f, 1.0f, 0.75f}));

    slider.setVolume(1.5f);
    EXPECT_EQ(slider.volume(), 1.0f);
    slider.setVolume(-0.2f);
    EXPECT_EQ(slider.volume(), 0.0f);
    EXPECT_EQ(slider.gaugeImageView()->width(), 0);
    // Setting the volume in code sends nothing.
    EXPECT_EQ(changes.size(), 4);
}

TEST(VolumeSliderView, MuteKeepsTheVolumeToComeBackTo)
{
    VolumeSliderView slider;
    slider.resize(80, 10);
    slider.show();
    QList<float> changes;
    QObject::connect(&slider, &VolumeSliderView::volumeChanged,
                     [&](float volume) { changes.append(volume); });
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
    press(&slider, 40);
    EXPECT_EQ(slider.volume(), 0.5f);
    EXPECT_TRUE(slider.isMuted());

    // A disabled bar ignores the mouse but follows setVolume().
    slider.setEnabled(false);
    press(&slider, 10);
    EXPECT_EQ(slider.volume(), 0.5f);
    slider.setVolume(0.25f);
    EXPECT_EQ(slider.gaugeImageView()->width(), 20);

    // The filled part keeps its share when the bar grows.
    slider.resize(160, 12);
    EXPECT_EQ(slider.gaugeImageView()->geometry(), QRect(0, 0, 40, 12));
    EXPECT_EQ(slider.volume(), 0.25f);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&slider, "volume_slider").isEmpty());
}
