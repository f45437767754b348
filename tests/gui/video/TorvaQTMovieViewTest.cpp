#include "../GuiTestEnvironment.h"

#include "gui/video/TorvaQTMovieView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// Answers only the slots a full-screen controller has.
class FullscreenController : public QObject
{
    Q_OBJECT

public:
    QStringList calls;
    QObject *sender = nullptr;

public Q_SLOTS:
    void fullscreenButtonTouched(QObject *button)
    {
        calls.append(QStringLiteral("fullscreen"));
        sender = button;
    }
    void showFullscreenMovieControlWindow() { calls.append(QStringLiteral("show")); }
    void hideFullscreenMovieControlWindow() { calls.append(QStringLiteral("hide")); }
};

// Records what reaches the window behind the movie.
class Backdrop : public QWidget
{
public:
    int mousePresses = 0;
    int wheels = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++mousePresses; }
    void wheelEvent(QWheelEvent *) override { ++wheels; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

void send(QWidget &view, QEvent::Type type, QPointF position, Qt::MouseButton button,
          Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, position, view.mapToGlobal(position), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

TEST(TorvaQTMovieViewTest, PassesIntentsToTheDelegateAndKeepsClicksToItself)
{
    Backdrop window;
    window.resize(400, 200);
    auto *view = new TorvaQTMovieView(&window);
    view->setGeometry(0, 0, 400, 200);
    FullscreenController controller;
    view->setDelegate(&controller);
    window.show();

    // The top quarter shows the controls, the rest hides them.
    send(*view, QEvent::MouseMove, {200, 40}, Qt::NoButton);
    send(*view, QEvent::MouseMove, {200, 160}, Qt::NoButton);
    // Drags and other buttons do neither.
    send(*view, QEvent::MouseMove, {200, 40}, Qt::NoButton, Qt::LeftButton);
    send(*view, QEvent::MouseButtonRelease, {200, 100}, Qt::LeftButton);
    send(*view, QEvent::MouseButtonRelease, {200, 100}, Qt::RightButton);
    EXPECT_EQ(controller.calls, (QStringList{"show", "hide", "fullscreen"}));
    EXPECT_EQ(controller.sender, view);

    send(*view, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton, Qt::LeftButton);
    send(*view, QEvent::MouseButtonPress, {200, 100}, Qt::RightButton, Qt::RightButton);
    QWheelEvent wheel({200, 100}, view->mapToGlobal(QPointF(200, 100)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(view, &key);
    EXPECT_EQ(window.mousePresses, 0);
    EXPECT_EQ(window.wheels, 0);
    EXPECT_EQ(window.keys, 1) << "keys go on to the window";

    // A disabled view tells nothing; a delegate without the slots is fine.
    controller.calls.clear();
    view->setEnabled(false);
    send(*view, QEvent::MouseButtonRelease, {200, 100}, Qt::RightButton);
    view->setEnabled(true);
    QObject mute;
    view->setDelegate(&mute);
    send(*view, QEvent::MouseButtonRelease, {200, 100}, Qt::RightButton);
    send(*view, QEvent::MouseMove, {200, 40}, Qt::NoButton);
    EXPECT_TRUE(controller.calls.isEmpty());
}

} // namespace

#include "TorvaQTMovieViewTest.moc"
