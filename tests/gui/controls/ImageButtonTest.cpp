#include "../displays/TestArtifacts.h"

#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaImages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>

namespace {

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

void mouse(QWidget *widget, QEvent::Type type, const QPointF &at = QPointF(5, 5))
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

struct ButtonLog
{
    explicit ButtonLog(ImageButton &button)
    {
        QObject::connect(&button, &ImageButton::clicked, [this] { ++clicks; });
        QObject::connect(&button, &ImageButton::hover, [this, &button](ImageButton *sender) {
            hovers += sender == &button ? 1 : 100;
        });
        QObject::connect(&button, &ImageButton::hoverExit, [this] { ++exits; });
    }
    int clicks = 0;
    int hovers = 0;
    int exits = 0;
};

} // namespace

TEST(ImageButton, SwapsPicturesOnHoverAndPress)
{
    ImageButton button;
    button.resize(44, 44);
    button.setAllowAutoMouseEventImage(true);
    button.setImage("play_1");
    EXPECT_EQ(button.normalImageName(), "play_1");
    EXPECT_EQ(button.hoverImageName(), "play_2");
    EXPECT_EQ(button.clickImageName(), "play_3");
    ButtonLog log(button);

    enter(&button);
    EXPECT_EQ(button.imageName(), "play_2");
    EXPECT_EQ(log.hovers, 1);
    mouse(&button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.imageName(), "play_3");
    EXPECT_TRUE(button.isMouseDown());
    mouse(&button, QEvent::MouseButtonRelease);
    EXPECT_EQ(button.imageName(), "play_2");
    EXPECT_FALSE(button.isMouseDown());
    EXPECT_EQ(log.clicks, 1);
    leave(&button);
    EXPECT_EQ(button.imageName(), "play_1");
    EXPECT_EQ(log.exits, 1);

    // The names stay those of the picture given, whatever is shown.
    EXPECT_EQ(button.clickImageName(), "play_3");
    // A new picture brings its own names.
    button.setImage("pause1");
    EXPECT_EQ(button.hoverImageName(), "pause2");
    enter(&button);
    EXPECT_EQ(button.imageName(), "pause2");
}

TEST(ImageButton, OnlyAPressThatStayedOnTheButtonClicks)
{
    ImageButton button;
    button.resize(44, 44);
    button.setAllowAutoMouseEventImage(true);
    button.setImage("play_1");
    ButtonLog log(button);

    // A release that never had its press.
    mouse(&button, QEvent::MouseButtonRelease);
    EXPECT_EQ(log.clicks, 0);

    // Pressed, left and entered again: the press no longer counts.
    mouse(&button, QEvent::MouseButtonPress);
    leave(&button);
    enter(&button);
    mouse(&button, QEvent::MouseButtonRelease);
    EXPECT_EQ(log.clicks, 0);

    // Pressed and let go beside the button.
    mouse(&button, QEvent::MouseButtonPress);
    mouse(&button, QEvent::MouseButtonRelease, QPointF(60, 5));
    EXPECT_EQ(log.clicks, 0);

    mouse(&button, QEvent::MouseButtonPress);
    mouse(&button, QEvent::MouseButtonRelease);
    EXPECT_EQ(log.clicks, 1);
}

TEST(ImageButton, FixedPicturesAndDisabledButtons)
{
    // Without automatic pictures the button keeps its picture but still acts.
    ImageButton mute;
    mute.resize(32, 32);
    mute.setImage("volume1");
    EXPECT_EQ(mute.hoverImageName(), "");
    ButtonLog muteLog(mute);
    enter(&mute);
    mouse(&mute, QEvent::MouseButtonPress);
    EXPECT_EQ(mute.imageName(), "volume1");
    mouse(&mute, QEvent::MouseButtonRelease);
    EXPECT_EQ(muteLog.clicks, 1);
    mute.setImage("volume2");
    EXPECT_EQ(mute.imageName(), "volume2");

    // Turning the flag on later derives the names from the current picture.
    ImageButton filter;
    filter.resize(60, 24);
    filter.setImage("sorting_btn_60_2");
    filter.setAllowAutoMouseEventImage(true);
    EXPECT_EQ(filter.normalImageName(), "sorting_btn_60_1");
    filter.setAllowAutoMouseEventImage(false);
    EXPECT_EQ(filter.normalImageName(), "");

    ImageButton disabled;
    disabled.resize(32, 32);
    disabled.setAllowAutoMouseEventImage(true);
    disabled.setImage("stop_1");
    disabled.setEnabled(false);
    ButtonLog disabledLog(disabled);
    mouse(&disabled, QEvent::MouseButtonPress);
    mouse(&disabled, QEvent::MouseButtonRelease);
    EXPECT_EQ(disabledLog.clicks, 0);
    EXPECT_EQ(disabled.imageName(), "stop_1");
}

TEST(ImageButton, DrawsItsPictureAndTitle)
{
    ImageButton button;
    button.resize(60, 24);
    button.setImage("sorting_btn_60_2");
    button.setText("ALL");
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::white);
    button.setPalette(palette);
    button.show();
    const QImage image = button.grab().toImage();
    // The accent background, and white title pixels in the middle.
    EXPECT_GT(qBlue(image.pixel(5, 12)), 120);
    int white = 0;
    for (int y = 6; y < 18; ++y)
        for (int x = 15; x < 45; ++x)
            white += qRed(image.pixel(x, y)) > 230 && qGreen(image.pixel(x, y)) > 230 ? 1 : 0;
    EXPECT_GT(white, 10);
    image.save(QDir(TestArtifacts::folder()).filePath("image_button_title.png"));
}

TEST(ImageButton, StretchedPicturesWithAnAlternateWhileHeld)
{
    ImageButton ok;
    ok.resize(90, 28);
    ok.setImage(TorvaImages::named("dialog_button_1", QSize(90, 28)));
    ok.setAlternateImage(TorvaImages::named("dialog_button_2", QSize(90, 28)));
    EXPECT_EQ(ok.imageName(), "");
    EXPECT_EQ(ok.clickImageName(), "");
    ok.show();
    const auto blueInTheMiddle = [&ok] { return qBlue(ok.grab().toImage().pixel(45, 14)); };
    const int normal = blueInTheMiddle();
    mouse(&ok, QEvent::MouseButtonPress);
    const int held = blueInTheMiddle();
    mouse(&ok, QEvent::MouseButtonRelease);
    EXPECT_GT(held, normal + 60);
    EXPECT_EQ(blueInTheMiddle(), normal);
}
