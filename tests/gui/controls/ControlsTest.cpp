#include "../GuiTestEnvironment.h"

#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaImages.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>

// Every picture is drawn at its size, with something to see.
TEST(TorvaImages, EveryPictureIsDrawnAtItsSize)
{
    for (QDirIterator it(":/images", {"*.svg"}); it.hasNext();) {
        const QString name = QFileInfo(it.next()).completeBaseName();
        const QImage picture = TorvaImages::named(name).toImage();
        QImage blank(picture.size(), picture.format());
        blank.fill(Qt::transparent);
        EXPECT_NE(picture, blank) << name.toStdString();
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), TorvaImages::sizeOf(name));
    }
    EXPECT_FALSE(TorvaImages::icon("play_1").isNull());
    for (const QString name : {"", "nothing_here", "../play_1", ".png", "play_1.svg"}) {
        EXPECT_FALSE(TorvaImages::exists(name)) << name.toStdString();
        EXPECT_TRUE(TorvaImages::named(name).isNull());
        EXPECT_FALSE(TorvaImages::sizeOf(name).isValid());
        EXPECT_TRUE(TorvaImages::icon(name).isNull());
    }
}

// Each button's picture on hover, press, release and leave, and what it
// tells.
TEST(ImageButton, PicturesFollowTheMouse)
{
    struct Case
    {
        QString image;
        bool automatic;
        bool enabled;
        QString shown;
        QString told;
    };
    const Case cases[] = {
        {"play_1", true, true, "play_2 play_3 play_2 play_1", "hover click exit"},
        {"pause1", true, true, "pause2 pause3 pause2 pause1", "hover click exit"},
        // Without automatic pictures the button keeps its picture but acts.
        {"volume1", false, true, "volume1 volume1 volume1 volume1", "hover click exit"},
        {"stop_1", true, false, "stop_1 stop_1 stop_1 stop_1", "hover exit"},
    };
    // One button for all: a new picture brings its own names.
    ImageButton button;
    button.resize(60, 24);
    QStringList told;
    QObject::connect(&button, &ImageButton::clicked, [&] { told << "click"; });
    QObject::connect(&button, &ImageButton::hover,
                     [&](ImageButton *sender) { told << (sender == &button ? "hover" : "?"); });
    QObject::connect(&button, &ImageButton::hoverExit, [&] { told << "exit"; });
    const auto after = [&button](QEvent::Type type, QPointF at = QPointF(5, 5)) {
        GuiTestEnvironment::sendMouse(&button, type, at);
        return button.imageName();
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.image.toStdString());
        told.clear();
        button.setEnabled(c.enabled);
        button.setAllowAutoMouseEventImage(c.automatic);
        button.setImage(c.image);
        EXPECT_EQ(QStringList({after(QEvent::Enter), after(QEvent::MouseButtonPress),
                               after(QEvent::MouseButtonRelease), after(QEvent::Leave)})
                      .join(' '),
                  c.shown);
        EXPECT_EQ(told.join(' '), c.told);
    }
    // Only a press that stayed on the button clicks: not a release without
    // a press, nor one after leaving and coming back, nor one beside it.
    told.clear();
    button.setEnabled(true);
    after(QEvent::MouseButtonRelease);
    after(QEvent::MouseButtonPress);
    after(QEvent::Leave);
    after(QEvent::Enter);
    after(QEvent::MouseButtonRelease);
    after(QEvent::MouseButtonPress);
    after(QEvent::MouseButtonRelease, QPointF(80, 5));
    after(QEvent::MouseButtonPress);
    after(QEvent::MouseButtonRelease);
    EXPECT_EQ(told.join(' '), "exit hover click");
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
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(&button, "image_button_title").isEmpty());
}
