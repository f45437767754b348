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

// A dialog controller whose cancel slot takes the sender.
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

// One whose cancel slot takes nothing.
class PlainController : public QObject
{
    Q_OBJECT

public:
    int cancels = 0;

public Q_SLOTS:
    void cancelButtonTouched() { ++cancels; }
};

// Checks the colour at each point of the picture.
void expectColours(const QPixmap &picture,
                   std::initializer_list<std::pair<QPoint, Qt::GlobalColor>> points)
{
    for (const auto &[at, colour] : points)
        EXPECT_EQ(picture.toImage().pixel(at), QColor(colour).rgb()) << at.x() << "," << at.y();
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
    innerView.setEvnetHandlViewController(&inner);
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &inner);

    // Two presses in quick succession cancel once, and not before the
    // current event is done; other keys do nothing.
    GuiTestEnvironment::sendKey(&innerView, Qt::Key_Escape);
    EXPECT_EQ(inner.cancels, 0);
    GuiTestEnvironment::sendKey(&innerView, Qt::Key_Escape);
    GuiTestEnvironment::sendKey(&innerView, Qt::Key_A);
    GuiTestEnvironment::waitFor([&] { return inner.cancels > 0; });
    GuiTestEnvironment::wait(50);
    EXPECT_EQ(inner.cancels, 1);

    // The inner dialog closes: Esc belongs to the outer one again.
    innerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &outer);
    GuiTestEnvironment::sendKey(&outerView, Qt::Key_Escape);
    GuiTestEnvironment::waitFor([&] { return outer.cancels > 0; });
    EXPECT_EQ(outer.lastSender, &outerView);
    // More than half a second later a press cancels again.
    GuiTestEnvironment::wait(600);
    GuiTestEnvironment::sendKey(&outerView, Qt::Key_Escape);
    GuiTestEnvironment::waitFor([&] { return outer.cancels > 1; });
    EXPECT_EQ(outer.cancels, 2);
    EXPECT_EQ(inner.cancels, 1);

    // A controller without the slot is left alone, and one that goes away
    // empties the slot.
    QObject bystander;
    innerView.setEvnetHandlViewController(&bystander);
    GuiTestEnvironment::sendKey(&innerView, Qt::Key_Escape);
    GuiTestEnvironment::wait(20);
    {
        auto gone = std::make_unique<CancellingController>();
        innerView.setEvnetHandlViewController(gone.get());
    }
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), nullptr);
    GuiTestEnvironment::sendKey(&innerView, Qt::Key_Escape);
    innerView.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &bystander);
}

TEST(ControlKit, EventViewAndTextFieldForwardWhatIsListenedTo)
{
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
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonPress, at);
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseMove, at);
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonRelease, at); // nobody listens
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseMove, at, Qt::NoButton);
    GuiTestEnvironment::sendKey(&view, Qt::Key_Space);
    EXPECT_EQ(seen, (QStringList{"down 7", "dragged", "moved",
                                 QStringLiteral("key %1").arg(int(Qt::Key_Space))}));

    ActionTextField field;
    QObject::connect(&field, &ActionTextField::action,
                     [&](ActionTextField *sender) { seen << (sender == &field ? "action" : "?"); });
    GuiTestEnvironment::sendMouse(&field, QEvent::MouseButtonPress, QPointF(3, 3));
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
    expectColours(nine, {{{5, 3}, Qt::red},
                         {{95, 38}, Qt::red},
                         {{50, 38}, Qt::red},
                         {{95, 20}, Qt::red},
                         {{12, 8}, Qt::green},
                         {{88, 34}, Qt::green}});

    // Three parts: red left cap, blue middle, green right cap; with no
    // middle the caps meet.
    QPixmap capped(20, 10);
    capped.fill(Qt::blue);
    QPainter(&capped).fillRect(QRect(0, 0, 6, 10), Qt::red);
    QPainter(&capped).fillRect(QRect(16, 0, 4, 10), Qt::green);
    const QPixmap three = TorvaStretchableImage::stretchableImageWithLeftCapWidth(capped, 6, 50, 4);
    ASSERT_EQ(three.size(), QSize(60, 10));
    expectColours(three, {{{2, 5}, Qt::red}, {{30, 5}, Qt::blue}, {{58, 5}, Qt::green}});
    const QPixmap caps = TorvaStretchableImage::stretchableImageWithLeftCapWidth(capped, 6, 0, 4);
    EXPECT_EQ(caps.size(), QSize(10, 10));
    expectColours(caps, {{{7, 5}, Qt::green}});
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
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(text->textInteractionFlags(), Qt::NoTextInteraction);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
              app.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText),
              app.color(QPalette::Disabled, QPalette::WindowText));

    TorvaControls::enableSubViews(&root);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(field->isEnabled());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
              app.color(QPalette::Active, QPalette::Text));

    TorvaControls::setTitleColor(button, Qt::white);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
    std::unique_ptr<QRadioButton> radio(TorvaControls::RadioButtonCellWithTitle("km/h"));
    EXPECT_EQ(radio->text(), "km/h");
}

#include "ControlKitTest.moc"
