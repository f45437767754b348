#include "../GuiTestEnvironment.h"

#include "gui/controls/ActionTextField.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/controls/TorvaColor.h"
#include "gui/controls/TorvaControls.h"
#include "gui/controls/TorvaEventView.h"
#include "gui/controls/TorvaImages.h"
#include "gui/controls/TorvaStretchableImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <memory>

namespace {

// A dialog controller that counts its cancel actions.
class CancellingController : public QObject
{
    Q_OBJECT

public:
    int cancels = 0;
    QObject *lastSender = nullptr;

public Q_SLOTS:
    void cancelButtonTouched(QObject *sender)
    {
        ++cancels;
        lastSender = sender;
    }
};

class PlainController : public QObject
{
    Q_OBJECT

public:
    int cancels = 0;

public Q_SLOTS:
    void cancelButtonTouched() { ++cancels; }
};

void pressKey(QWidget *widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A 30 × 20 picture: a 10-point red frame around a green middle.
QPixmap framedPicture()
{
    QPixmap picture(30, 20);
    picture.fill(Qt::red);
    QPainter painter(&picture);
    painter.fillRect(QRect(10, 6, 10, 10), Qt::green);
    return picture;
}

} // namespace

TEST(TorvaCancelEventView, EscCancelsTheInnermostDialogOnce)
{
    CancellingController outer;
    PlainController inner;
    TorvaCancelEventView outerView;
    TorvaCancelEventView innerView;
    EXPECT_EQ(outerView.focusPolicy(), Qt::StrongFocus);

    outerView.setEvnetHandlViewController(&outer);
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &outer);
    innerView.setEvnetHandlViewController(&inner);
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &inner);

    // Two presses in quick succession cancel once, and not before the
    // current event is done.
    pressKey(&innerView, Qt::Key_Escape);
    EXPECT_EQ(inner.cancels, 0);
    pressKey(&innerView, Qt::Key_Escape);
    GuiTestEnvironment::waitFor([&] { return inner.cancels > 0; });
    GuiTestEnvironment::wait(50);
    EXPECT_EQ(inner.cancels, 1);
    // Other keys do nothing.
    pressKey(&innerView, Qt::Key_A);

    // The inner dialog closes: Esc belongs to the outer one again.
    innerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &outer);
    pressKey(&outerView, Qt::Key_Escape);
    GuiTestEnvironment::waitFor([&] { return outer.cancels > 0; });
    EXPECT_EQ(outer.cancels, 1);
    EXPECT_EQ(outer.lastSender, &outerView);

    // More than half a second later a press cancels again.
    GuiTestEnvironment::wait(600);
    pressKey(&outerView, Qt::Key_Escape);
    GuiTestEnvironment::waitFor([&] { return outer.cancels > 1; });
    EXPECT_EQ(outer.cancels, 2);
    EXPECT_EQ(inner.cancels, 1);
    outerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), nullptr);
}

TEST(TorvaCancelEventView, AControllerWithoutCancelIsLeftAlone)
{
    QObject bystander;
    TorvaCancelEventView view;
    view.setEvnetHandlViewController(&bystander);
    pressKey(&view, Qt::Key_Escape);
    GuiTestEnvironment::wait(20);
    {
        // A controller that goes away empties the slot.
        auto controller = std::make_unique<CancellingController>();
        view.setEvnetHandlViewController(controller.get());
    }
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), nullptr);
    pressKey(&view, Qt::Key_Escape);
    view.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &bystander);
}

TEST(TorvaEventView, ForwardsOnlyWhatIsListenedTo)
{
    TorvaEventView view;
    view.resize(50, 50);
    QStringList seen;
    QObject::connect(&view, &TorvaEventView::mouseDown, [&](QMouseEvent *e) {
        seen << QStringLiteral("down %1").arg(e->position().x());
    });
    QObject::connect(&view, &TorvaEventView::mouseDragged,
                     [&](QMouseEvent *) { seen << "dragged"; });
    QObject::connect(&view, &TorvaEventView::mouseMoved, [&](QMouseEvent *) { seen << "moved"; });
    QObject::connect(&view, &TorvaEventView::keyDown,
                     [&](QKeyEvent *e) { seen << QStringLiteral("key %1").arg(e->key()); });
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(7, 8), view.mapToGlobal(QPointF(7, 8)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseMove, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton); // nobody listens to mouseUp
    send(QEvent::MouseMove, Qt::NoButton);
    pressKey(&view, Qt::Key_Space);
    EXPECT_EQ(seen, (QStringList{"down 7", "dragged", "moved",
                                 QStringLiteral("key %1").arg(int(Qt::Key_Space))}));
}

