#include "../GuiTestEnvironment.h"

#include "gui/controls/ActionTextField.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/controls/TorvaColor.h"
#include "gui/controls/TorvaEventView.h"
#include "gui/controls/TorvaImages.h"
#include "gui/controls/TorvaStretchableImage.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Dialog controllers: a cancel slot that takes the sender, and one that
// takes nothing.
class SenderController : public QObject
{
    Q_OBJECT

public:
    QObjectList cancels;

public Q_SLOTS:
    void cancelButtonTouched(QObject *sender) { cancels << sender; }
};

class PlainController : public QObject
{
    Q_OBJECT

public:
    int cancels = 0;

public Q_SLOTS:
    void cancelButtonTouched() { ++cancels; }
};

// Checks the colour at each point of the picture.
void expectColour(const QPixmap &picture, Qt::GlobalColor colour, const QList<QPoint> &points)
{
    for (const QPoint &at : points)
        EXPECT_EQ(picture.toImage().pixel(at), QColor(colour).rgb()) << at.x() << "," << at.y();
}

} // namespace

TEST(TorvaCancelEventView, EscCancelsTheInnermostDialogOnce)
{
    using Gui = GuiTestEnvironment;
    SenderController outer;
    PlainController inner;
    TorvaCancelEventView outerView;
    TorvaCancelEventView innerView;
    outerView.setEvnetHandlViewController(&outer);
    innerView.setEvnetHandlViewController(&inner);
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &inner);
    // Two presses in quick succession cancel once, and not before the
    // current event is done; other keys do nothing.
    Gui::sendKey(&innerView, Qt::Key_Escape);
    EXPECT_EQ(inner.cancels, 0);
    Gui::sendKey(&innerView, Qt::Key_Escape);
    Gui::sendKey(&innerView, Qt::Key_A);
    Gui::wait(50);
    EXPECT_EQ(inner.cancels, 1);
    // The inner dialog closes: Esc belongs to the outer one again, and more
    // than half a second later a press cancels again.
    innerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &outer);
    Gui::sendKey(&outerView, Qt::Key_Escape);
    Gui::wait(600);
    Gui::sendKey(&outerView, Qt::Key_Escape);
    EXPECT_TRUE(Gui::waitFor([&] { return outer.cancels.size() == 2; }));
    EXPECT_EQ(outer.cancels, (QObjectList{&outerView, &outerView}));
    EXPECT_EQ(inner.cancels, 1);
}

TEST(ControlKit, EventViewAndTextFieldForwardWhatIsListenedTo)
{
    using Gui = GuiTestEnvironment;
    TorvaEventView view;
    view.resize(50, 50);
    QStringList seen;
    QObject::connect(&view, &TorvaEventView::mouseDown, [&](QMouseEvent *e) {
        seen << QStringLiteral("down %1").arg(e->position().x());
    });
    QObject::connect(&view, &TorvaEventView::mouseDragged, [&] { seen << "dragged"; });
    QObject::connect(&view, &TorvaEventView::mouseMoved, [&] { seen << "moved"; });
    QObject::connect(&view, &TorvaEventView::keyDown,
                     [&](QKeyEvent *e) { seen << QStringLiteral("key %1").arg(e->key()); });
    const QPointF at(7, 8);
    Gui::sendMouse(&view, QEvent::MouseButtonPress, at);
    Gui::sendMouse(&view, QEvent::MouseMove, at);
    Gui::sendMouse(&view, QEvent::MouseButtonRelease, at); // nobody listens
    Gui::sendMouse(&view, QEvent::MouseMove, at, Qt::NoButton);
    Gui::sendKey(&view, Qt::Key_Space);
    EXPECT_EQ(seen, (QStringList{"down 7", "dragged", "moved",
                                 QStringLiteral("key %1").arg(int(Qt::Key_Space))}));
    ActionTextField field;
    QObject::connect(&field, &ActionTextField::action,
                     [&](ActionTextField *sender) { seen << (sender == &field ? "action" : "?"); });
    Gui::sendMouse(&field, QEvent::MouseButtonPress, QPointF(3, 3));
    EXPECT_EQ(seen.mid(4), QStringList{"action"});
}

