#pragma once

#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QPointF>

#include <functional>
#include <memory>

class QApplication;
class QWidget;

// The widget tests' one QApplication, created before the first test and kept
// for the whole run. The process also gets a HOME of its own, so that Qt's
// and libmpv's caches never touch the user's.
class GuiTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

    // Runs the event loop until the condition holds or the time is up, and
    // gives back the condition's last answer.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
    static void wait(int milliseconds)
    {
        waitFor([] { return false; }, milliseconds);
    }

    // Sends a mouse event at the widget's point: a press holds the button, a
    // release lets it go, a move drags with it held (Qt::NoButton: a plain move).
    static void sendMouse(QWidget *widget, QEvent::Type type, QPointF at,
                          Qt::MouseButton button = Qt::LeftButton);
    static void sendKey(QWidget *widget, int key);

private:
    std::unique_ptr<TemporaryHome> m_home;
    std::unique_ptr<QApplication> m_application;
};