TEST(ControlKit, ColoursFromHexadecimalText)
{
    const QColor title = TorvaColor::colorWithHexColorString("d6dfe9");
    EXPECT_EQ(title.red(), 214);
    EXPECT_EQ(title.green(), 223);
    EXPECT_EQ(title.blue(), 233);
    EXPECT_EQ(title.alpha(), 255);
    EXPECT_EQ(TorvaColor::colorWithHexColorString(QString()), QColor(0, 0, 0));
    EXPECT_EQ(TorvaColor::colorWithHexColorString(""), QColor(0, 0, 0));

    BGColorView view;
    view.resize(20, 20);
    view.setColor(title);
    view.show();
    EXPECT_EQ(view.grab().toImage().pixel(10, 10), title.rgb());
}

TEST(ControlKit, NinePartStretchKeepsTheCorners)
{
    const QPixmap stretched = TorvaStretchableImage::stretchableImageWithSize(
        framedPicture(), QSize(100, 40), QMarginsF(10, 6, 10, 4));
    ASSERT_EQ(stretched.size(), QSize(100, 40));
    const QImage image = stretched.toImage();
    EXPECT_EQ(image.pixel(5, 3), QColor(Qt::red).rgb());
    EXPECT_EQ(image.pixel(95, 38), QColor(Qt::red).rgb());
    // The green middle now spans 10 … 90 across and 6 … 36 down.
    EXPECT_EQ(image.pixel(12, 8), QColor(Qt::green).rgb());
    EXPECT_EQ(image.pixel(88, 34), QColor(Qt::green).rgb());
    EXPECT_EQ(image.pixel(50, 38), QColor(Qt::red).rgb());
    EXPECT_EQ(image.pixel(95, 20), QColor(Qt::red).rgb());
}

TEST(ControlKit, ThreePartStretchJoinsCapsAndMiddle)
{
    QPixmap source(20, 10);
    source.fill(Qt::blue);
    {
        QPainter painter(&source);
        painter.fillRect(QRect(0, 0, 6, 10), Qt::red);
        painter.fillRect(QRect(16, 0, 4, 10), Qt::green);
    }
    const QPixmap joined =
        TorvaStretchableImage::stretchableImageWithLeftCapWidth(source, 6, 50, 4);
    ASSERT_EQ(joined.size(), QSize(60, 10));
    const QImage image = joined.toImage();
    EXPECT_EQ(image.pixel(2, 5), QColor(Qt::red).rgb());
    EXPECT_EQ(image.pixel(30, 5), QColor(Qt::blue).rgb());
    EXPECT_EQ(image.pixel(58, 5), QColor(Qt::green).rgb());
    // No middle: the caps meet.
    const QPixmap caps = TorvaStretchableImage::stretchableImageWithLeftCapWidth(source, 6, 0, 4);
    EXPECT_EQ(caps.size(), QSize(10, 10));
    EXPECT_EQ(caps.toImage().pixel(7, 5), QColor(Qt::green).rgb());
    EXPECT_TRUE(
        TorvaStretchableImage::stretchableImageWithLeftCapWidth(QPixmap(), 6, 5, 4).isNull());

    // The dialog buttons' way: a skin picture spread to the button's size.
    const QPixmap button = TorvaStretchableImage::stretchableImageWithSize(
        TorvaImages::named("dialog_button_1"), QSize(90, 28), QMarginsF(10, 6, 10, 4));
    EXPECT_EQ(button.size(), QSize(90, 28));
}

TEST(ControlKit, EnablingASubtree)
{
    QWidget root;
    auto *box = new QWidget(&root);
    auto *field = new QLineEdit(box);
    auto *label = new QLabel("x", box);
    auto *text = new QTextEdit(box);
    text->setReadOnly(true);
    auto *button = new QPushButton(&root);

    TorvaControls::disableSubViews(&root);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(text->textInteractionFlags(), Qt::NoTextInteraction);
    const QColor disabledText = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text), disabledText);
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText),
              QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));

    TorvaControls::enableSubViews(&root);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(field->isEnabled());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
              QApplication::palette().color(QPalette::Active, QPalette::Text));

    TorvaControls::setTitleColor(button, Qt::white);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
    std::unique_ptr<QRadioButton> radio(TorvaControls::RadioButtonCellWithTitle("km/h"));
    EXPECT_EQ(radio->text(), "km/h");
}

TEST(ControlKit, ATextFieldActsOnAPress)
{
    ActionTextField field;
    int actions = 0;
    QObject::connect(&field, &ActionTextField::action,
                     [&](ActionTextField *sender) { actions += sender == &field ? 1 : 100; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), field.mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &press);
    EXPECT_EQ(actions, 1);
}

#include "ControlKitTest.moc"