TEST(ControlKit, ColoursAndStretchedPictures)
{
    const QColor title = TorvaColor::colorWithHexColorString("d6dfe9");
    EXPECT_EQ(title, QColor(214, 223, 233, 255));
    EXPECT_EQ(TorvaColor::colorWithHexColorString(QString()), QColor(0, 0, 0));
    BGColorView view;
    view.resize(20, 20);
    view.setColor(title);
    view.show();
    EXPECT_EQ(view.grab().toImage().pixel(10, 10), title.rgb());
    // Nine parts: a 10-point red frame around a green middle, 30 × 20. The
    // corners stay; the middle now spans 10 … 90 across and 6 … 36 down.
    QPixmap framed(30, 20);
    framed.fill(Qt::red);
    QPainter(&framed).fillRect(QRect(10, 6, 10, 10), Qt::green);
    const QPixmap nine = TorvaStretchableImage::stretchableImageWithSize(framed, QSize(100, 40),
                                                                         QMarginsF(10, 6, 10, 4));
    ASSERT_EQ(nine.size(), QSize(100, 40));
    expectColour(nine, Qt::red, {{5, 3}, {95, 38}, {50, 38}, {95, 20}});
    expectColour(nine, Qt::green, {{12, 8}, {88, 34}});
    // Three parts: red left cap, blue middle, green right cap; with no
    // middle the caps meet.
    QPixmap capped(20, 10);
    capped.fill(Qt::blue);
    QPainter(&capped).fillRect(QRect(0, 0, 6, 10), Qt::red);
    QPainter(&capped).fillRect(QRect(16, 0, 4, 10), Qt::green);
    const QPixmap three = TorvaStretchableImage::stretchableImageWithLeftCapWidth(capped, 6, 50, 4);
    ASSERT_EQ(three.size(), QSize(60, 10));
    expectColour(three, Qt::red, {{2, 5}});
    expectColour(three, Qt::blue, {{30, 5}});
    expectColour(three, Qt::green, {{58, 5}});
    const QPixmap caps = TorvaStretchableImage::stretchableImageWithLeftCapWidth(capped, 6, 0, 4);
    EXPECT_EQ(caps.size(), QSize(10, 10));
    expectColour(caps, Qt::green, {{7, 5}});
    EXPECT_TRUE(
        TorvaStretchableImage::stretchableImageWithLeftCapWidth(QPixmap(), 6, 5, 4).isNull());
}

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
        // The names stay those of the picture given, whatever is shown.
        if (c.enabled) {
            EXPECT_EQ(QStringList({button.normalImageName(), button.hoverImageName(),
                                   button.clickImageName()})
                          .join(' '),
                      c.automatic ? c.image + ' ' + c.shown.section(' ', 0, 1) : "  ");
        }
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

TEST(ImageButton, DrawsItsPictureTitleAndAlternateWhileHeld)
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
    // Stretched dialog pictures, the second shown while held.
    ImageButton ok;
    ok.resize(90, 28);
    ok.setImage(TorvaImages::named("dialog_button_1", QSize(90, 28)));
    ok.setAlternateImage(TorvaImages::named("dialog_button_2", QSize(90, 28)));
    ok.show();
    const auto blueInTheMiddle = [&ok] { return qBlue(ok.grab().toImage().pixel(45, 14)); };
    const int normal = blueInTheMiddle();
    GuiTestEnvironment::sendMouse(&ok, QEvent::MouseButtonPress, {5, 5});
    const int held = blueInTheMiddle();
    GuiTestEnvironment::sendMouse(&ok, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_GT(held, normal + 60);
    EXPECT_EQ(blueInTheMiddle(), normal);
}

#include "ControlsTest.moc"
