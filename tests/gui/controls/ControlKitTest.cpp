#include "../GuiTestEnvironment.h"

#include "gui/controls/ActionTextField.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/controls/TorvaColor.h"
#include "gui/controls/TorvaControls.h"
#include "gui/controls/TorvaEventView.h"
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
    EXPECT_EQ(outerView.focusPolicy(), Qt::StrongFocus);
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

    // A controller without the slot is left alone, and one that goes away
    // empties the slot.
    QObject bystander;
    innerView.setEvnetHandlViewController(&bystander);
    Gui::sendKey(&innerView, Qt::Key_Escape);
    Gui::wait(20);
    {
        auto gone = std::make_unique<SenderController>();
        innerView.setEvnetHandlViewController(gone.get());
    }
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), nullptr);
    Gui::sendKey(&innerView, Qt::Key_Escape);
    innerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &bystander);
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
    EXPECT_EQ(TorvaColor::colorWithHexColorString(""), QColor(0, 0, 0));
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

TEST(ControlKit, EnablingASubtree)
{
    QWidget root;
    auto *box = new QWidget(&root);
    auto *field = new QLineEdit(box);
    auto *label = new QLabel("x", box);
    auto *text = new QTextEdit(box);
    text->setReadOnly(true);
    auto *button = new QPushButton(&root);
    const QPalette app = QApplication::palette();

    TorvaControls::disableSubViews(&root);
    EXPECT_FALSE(box->isEnabled() || button->isEnabled() || field->isEnabled());
    EXPECT_EQ(text->textInteractionFlags(), Qt::NoTextInteraction);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
              app.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText),
              app.color(QPalette::Disabled, QPalette::WindowText));

    TorvaControls::enableSubViews(&root);
    EXPECT_TRUE(box->isEnabled() && field->isEnabled());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
              app.color(QPalette::Active, QPalette::Text));

    TorvaControls::setTitleColor(button, Qt::white);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
    std::unique_ptr<QRadioButton> radio(TorvaControls::RadioButtonCellWithTitle("km/h"));
    EXPECT_EQ(radio->text(), "km/h");
}

#include "ControlKitTest.moc"
